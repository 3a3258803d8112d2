#pragma once

#include "Tela.h"

#include <memory>

namespace Ui {
class TfCaso2;
}

class TfCaso2 : public Tela {
    Q_OBJECT
public:
    explicit TfCaso2(QWidget* parent = nullptr);
    ~TfCaso2() override;

private:
    std::unique_ptr<Ui::TfCaso2> ui;
};

extern TfCaso2* fCaso2;
