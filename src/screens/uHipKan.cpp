#include "uHipKan.h"

#include "ui_uHipKan.h"

#include <QStringList>

THipKan* HipKan = nullptr;

THipKan::THipKan(QWidget* parent) : Tela(Tipo::Modal, parent), ui(new Ui::THipKan) {
    ui->setupUi(this);
    FixarMoldura();
    PrepararTextoFixo(ui->Memo1);
    // One line per stored line; the text area wraps the long ones.
    ui->Memo1->setPlainText(QStringList{
        QStringLiteral("- calcula a tensão no reforço atuando na bissetriz"),
        QStringLiteral("  entre o plano horizontal (plano do reforço) e a"),
        QStringLiteral("  tangente à cunha de ruptura;"),
        QStringLiteral("- admite a consideração de bermas de equilíbrio, de"),
        QStringLiteral("  reforço plano acima do nível da fundação (a) e de"),
        QStringLiteral("  trinca de tração em toda a altura do aterro;"),
        QStringLiteral("- o método não adimite cunhas de ruptura"),
        QStringLiteral("  interseptando a berma."),
        QString(),
    }
                                .join(QLatin1Char('\n')));
    ui->Memo1->setFocus();
    AoClicar(ui->bFec1, this, &THipKan::bFec1Click);
}

THipKan::~THipKan() = default;

void THipKan::bFec1Click() {
    Fechar();
}
