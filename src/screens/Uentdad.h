#pragma once

#include "Tela.h"

#include <memory>

namespace Ui {
class TEntdad;
}

class TEntdad : public Tela {
    Q_OBJECT
public:
    explicit TEntdad(QWidget* parent = nullptr);
    ~TEntdad() override;

private:
    std::unique_ptr<Ui::TEntdad> ui;
};

extern TEntdad* Entdad;
