#pragma once

#include "Tela.h"

#include <memory>

namespace Ui {
class TMetcal;
}

class TMetcal : public Tela {
    Q_OBJECT
public:
    explicit TMetcal(QWidget* parent = nullptr);
    ~TMetcal() override;

private:
    std::unique_ptr<Ui::TMetcal> ui;
};

extern TMetcal* Metcal;
