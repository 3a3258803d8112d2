#pragma once

#include "Tela.h"

#include <memory>

namespace Ui {
class TBibl;
}

// The papers of both methods: a fixed text, opened modally over the geometry screen.
class TBibl : public Tela {
    Q_OBJECT
public:
    explicit TBibl(QWidget* parent = nullptr);
    ~TBibl() override;

private:
    void bFec3Click();

    std::unique_ptr<Ui::TBibl> ui;
};

extern TBibl* Bibl;
