#pragma once

#include "Tela.h"

#include <memory>

namespace Ui {
class TSolkan;
}

// Results of Kaniraj's method, with and without tension crack, and on the return from the
// anchorage calculation the two anchorage lengths.
class TSolkan : public Tela {
    Q_OBJECT
public:
    explicit TSolkan(QWidget* parent = nullptr);
    ~TSolkan() override;

    // The return from the anchorage calculation: this activation writes the two lengths and leaves
    // the results as they are. Any other activation (a run) writes the results.
    void MostrarComprimentos();

protected:
    void FormActivate() override;
    void FormDeactivate() override;

private:
    void FormCreate();
    void bDados2Click();
    void bImp3Click();
    void bExit3Click();
    void bGeot1Click();

    std::unique_ptr<Ui::TSolkan> ui;
    bool retornoDaAncoragem_ = false;
};

extern TSolkan* Solkan;

// The reinforcement analysis in progress was opened from this screen: the anchorage screen's
// "&Calcula" returns here, every time it is pressed, until the Low results open another one.
extern bool OrigemKaniraj;
