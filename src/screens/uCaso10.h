#pragma once

#include "Folha.h"

#include <memory>

namespace Ui {
class TfCaso10;
}

class TfCaso10 : public Folha {
    Q_OBJECT
public:
    explicit TfCaso10(QWidget* parent = nullptr);
    ~TfCaso10() override;

private:
    std::unique_ptr<Ui::TfCaso10> ui;
};
