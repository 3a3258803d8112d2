#include "Folha.h"

#include "Figuras.h"

#include "ui_Folha.h"

#include <QPixmap>

// clang-format off
const Folha::Descricao Folha::caso2{.nome = "TfCaso2", .titulo = "Caso 2",
    .recurso = ":/figuras/caso2.svg", .tamanho = {589, 308}, .imagem = {633, 378}};
const Folha::Descricao Folha::caso3{.nome = "TfCaso3", .titulo = "Caso 3",
    .recurso = ":/figuras/caso3.svg", .tamanho = {603, 315}, .imagem = {616, 431},
    .textoFechar = "Fechar"};
const Folha::Descricao Folha::caso4{.nome = "TfCaso4", .titulo = "Caso 4",
    .recurso = ":/figuras/caso4.svg", .tamanho = {582, 304}, .imagem = {616, 406},
    .cursorFechar = Qt::DragMoveCursor};
const Folha::Descricao Folha::caso10{.nome = "TfCaso10", .titulo = "Caso 10",
    .recurso = ":/figuras/caso10.svg", .tamanho = {595, 311}, .imagem = {598, 331}};
// The tables' sheets have no default button: Enter presses only the focused one.
const Folha::Descricao Folha::tabela1{.nome = "TfTab1", .titulo = "Tabela de areias",
    .recurso = ":/figuras/tabela1.svg", .tamanho = {579, 277}, .imagem = {567, 212},
    .fecharPadrao = false};
const Folha::Descricao Folha::tabela2{.nome = "TfTab2", .titulo = "Parâmetros de geotêxteis",
    .recurso = ":/figuras/tabela2.svg", .tamanho = {594, 266}, .imagem = {582, 201},
    .alturaPainel = 58, .fecharPadrao = false};
// clang-format on

Folha::Folha(const Descricao& descricao, QWidget* parent)
    : Tela(Tipo::Modal, parent), ui(new Ui::Folha) {
    ui->setupUi(this);
    Dispor(descricao);
    FixarMoldura();

    // The picture control keeps the size it was designed with; the picture is drawn at its own
    // size from the control's top-left corner and whatever lies beyond the control is cut off.
    ui->ScrollBox1->setWidgetResizable(false);
    ui->ScrollBox1->setFocusPolicy(Qt::NoFocus);
    ui->Image1->setFixedSize(ui->Image1->size());
    ui->Image1->setScaledContents(false);
    ui->Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui->Image1->setPixmap(QPixmap::fromImage(Figura(QString::fromUtf8(descricao.recurso))));

    ui->bFechar->setFocus();
    AoClicar(ui->bFechar, this, &Folha::bFecharClick);
}

Folha::~Folha() = default;

// Every sheet is laid out alike: the scroll box 5 pixels in from the window's edges, above the
// panel across the bottom, and the close button in the middle of the panel.
void Folha::Dispor(const Descricao& descricao) {
    setObjectName(QString::fromUtf8(descricao.nome));
    setWindowTitle(QString::fromUtf8(descricao.titulo));
    const int largura = descricao.tamanho.width(), altura = descricao.tamanho.height();
    const int painel = descricao.alturaPainel;
    resize(descricao.tamanho);
    ui->ScrollBox1->setGeometry(5, 5, largura - 10, altura - painel - 5);
    ui->Image1->resize(descricao.imagem);
    ui->Panel1->setGeometry(0, altura - painel, largura, painel);
    QPushButton* fechar = ui->bFechar;
    fechar->move((largura - fechar->width()) / 2, (painel - fechar->height()) / 2);
    fechar->setText(QString::fromUtf8(descricao.textoFechar));
    // The form leaves it unset: a dialog keeps a button made the default once as its default.
    if (descricao.fecharPadrao) {
        fechar->setDefault(true);
    }
    if (descricao.cursorFechar) {
        fechar->setCursor(*descricao.cursorFechar);
    }
}

QImage Folha::Figura(const QString& recurso) {
    const QImage figura = DesenharSvg(recurso, TamanhoFigura(), Qt::white);
    // Black on white with grey edges: the palette takes every colour exactly.
    return figura.isNull() ? figura
                           : figura.convertToFormat(QImage::Format_RGB32)
                                 .convertToFormat(QImage::Format_Indexed8);
}

void Folha::bFecharClick() {
    Fechar();
}
