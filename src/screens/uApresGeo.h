#pragma once

#include "Tela.h"

#include <memory>

namespace Ui {
class TApresGeo;
}

class TApresGeo : public Tela {
    Q_OBJECT
public:
    explicit TApresGeo(QWidget* parent = nullptr);
    ~TApresGeo() override;

private:
    std::unique_ptr<Ui::TApresGeo> ui;
};

extern TApresGeo* ApresGeo;
