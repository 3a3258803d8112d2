#pragma once

#include "TelaTexto.h"

#include <memory>

namespace Ui {
class THipKan;
}

// What Kaniraj's method assumes: a fixed text, opened modally over the geometry screen.
class THipKan : public TelaTexto {
    Q_OBJECT
public:
    explicit THipKan(QWidget* parent = nullptr);
    ~THipKan() override;

private:
    std::unique_ptr<Ui::THipKan> ui;
};
