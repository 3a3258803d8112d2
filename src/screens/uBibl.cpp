#include "uBibl.h"

#include "ui_uBibl.h"

#include <QStringList>

TBibl* Bibl = nullptr;

TBibl::TBibl(QWidget* parent) : Tela(Tipo::Modal, parent), ui(new Ui::TBibl) {
    ui->setupUi(this);
    FixarMoldura();
    PrepararTextoFixo(ui->Memo1);
    // Four papers on Kaniraj's method, two on Low's; each entry opens with the first author.
    ui->Memo1->setPlainText(QStringList{
        QStringLiteral("KANIRAJ - Stability analysis of reinforced"),
        QStringLiteral("  embankments on soft soils."),
        QStringLiteral("  J. Geotech. Engng, ASCE, 118 (12), 1992,"),
        QStringLiteral("  pp.1994-1999."),
        QStringLiteral("KANIRAJ - Effect of berms and tension crack on"),
        QStringLiteral("  the stability of embankments on soft soils."),
        QStringLiteral("  Soils and Foundations, 33 (4), 1993,"),
        QStringLiteral("  pp.99-107."),
        QStringLiteral("KANIRAJ - The effects of berms and tension crack"),
        QStringLiteral("  on the maximum reinforcement force in embankments"),
        QStringLiteral("  on soft soils. Geotextiles & Geomembranes,"),
        QStringLiteral("  13 (2), 1994, pp.101-117."),
        QStringLiteral("KANIRAJ - Maximum required bisectorial"),
        QStringLiteral("  reinforcement force in embankments on soft"),
        QStringLiteral("  ground. Geotextiles & Geomembranes, 13, 1994,"),
        QStringLiteral("  pp.247-261."),
        QStringLiteral("LOW - Stability analysis of embankments on soft"),
        QStringLiteral("  ground. J. Geotechl Engng, ASCE, V.115, N.2,"),
        QStringLiteral("  1989, pp.211-227."),
        QStringLiteral("LOW - Slip circle analysis of reinforced"),
        QStringLiteral("  embankments on soft ground. Geotextiles &"),
        QStringLiteral("  Geomembranes, V.9, 1990, pp.165-181."),
        QString(),
    }
                                .join(QLatin1Char('\n')));
    ui->bFec3->setFocus();
    AoClicar(ui->bFec3, this, &TBibl::bFec3Click);
}

TBibl::~TBibl() = default;

void TBibl::bFec3Click() {
    Fechar();
}
