#pragma once

#include "Tela.h"

#include <memory>

namespace Ui {
class TfEns;
}

// The catalogue of laboratory test results for soil/geotextile interfaces, by soil type. Six of
// its buttons open a picture sheet modally; the cases and tables without a sheet do nothing.
class TfEns : public Tela {
    Q_OBJECT
public:
    explicit TfEns(QWidget* parent = nullptr);
    ~TfEns() override;

private:
    void Button1Click();
    void Button2Click();
    void bCaso4Click();
    void Button5Click();
    void Button12Click();
    void Button16Click();
    void bFecharClick();

    std::unique_ptr<Ui::TfEns> ui;
};
