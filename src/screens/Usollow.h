#pragma once

#include "Tela.h"

#include <memory>

namespace Ui {
class TSollow;
}

class TSollow : public Tela {
    Q_OBJECT
public:
    explicit TSollow(QWidget* parent = nullptr);
    ~TSollow() override;

private:
    std::unique_ptr<Ui::TSollow> ui;
};

extern TSollow* Sollow;
