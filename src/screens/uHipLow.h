#pragma once

#include "Tela.h"

#include <memory>

namespace Ui {
class THipLow;
}

// What Low's method assumes: a fixed text, opened modally over the geometry screen.
class THipLow : public Tela {
    Q_OBJECT
public:
    explicit THipLow(QWidget* parent = nullptr);
    ~THipLow() override;

private:
    void bFec2Click();

    std::unique_ptr<Ui::THipLow> ui;
};

extern THipLow* HipLow;
