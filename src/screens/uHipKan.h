#pragma once

#include "Tela.h"

#include <memory>

namespace Ui {
class THipKan;
}

class THipKan : public Tela {
    Q_OBJECT
public:
    explicit THipKan(QWidget* parent = nullptr);
    ~THipKan() override;

private:
    std::unique_ptr<Ui::THipKan> ui;
};

extern THipKan* HipKan;
