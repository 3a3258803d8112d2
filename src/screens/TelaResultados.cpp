#include "TelaResultados.h"

TelaResultados::TelaResultados(QWidget* parent) : Tela(Tipo::Normal, parent) {}

void TelaResultados::DefinirCamposComprimento(QLineEdit* primeiro, QLineEdit* segundo) {
    comprimentos_[0] = primeiro;
    comprimentos_[1] = segundo;
}

void TelaResultados::MostrarComprimentos() {
    retornoDaAncoragem_ = true;
    Mostrar();
}

void TelaResultados::FormActivate() {
    if (retornoDaAncoragem_) {
        retornoDaAncoragem_ = false;
        EscreverComprimentos();
        return;
    }
    EscreverResultados();
}

void TelaResultados::FormDeactivate() {
    // The lengths are seen only from the return of the calculation until the screen is left.
    for (QLineEdit* campo : comprimentos_) {
        if (campo) {
            campo->clear();
        }
    }
    retornoDaAncoragem_ = false;
    Tela::FormDeactivate();
}
