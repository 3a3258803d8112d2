#pragma once

#include "TelaResultados.h"

#include <memory>

namespace Ui {
class TSolkan;
}

// Results of Kaniraj's method, with and without tension crack, and on the return from the
// anchorage calculation the two anchorage lengths.
class TSolkan : public TelaResultados {
    Q_OBJECT
public:
    explicit TSolkan(QWidget* parent = nullptr);
    ~TSolkan() override;

protected:
    void EscreverResultados() override;
    void EscreverComprimentos() override;

private:
    std::unique_ptr<Ui::TSolkan> ui;
};
