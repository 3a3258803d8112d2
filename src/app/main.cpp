#include "app/Aplicacao.h"
#include "app/LinhaDeComando.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QStringList argumentos;
    for (int i = 1; i < argc; ++i) {
        argumentos << QString::fromLocal8Bit(argv[i]);
    }
    const Comando comando = LerLinhaDeComando(argumentos);
    switch (comando.tipo) {
    case Comando::Tipo::Versao:
        std::printf("%s\n", TextoVersao().toUtf8().constData());
        return 0;
    case Comando::Tipo::Ajuda:
        std::printf("%s", TextoAjuda().toUtf8().constData());
        return 0;
    case Comando::Tipo::Erro:
        std::fprintf(stderr, "%s\n", comando.erro.toUtf8().constData());
        return 2;
    case Comando::Tipo::Relatorio:
        return GerarRelatorioSemJanelas(argc, argv, comando.projeto, comando.relatorio);
    case Comando::Tipo::Janelas:
        break;
    }
    QApplication aplicacao(argc, argv);
    auto telas = IniciarVeltra(aplicacao);
    AbrirProjetoInicial(comando.projeto);
    const int codigo = aplicacao.exec();
    telas.reset();
    return codigo;
}
