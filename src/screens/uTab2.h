#pragma once

#include "Tela.h"

#include <memory>

namespace Ui {
class TfTab2;
}

class TfTab2 : public Tela {
    Q_OBJECT
public:
    explicit TfTab2(QWidget* parent = nullptr);
    ~TfTab2() override;

private:
    std::unique_ptr<Ui::TfTab2> ui;
};

extern TfTab2* fTab2;
