#pragma once

#include "TelaTexto.h"

#include <memory>

namespace Ui {
class THipLow;
}

// What Low's method assumes: a fixed text, opened modally over the geometry screen.
class THipLow : public TelaTexto {
    Q_OBJECT
public:
    explicit THipLow(QWidget* parent = nullptr);
    ~THipLow() override;

private:
    std::unique_ptr<Ui::THipLow> ui;
};
