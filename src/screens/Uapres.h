#pragma once

#include "Tela.h"

#include <memory>

namespace Ui {
class TApres;
}

// The opening screen, the program's main screen: it stays behind the other screens for the whole
// run; closing it ends the program, once nothing typed would be lost. A design file dropped on it
// is opened.
class TApres : public Tela {
    Q_OBJECT
public:
    explicit TApres(QWidget* parent = nullptr);
    ~TApres() override;

protected:
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    void bIniClick();
    void bSairClick();

    std::unique_ptr<Ui::TApres> ui;
};
