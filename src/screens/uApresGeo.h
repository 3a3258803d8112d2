#pragma once

#include "Tela.h"

#include <memory>

namespace Ui {
class TApresGeo;
}

// Introduction to the reinforcement analysis: a short text, then on to the anchorage screen.
class TApresGeo : public Tela {
    Q_OBJECT
public:
    explicit TApresGeo(QWidget* parent = nullptr);
    ~TApresGeo() override;

private:
    void bEntGeoClick();
    void bSairClick();

    std::unique_ptr<Ui::TApresGeo> ui;
};
