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
    void FormCreate();
    void bDados2Click();
    void bImp3Click();
    void bExit3Click();
    void bGeot1Click();

    std::unique_ptr<Ui::TSolkan> ui;
};

extern TSolkan* Solkan;

// The reinforcement analysis in progress was opened from this screen: the anchorage screen's
// "&Calcula" returns here, every time it is pressed, until the Low results open another one.
extern bool OrigemKaniraj;
