#include "LinhaDeComando.h"

Comando LerLinhaDeComando(const QStringList& a) {
    Comando c;
    if (a.isEmpty()) {
        return c;
    }
    const QString& primeiro = a.first();
    if (primeiro == QLatin1String("--version") || primeiro == QLatin1String("-v")) {
        c.tipo = Comando::Tipo::Versao;
    } else if (primeiro == QLatin1String("--help") || primeiro == QLatin1String("-h")) {
        c.tipo = Comando::Tipo::Ajuda;
    } else if (primeiro == QLatin1String("--relatorio")) {
        if (a.size() != 3) {
            c.tipo = Comando::Tipo::Erro;
            c.erro = QStringLiteral("veltra: --relatorio pede o projeto e o PDF: "
                                    "veltra --relatorio obra.veltra obra.pdf");
        } else {
            c.tipo = Comando::Tipo::Relatorio;
            c.projeto = a.at(1);
            c.relatorio = a.at(2);
        }
    } else if (primeiro.startsWith(QLatin1Char('-')) || a.size() > 1) {
        c.tipo = Comando::Tipo::Erro;
        c.erro =
            QStringLiteral("veltra: opção desconhecida \u00ab%1\u00bb; veja veltra --help")
                .arg(a.size() > 1 && !primeiro.startsWith(QLatin1Char('-')) ? a.at(1) : primeiro);
    } else {
        c.projeto = primeiro;
    }
    return c;
}

QString TextoAjuda() {
    return QStringLiteral(
        "Uso: veltra [PROJETO]\n"
        "     veltra --relatorio PROJETO PDF\n"
        "\n"
        "Dimensionamento do reforço com geotêxtil de aterros sobre solos moles\n"
        "(métodos de Kaniraj, com e sem trinca de tração, e de Low).\n"
        "\n"
        "  PROJETO                      abre o projeto (.veltra) na tela de entrada de dados\n"
        "  --relatorio PROJETO PDF      calcula o projeto e grava o memorial de cálculo em PDF,\n"
        "                               sem abrir janelas\n"
        "  -h, --help                   mostra esta ajuda\n"
        "  -v, --version                mostra a versão\n");
}

QString TextoVersao() {
    return QStringLiteral("Veltra %1").arg(QStringLiteral(VELTRA_VERSAO));
}
