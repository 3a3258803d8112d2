#pragma once

#include "Tela.h"

#include <memory>

namespace Ui {
class TMetcal;
}

class TMetcal : public Tela {
    Q_OBJECT
public:
    explicit TMetcal(QWidget* parent = nullptr);
    ~TMetcal() override;

protected:
    void FormDeactivate() override;
    bool eventFilter(QObject* objeto, QEvent* e) override;

private:
    void bCalkanClick();
    void bEsq1Click();
    void bCallowClick();
    void bCalbishopClick();
    void bEsq2Click();
    void bEstudoClick();
    void bVerificacoesClick();
    void bConfiabilidadeClick();
    void bDados1Click();
    void bImp2Click();
    void bExit2Click();

    std::unique_ptr<Ui::TMetcal> ui;
    // The click that took the focus from "&Sair" has already left this screen; the control clicked
    // does not act on it.
    bool ignorarClique_ = false;
};
