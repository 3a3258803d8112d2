#pragma once

#include "Tela.h"

#include <memory>

namespace Ui {
class TGeot;
}

class TGeot : public Tela {
    Q_OBJECT
public:
    explicit TGeot(QWidget* parent = nullptr);
    ~TGeot() override;

private:
    std::unique_ptr<Ui::TGeot> ui;
};

extern TGeot* Geot;
