#pragma once

#include "Folha.h"

#include <memory>

namespace Ui {
class TfCaso4;
}

class TfCaso4 : public Folha {
    Q_OBJECT
public:
    explicit TfCaso4(QWidget* parent = nullptr);
    ~TfCaso4() override;

private:
    std::unique_ptr<Ui::TfCaso4> ui;
};
