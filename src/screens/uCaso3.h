#pragma once

#include "Folha.h"

#include <memory>

namespace Ui {
class TfCaso3;
}

class TfCaso3 : public Folha {
    Q_OBJECT
public:
    explicit TfCaso3(QWidget* parent = nullptr);
    ~TfCaso3() override;

private:
    std::unique_ptr<Ui::TfCaso3> ui;
};
