#pragma once

#include "Tela.h"

#include <memory>

namespace Ui {
class THipLow;
}

class THipLow : public Tela {
    Q_OBJECT
public:
    explicit THipLow(QWidget* parent = nullptr);
    ~THipLow() override;

private:
    std::unique_ptr<Ui::THipLow> ui;
};

extern THipLow* HipLow;
