#pragma once

#include "TelaTexto.h"

#include <memory>

namespace Ui {
class TBibl;
}

// The papers of both methods: a fixed text, opened modally over the geometry screen.
class TBibl : public TelaTexto {
    Q_OBJECT
public:
    explicit TBibl(QWidget* parent = nullptr);
    ~TBibl() override;

private:
    std::unique_ptr<Ui::TBibl> ui;
};
