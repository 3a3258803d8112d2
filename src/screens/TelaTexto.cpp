#include "TelaTexto.h"

#include "ui_TelaTexto.h"

// The references' texts keep their own line breaks, two blanks before each continued line.
const TelaTexto::Descricao TelaTexto::hipotesesKaniraj{
    .nome = "THipKan",
    .titulo = "Hipóteses de Kaniraj",
    .texto = "- calcula a tensão no reforço atuando na bissetriz\n"
             "  entre o plano horizontal (plano do reforço) e a\n"
             "  tangente à cunha de ruptura;\n"
             "- admite a consideração de bermas de equilíbrio, de\n"
             "  reforço plano acima do nível da fundação (a) e de\n"
             "  trinca de tração em toda a altura do aterro;\n"
             "- o método não adimite cunhas de ruptura\n"
             "  interseptando a berma.\n",
    .tamanho = {282, 170},
    .alturaPainel = 31,
    .nomeFechar = "bFec1",
    .fechar = {194, 3, 80, 25},
    .focoNoTexto = true};

const TelaTexto::Descricao TelaTexto::hipotesesLow{
    .nome = "THipLow",
    .titulo = "Hipóteses de Low",
    .texto = "- em função do fator de segurança global sem reforço\n"
             "  de uma cunha circular de ruptura passando à\n"
             "  profundidade D na fundação, permite calcular a\n"
             "  solicitação no reforço necessária para garantir o\n"
             "  fator de segurança desejado;\n"
             "- determina a solicitação atuando na horizontal ou na\n"
             "  direção paralela à bissetriz entre a horizontal e a\n"
             "  tangente à cunha de ruptura;\n"
             "- não permite considerar bermas de equilíbrio, trincas\n"
             "  de tração e reforço acima da interface;\n"
             "- analisa cunhas para 0,5 < D/H < 5;\n"
             "- K1 = K2 = a = 0.",
    .tamanho = {283, 169},
    .alturaPainel = 30,
    .nomeFechar = "bFec2",
    .fechar = {195, 2, 80, 25}};

const TelaTexto::Descricao TelaTexto::bibliografia{
    .nome = "TBibl",
    .titulo = "Bibliografia",
    .texto = "KANIRAJ - Stability analysis of reinforced\n"
             "  embankments on soft soils.\n"
             "  J. Geotech. Engng, ASCE, 118 (12), 1992,\n"
             "  pp.1994-1999.\n"
             "KANIRAJ - Effect of berms and tension crack on\n"
             "  the stability of embankments on soft soils.\n"
             "  Soils and Foundations, 33 (4), 1993,\n"
             "  pp.99-107.\n"
             "KANIRAJ - The effects of berms and tension crack\n"
             "  on the maximum reinforcement force in embankments\n"
             "  on soft soils. Geotextiles & Geomembranes,\n"
             "  13 (2), 1994, pp.101-117.\n"
             "KANIRAJ - Maximum required bisectorial\n"
             "  reinforcement force in embankments on soft\n"
             "  ground. Geotextiles & Geomembranes, 13, 1994,\n"
             "  pp.247-261.\n"
             "LOW - Stability analysis of embankments on soft\n"
             "  ground. J. Geotechl Engng, ASCE, V.115, N.2,\n"
             "  1989, pp.211-227.\n"
             "LOW - Slip circle analysis of reinforced\n"
             "  embankments on soft ground. Geotextiles &\n"
             "  Geomembranes, V.9, 1990, pp.165-181.\n",
    .tamanho = {282, 169},
    .alturaPainel = 30,
    .nomeFechar = "bFec3",
    .fechar = {194, 2, 80, 25}};

// Wrapped by the control as well as broken by hand; the blanks at the ends of lines are the
// text's own.
const TelaTexto::Descricao TelaTexto::ajudaFatorSeguranca{
    .nome = "TfAjuda1",
    .titulo = "Sobre o fator de segurança",
    .texto = "    Para a escolha do produto, deve-se definir a resistência \n"
             "a tração mínima que o mesmo deve apresentar para \n"
             "responder a solicitação em tração calculada. Esta \n"
             "resistência seria, então, a solicitação, majorada de um \n"
             "fator de segurança.\n"
             "     Este fator de segurança é função dos diversos fatores \n"
             "intervenientes, que podem ser separados em três grupos:\n"
             "- danos de instalação, que considera as reduções na \n"
             "  resistência à tração devido a metodologia construtiva \n"
             "  adotada;\n"
             "- solicitações durante a vida útil da obra, considerando as \n"
             "  propriedades de fluência e deformabilidade da estrutura, \n"
             "  função do tipo de geossintético e dos polímeros \n"
             "  componentes, e o modo  de solicitação;\n"
             "- efeitos devidos às condições ambientais, tais como \n"
             "  clima, poluição, tipo de exposição.\n"
             "      Deve-se levar em conta as condições de \n"
             "armazenagem e da obra, além do próprio projeto, já que \n"
             "os polímeros têm sua resistência afetada por raios ultra \n"
             "violeta. Este problema é diminuído pela adição de \n"
             "estabilizantes, mas não é sanado.\n",
    .tamanho = {305, 245},
    .alturaPainel = 41,
    .nomeFechar = "bFechar",
    .fechar = {115, 8, 75, 25},
    .editavel = true};

TelaTexto::TelaTexto(const Descricao& descricao, QWidget* parent)
    : Tela(Tipo::Modal, parent), ui(new Ui::TelaTexto) {
    ui->setupUi(this);
    setObjectName(QString::fromUtf8(descricao.nome));
    setWindowTitle(QString::fromUtf8(descricao.titulo));
    // The text fills the window above the panel across the bottom.
    const QSize tamanho = descricao.tamanho;
    const int texto = tamanho.height() - descricao.alturaPainel;
    resize(tamanho);
    ui->Memo1->setGeometry(0, 0, tamanho.width(), texto);
    ui->Memo1->setPlainText(QString::fromUtf8(descricao.texto));
    ui->Panel1->setGeometry(0, texto, tamanho.width(), descricao.alturaPainel);
    ui->bFechar->setObjectName(QString::fromUtf8(descricao.nomeFechar));
    ui->bFechar->setGeometry(descricao.fechar);

    FixarMoldura();
    if (!descricao.editavel) {
        PrepararTextoFixo(ui->Memo1);
    }
    if (descricao.focoNoTexto) {
        ui->Memo1->setFocus();
    } else {
        ui->bFechar->setFocus();
    }
    AoClicar(ui->bFechar, this, &TelaTexto::bFecharClick);
}

TelaTexto::~TelaTexto() = default;

void TelaTexto::bFecharClick() {
    Fechar();
}
