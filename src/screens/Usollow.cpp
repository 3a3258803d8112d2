#include "Usollow.h"

#include "ui_Usollow.h"

TSollow* Sollow = nullptr;

TSollow::TSollow(QWidget* parent) : Tela(Tipo::Normal, parent), ui(new Ui::TSollow) {
    ui->setupUi(this);
    FixarMoldura();
}

TSollow::~TSollow() = default;
