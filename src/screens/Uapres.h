#pragma once

#include "Tela.h"

#include <memory>

namespace Ui {
class TApres;
}

class TApres : public Tela {
    Q_OBJECT
public:
    explicit TApres(QWidget* parent = nullptr);
    ~TApres() override;

private:
    std::unique_ptr<Ui::TApres> ui;
};

extern TApres* Apres;
