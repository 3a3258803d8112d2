#pragma once

#include "TelaTexto.h"

#include <memory>

namespace Ui {
class TfAjuda1;
}

// Help on the safety factor applied to the reinforcement product; runs modally over the anchorage
// screen.
class TfAjuda1 : public TelaTexto {
    Q_OBJECT
public:
    explicit TfAjuda1(QWidget* parent = nullptr);
    ~TfAjuda1() override;

private:
    std::unique_ptr<Ui::TfAjuda1> ui;
};
