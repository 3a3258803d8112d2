#pragma once

#include "Tela.h"

#include <memory>

namespace Ui {
class TfEns;
}

class TfEns : public Tela {
    Q_OBJECT
public:
    explicit TfEns(QWidget* parent = nullptr);
    ~TfEns() override;

private:
    std::unique_ptr<Ui::TfEns> ui;
};

extern TfEns* fEns;
