#pragma once

// What the results screens share: a run's results written on every activation, except the
// return from the anchorage calculation, which writes only the anchorage lengths; the lengths
// emptied whenever the screen is left; numbers written into read-only fields from their start;
// the mouse-over hints; and the four buttons "&Dados", "&Imprimir", "&Sair" and "&Geotêxteis".

#include "Tela.h"
#include "calc/Ancoragem.h"
#include "data/FormatoGeral.h"

#include <QLineEdit>
#include <QString>

#include <string>

class QLabel;
class QPushButton;

// The text shown from its start; a text longer than the field can show is also its tooltip.
void EscreverCampo(QLineEdit* campo, const std::string& texto);

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
    // The return from the anchorage calculation: this activation writes the lengths and leaves
    // the results as they are. Any other activation (a run) writes the results.
    void MostrarComprimentos();

    // Whose results the screen shows: "&Geotêxteis" marks the reinforcement analysis as opened
    // from them.
    enum class Metodo { Kaniraj, Low, Bishop };

protected:
    TelaResultados(Metodo metodo, QWidget* parent);

    // After setupUi: the frame, the status bar with its mouse-over hints, the fields of the
    // anchorage lengths, two or one (emptied whenever the screen is left) and the buttons; a
    // screen without anchorage lengths or drawing passes none for them.
    void MontarResultados(QStatusBar* barra, QLineEdit* comprimento1, QLineEdit* comprimento2,
                          QPushButton* dados, QPushButton* imprimir, QPushButton* sair,
                          QPushButton* geotexteis, QPushButton* ruptura, QPushButton* relatorio);
    virtual void EscreverResultados() = 0;
    virtual void EscreverComprimentos() = 0;
    // A warning seen without a click: with a text it takes the lines it needs and what lies below
    // it moves down, the window growing with it; without one it takes no room.
    void EscreverAviso(QLabel* aviso, const QString& texto);

    void FormActivate() override;
    void FormDeactivate() override;

private:
    void bDadosClick();
    void bImpClick();
    void bSairClick();
    void bGeot1Click();
    void bRupturaClick();
    void bRelatorioClick();

    Metodo metodo_;
    QLineEdit* comprimentos_[2] = {nullptr, nullptr};
    bool retornoDaAncoragem_ = false;
};
