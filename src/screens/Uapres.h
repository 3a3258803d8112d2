#pragma once

#include "Tela.h"

#include <memory>

namespace Ui {
class TApres;
}

// The opening screen, the program's main screen: it stays behind the other screens for the whole
// run; closing it ends the program.
class TApres : public Tela {
    Q_OBJECT
public:
    explicit TApres(QWidget* parent = nullptr);
    ~TApres() override;

private:
    void bIniClick();
    void bSairClick();

    std::unique_ptr<Ui::TApres> ui;
};
