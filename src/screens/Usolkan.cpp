#include "Usolkan.h"

#include "ui_Usolkan.h"

TSolkan* Solkan = nullptr;

TSolkan::TSolkan(QWidget* parent) : Tela(Tipo::Normal, parent), ui(new Ui::TSolkan) {
    ui->setupUi(this);
    FixarMoldura();
}

TSolkan::~TSolkan() = default;
