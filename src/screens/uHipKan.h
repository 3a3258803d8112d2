#pragma once

#include "Tela.h"

#include <memory>

namespace Ui {
class THipKan;
}

// What Kaniraj's method assumes: a fixed text, opened modally over the geometry screen.
class THipKan : public Tela {
    Q_OBJECT
public:
    explicit THipKan(QWidget* parent = nullptr);
    ~THipKan() override;

private:
    void bFec1Click();

    std::unique_ptr<Ui::THipKan> ui;
};

extern THipKan* HipKan;
