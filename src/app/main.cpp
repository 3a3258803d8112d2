#include "app/Aplicacao.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication aplicacao(argc, argv);
    auto telas = IniciarVeltra(aplicacao);
    AbrirDaLinhaDeComando(aplicacao.arguments());
    const int codigo = aplicacao.exec();
    telas.reset();
    return codigo;
}
