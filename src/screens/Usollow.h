#pragma once

#include "TelaResultados.h"

#include <memory>

namespace Ui {
class TSollow;
}

// Results of Low's method, and on the return from the anchorage calculation the two anchorage
// lengths for the horizontal and the bisector force.
class TSollow : public TelaResultados {
    Q_OBJECT
public:
    explicit TSollow(QWidget* parent = nullptr);
    ~TSollow() override;

protected:
    void EscreverResultados() override;
    void EscreverComprimentos() override;

private:
    std::unique_ptr<Ui::TSollow> ui;
};
