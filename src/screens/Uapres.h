#pragma once

#include "Tela.h"

#include <memory>

namespace Ui {
class TApres;
}

// The opening screen, the program's main screen: it stays behind the other screens for the whole
// run; closing it ends the program, once nothing typed would be lost. It opens a design chosen in
// a dialog, one of the recent list, or one dropped on it.
class TApres : public Tela {
    Q_OBJECT
public:
    explicit TApres(QWidget* parent = nullptr);
    ~TApres() override;

protected:
    void FormActivate() override;
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    void bIniClick();
    void bAbrirClick();
    void bSairClick();
    void lRecentesActivated();
    void MostrarRecentes();

    std::unique_ptr<Ui::TApres> ui;
};
