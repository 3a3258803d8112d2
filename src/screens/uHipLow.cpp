#include "uHipLow.h"

#include "ui_uHipLow.h"

#include <QStringList>

THipLow* HipLow = nullptr;

THipLow::THipLow(QWidget* parent) : Tela(Tipo::Modal, parent), ui(new Ui::THipLow) {
    ui->setupUi(this);
    FixarMoldura();
    PrepararTextoFixo(ui->Memo1);
    ui->Memo1->setPlainText(QStringList{
        QStringLiteral("- em função do fator de segurança global sem reforço"),
        QStringLiteral("  de uma cunha circular de ruptura passando à"),
        QStringLiteral("  profundidade D na fundação, permite calcular a"),
        QStringLiteral("  solicitação no reforço necessária para garantir o"),
        QStringLiteral("  fator de segurança desejado;"),
        QStringLiteral("- determina a solicitação atuando na horizontal ou na"),
        QStringLiteral("  direção paralela à bissetriz entre a horizontal e a"),
        QStringLiteral("  tangente à cunha de ruptura;"),
        QStringLiteral("- não permite considerar bermas de equilíbrio, trincas"),
        QStringLiteral("  de tração e reforço acima da interface;"),
        QStringLiteral("- analisa cunhas para 0,5 < D/H < 5;"),
        QStringLiteral("- K1 = K2 = a = 0."),
    }
                                .join(QLatin1Char('\n')));
    ui->bFec2->setFocus();
    AoClicar(ui->bFec2, this, &THipLow::bFec2Click);
}

THipLow::~THipLow() = default;

void THipLow::bFec2Click() {
    Fechar();
}
