#pragma once

#include "Folha.h"

#include <memory>

namespace Ui {
class TfTab2;
}

class TfTab2 : public Folha {
    Q_OBJECT
public:
    explicit TfTab2(QWidget* parent = nullptr);
    ~TfTab2() override;

private:
    std::unique_ptr<Ui::TfTab2> ui;
};
