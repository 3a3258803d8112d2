#pragma once

#include "Tela.h"

#include <memory>

namespace Ui {
class TSolkan;
}

class TSolkan : public Tela {
    Q_OBJECT
public:
    explicit TSolkan(QWidget* parent = nullptr);
    ~TSolkan() override;

private:
    std::unique_ptr<Ui::TSolkan> ui;
};

extern TSolkan* Solkan;
