#include "uVerificacoes.h"

#include "Projetos.h"
#include "data/EstadoExecucao.h"
#include "relatorio/ProjetoDigitado.h"
#include "relatorio/TextoVerificacoes.h"

#include "ui_uVerificacoes.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {
constexpr int numeroDeLinhas = 8;
} // namespace

TVerificacoes::TVerificacoes(QWidget* parent)
    : Tela(Tipo::Modal, parent), ui(new Ui::TVerificacoes) {
    ui->setupUi(this);
    FixarMoldura(true);
    PrepararBarraStatus(ui->StatusBar1);

    for (int posicao = 0; posicao < NumeroDeEscolhas; ++posicao) {
        ui->cbForca->addItem(QString::fromUtf8(NomeDaEscolha(EscolhaNaLista(posicao))));
    }
    // The table of the checks: a heading, then each check with its reason beneath.
    const QStringList cabecalho{QStringLiteral("Verificação"), QStringLiteral("Valor"),
                                QStringLiteral("Exigido"), QStringLiteral("Resultado")};
    for (int c = 0; c < cabecalho.size(); ++c) {
        auto* titulo = new QLabel(cabecalho[c], ui->Quadro);
        titulo->setStyleSheet(QStringLiteral("font-weight: bold;"));
        ui->GradeVerificacoes->addWidget(titulo, 0, c);
    }
    for (int i = 0; i < numeroDeLinhas; ++i) {
        Linha linha;
        QLabel** rotulos[] = {&linha.nome, &linha.valor, &linha.exigido, &linha.resultado};
        for (int c = 0; c < 4; ++c) {
            *rotulos[c] = new QLabel(ui->Quadro);
            (*rotulos[c])->setObjectName(QStringLiteral("lVerificacao%1_%2").arg(i).arg(c));
            ui->GradeVerificacoes->addWidget(*rotulos[c], 1 + 2 * i, c);
        }
        linha.motivo = new QLabel(ui->Quadro);
        linha.motivo->setObjectName(QStringLiteral("lMotivo%1").arg(i));
        linha.motivo->setWordWrap(true);
        linha.motivo->setStyleSheet(QStringLiteral("color: #606060; margin-left: 12px;"));
        ui->GradeVerificacoes->addWidget(linha.motivo, 2 + 2 * i, 0, 1, 4);
        linhas_.push_back(linha);
    }
    ui->GradeVerificacoes->setColumnStretch(0, 1);
    ui->Rolagem->setMinimumHeight(120);
    ui->GradeVerificacoes->setRowStretch(1 + 2 * numeroDeLinhas, 1);

    // A new design's values; later, whatever the design file or the user puts here.
    const Projeto inicial = ProjetoInicial();
    for (std::size_t i = 0; i < NumeroDeCampos; ++i) {
        if (auto* campo = findChild<QLineEdit*>(QString::fromLatin1(CamposProjeto[i].controle))) {
            campo->setText(inicial.valores[i]);
            connect(campo, &QLineEdit::textChanged, this, Tratado([this] { Recalcular(); }));
        }
    }
    connect(ui->cbForca, &QComboBox::currentIndexChanged, this, Tratado([this] {
                Execucao().EscolhaForcaGovernante = ui->cbForca->currentIndex();
                Recalcular();
            }));
    AoClicar(ui->bFechar, this, &TVerificacoes::bFecharClick);
    ui->eFSdesl->setFocus();
}

TVerificacoes::~TVerificacoes() = default;

void TVerificacoes::showEvent(QShowEvent* e) {
    Tratado([this] {
        ui->cbForca->setCurrentIndex(Execucao().EscolhaForcaGovernante);
        Recalcular();
    })();
    Tela::showEvent(e);
}

void TVerificacoes::Recalcular() {
    if (!isVisible()) {
        return; // computed when the window opens
    }
    const Projeto projeto = ProjetoDasTelas();
    QString invalido;
    const std::optional<DadosAnalise> dados = DadosDigitados(projeto, invalido);
    ui->lMensagem->setVisible(!dados);
    ui->Rolagem->setVisible(dados.has_value());
    if (!dados) {
        ui->lMensagem->setText(QStringLiteral("\u00ab%1\u00bb não é um número válido. Corrija-o na "
                                              "entrada de dados ou nos métodos.")
                                   .arg(invalido));
        return;
    }
    const EntradaVerificacoes entrada =
        VerificacoesDigitadas(projeto, AvaliarMetodos(*dados, {.bishop = BishopDigitado(projeto)}),
                              EscolhaNaLista(ui->cbForca->currentIndex()));
    const std::vector<LinhaDeTexto> textos = LinhasDasVerificacoes(entrada, Verificar(entrada));
    for (std::size_t i = 0; i < linhas_.size() && i < textos.size(); ++i) {
        const LinhaDeTexto& t = textos[i];
        const Linha& l = linhas_[i];
        l.nome->setText(t.nome);
        l.valor->setText(t.valor);
        l.exigido->setText(t.exigido);
        l.resultado->setText(t.resultado);
        l.resultado->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;")
                                       .arg(QLatin1String(CorDoVeredito(t.veredito))));
        l.motivo->setText(t.motivo);
        l.motivo->setVisible(!t.motivo.isEmpty());
    }
}

void TVerificacoes::bFecharClick() {
    Fechar();
}
