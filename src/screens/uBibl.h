#pragma once

#include "Tela.h"

#include <memory>

namespace Ui {
class TBibl;
}

class TBibl : public Tela {
    Q_OBJECT
public:
    explicit TBibl(QWidget* parent = nullptr);
    ~TBibl() override;

private:
    std::unique_ptr<Ui::TBibl> ui;
};

extern TBibl* Bibl;
