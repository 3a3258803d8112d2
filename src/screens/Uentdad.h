#pragma once

#include "Tela.h"

#include <QLineEdit>

#include <memory>

namespace Ui {
class TEntdad;
}

// An edit field of the data-entry screen: entering it by Tab does not select its text, and a
// selection stays (and stays drawn) when the focus moves to another control.
class CampoEntrada : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
};

class TEntdad : public Tela {
    Q_OBJECT
public:
    explicit TEntdad(QWidget* parent = nullptr);
    ~TEntdad() override;

protected:
    void FormActivate() override;

private:
    void bContinClick();
    void bImp1Click();
    void bExitClick();
    void bAbrirClick();
    void bSalvarClick();
    void bSalvarComoClick();
    // The caption names the design's file once one has been opened or saved, with an asterisk
    // while the values typed differ from it.
    void AtualizarTitulo();

    QString titulo_;

    std::unique_ptr<Ui::TEntdad> ui;
};
