#pragma once

#include "TelaResultados.h"

#include <memory>

namespace Ui {
class TSolbishop;
}

// Results of Bishop's method: the lowest unreinforced factor and the force for the adopted F, each
// with its critical circle, what the search could not resolve, and the force's anchorage length.
class TSolbishop : public TelaResultados {
    Q_OBJECT
public:
    explicit TSolbishop(QWidget* parent = nullptr);
    ~TSolbishop() override;

protected:
    void EscreverResultados() override;
    void EscreverComprimentos() override;

private:
    std::unique_ptr<Ui::TSolbishop> ui;
};
