#pragma once

#include "Tela.h"

#include <memory>

namespace Ui {
class TfAjuda1;
}

class TfAjuda1 : public Tela {
    Q_OBJECT
public:
    explicit TfAjuda1(QWidget* parent = nullptr);
    ~TfAjuda1() override;

private:
    std::unique_ptr<Ui::TfAjuda1> ui;
};

extern TfAjuda1* fAjuda1;
