#include "uApresGeo.h"

#include "Uapres.h"
#include "uGeotextil.h"

#include "ui_uApresGeo.h"

#include <QStringList>

TApresGeo* ApresGeo = nullptr;

namespace {
// The introduction as stored, one line each; the trailing blanks belong to the lines.
const char* const Consideracoes[] = {
    "    Os aterros sobre solos moles são obras de ",
    "terra que consistem de uma quantidade de ",
    "solo, chamado de solo de aterro, colocado ",
    "sobre outro solo, que na maioria dos casos, é ",
    "uma argila. ",
    "    Para estas estruturas, deve-se por ",
    "ocasião do projeto, estudar a estabilidade ",
    "interna e externa do mesmo. Para garantir a ",
    "estabilidade interna, pode-se contar com o ",
    "auxílio de uma inclusão de reforço, que no ",
    "caso deste programa, é um reforço de ",
    "geossintéticos. A rotina então realiza a ",
    "escolha deste e dimensionamento do ",
    "comprimento de ancoragem necessário para ",
    "que este não seja arrancado. Para isto, são ",
    "fornecidos aos usuários parâmetros ",
    "experimentais, para que o mesmo possa ",
    "decidir sobre o uso ou não deste reforço, ",
    "assim como o melhor reforço para sua obra.",
};
} // namespace

TApresGeo::TApresGeo(QWidget* parent) : Tela(Tipo::Normal, parent), ui(new Ui::TApresGeo) {
    ui->setupUi(this);
    FixarMoldura();

    QStringList linhas;
    for (const char* linha : Consideracoes) {
        linhas << QString::fromUtf8(linha);
    }
    // Editable, as it always was; nothing reads it back.
    ui->Memo1->setPlainText(linhas.join(QLatin1Char('\n')));

    AoClicar(ui->bEntGeo, this, &TApresGeo::bEntGeoClick);
    AoClicar(ui->bSair, this, &TApresGeo::bSairClick);
    ui->bEntGeo->setFocus();
}

TApresGeo::~TApresGeo() = default;

void TApresGeo::bEntGeoClick() {
    Geot->Mostrar();
}

void TApresGeo::bSairClick() {
    Apres->Mostrar();
}
