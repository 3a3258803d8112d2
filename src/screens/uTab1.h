#pragma once

#include "Folha.h"

#include <memory>

namespace Ui {
class TfTab1;
}

class TfTab1 : public Folha {
    Q_OBJECT
public:
    explicit TfTab1(QWidget* parent = nullptr);
    ~TfTab1() override;

private:
    std::unique_ptr<Ui::TfTab1> ui;
};
