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
    void FormCreate();
    void bDados3Click();
    void bImp4Click();
    void bExit4Click();
    void bGeot1Click();

    std::unique_ptr<Ui::TSollow> ui;
};

extern TSollow* Sollow;

// The reinforcement analysis in progress was opened from this screen (and so not from the Kaniraj
// results: OrigemKaniraj is then clear and the anchorage screen returns here).
extern bool OrigemLow;
