#include "Arquivos.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QSaveFile>

QString MotivoArquivo(const QString& caminho, const QFileDevice& arquivo, Acesso acesso) {
    const QFileInfo info(caminho);
    const QFileInfo pasta(info.absolutePath());
    const QString nomePasta = QDir::toNativeSeparators(pasta.absoluteFilePath());
    if (info.isDir()) {
        return QStringLiteral("\u00ab%1\u00bb é uma pasta, não um arquivo").arg(info.fileName());
    }
    if (acesso == Acesso::Gravacao) {
        if (!pasta.exists()) {
            return QStringLiteral("a pasta \u00ab%1\u00bb não existe").arg(nomePasta);
        }
        if (!pasta.isDir()) {
            return QStringLiteral("\u00ab%1\u00bb não é uma pasta").arg(nomePasta);
        }
        if (!pasta.isWritable()) {
            return QStringLiteral("não há permissão para gravar na pasta \u00ab%1\u00bb")
                .arg(nomePasta);
        }
        if (info.exists() && !info.isWritable()) {
            return QStringLiteral("o arquivo existente não pode ser substituído (somente leitura)");
        }
    } else {
        if (!info.exists()) {
            return QStringLiteral("o arquivo não existe");
        }
        if (!info.isReadable()) {
            return QStringLiteral("não há permissão para ler o arquivo");
        }
    }
    if (arquivo.error() == QFileDevice::ResourceError) {
        return QStringLiteral("falta espaço no disco ou outro recurso do sistema");
    }
    return arquivo.errorString();
}

QString GravarArquivo(const QString& caminho, const std::function<bool(QIODevice&)>& escrever) {
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly)) {
        return MotivoArquivo(caminho, arquivo, Acesso::Gravacao);
    }
    if (!escrever(arquivo)) {
        arquivo.cancelWriting();
        return arquivo.error() != QFileDevice::NoError
                   ? MotivoArquivo(caminho, arquivo, Acesso::Gravacao)
                   : QStringLiteral("o conteúdo não pôde ser gerado");
    }
    if (!arquivo.commit()) {
        return MotivoArquivo(caminho, arquivo, Acesso::Gravacao);
    }
    return {};
}
