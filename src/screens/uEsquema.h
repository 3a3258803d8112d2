#pragma once

#include "Tela.h"

#include <memory>

namespace Ui {
class TEsquema;
}

class TEsquema : public Tela {
    Q_OBJECT
public:
    explicit TEsquema(QWidget* parent = nullptr);
    ~TEsquema() override;

private:
    std::unique_ptr<Ui::TEsquema> ui;
};

extern TEsquema* Esquema;
