#pragma once

// What the two results screens share: a run's results written on every activation, except the
// return from the anchorage calculation, which writes only the two anchorage lengths; the lengths
// emptied whenever the screen is left; numbers written into read-only fields from their start.

#include "Tela.h"
#include "calc/Ancoragem.h"
#include "data/FormatoGeral.h"

#include <QLineEdit>
#include <QString>

#include <string>

inline void EscreverCampo(QLineEdit* campo, const std::string& texto) {
    campo->setText(QString::fromStdString(texto));
    campo->setCursorPosition(0);
}

// A computed value in the general number format.
inline void EscreverValor(QLineEdit* campo, long double valor) {
    EscreverCampo(campo, FormatoGeral(valor));
}

// An anchorage length: "1,00" below 1 m.
inline void EscreverComprimento(QLineEdit* campo, long double comprimento) {
    EscreverCampo(campo, TextoComprimentoAncoragem(comprimento));
}

class TelaResultados : public Tela {
    Q_OBJECT
public:
    // The return from the anchorage calculation: this activation writes the two lengths and leaves
    // the results as they are. Any other activation (a run) writes the results.
    void MostrarComprimentos();

protected:
    explicit TelaResultados(QWidget* parent = nullptr);

    // The two fields of the anchorage lengths, emptied whenever the screen is left.
    void DefinirCamposComprimento(QLineEdit* primeiro, QLineEdit* segundo);
    virtual void EscreverResultados() = 0;
    virtual void EscreverComprimentos() = 0;

    void FormActivate() override;
    void FormDeactivate() override;

private:
    QLineEdit* comprimentos_[2] = {nullptr, nullptr};
    bool retornoDaAncoragem_ = false;
};
