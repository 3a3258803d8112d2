#pragma once

#include "Folha.h"

#include <memory>

namespace Ui {
class TfCaso2;
}

class TfCaso2 : public Folha {
    Q_OBJECT
public:
    explicit TfCaso2(QWidget* parent = nullptr);
    ~TfCaso2() override;

private:
    std::unique_ptr<Ui::TfCaso2> ui;
};
