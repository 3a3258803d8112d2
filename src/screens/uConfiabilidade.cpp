#include "uConfiabilidade.h"

#include "Dialogos.h"
#include "Projetos.h"
#include "data/FormatoGeral.h"
#include "data/Mensagens.h"
#include "data/ParseReal.h"
#include "desenhos/Histogramas.h"
#include "desenhos/Numeros.h"
#include "projeto/Arquivos.h"
#include "relatorio/ProjetoDigitado.h"
#include "relatorio/TextoConfiabilidade.h"

#include "ui_uConfiabilidade.h"

#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpression>
#include <QTabBar>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace {

void Preencher(QTableWidget* tabela, int linha, int coluna, const QString& texto,
               const QString& dica = {}) {
    auto* item = new QTableWidgetItem(texto);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setToolTip(dica);
    tabela->setItem(linha, coluna, item);
}

} // namespace

TConfiabilidade::TConfiabilidade(QWidget* parent)
    : Tela(Tipo::Modal, parent), ui(new Ui::TConfiabilidade) {
    ui->setupUi(this);
    FixarMoldura(true);
    PrepararBarraStatus(ui->StatusBar1);
    ListarSaidas(SaidasCalculadas({}));
    for (QTableWidget* tabela : {ui->tResultados, ui->tParcelas}) {
        Colunas(tabela, SaidasCalculadas({}));
        QHeaderView* cabecalho = tabela->horizontalHeader();
        cabecalho->setSectionResizeMode(QHeaderView::Stretch);
        // A narrow window scrolls the table rather than cut a heading; the rows grow with
        // whatever the columns' width makes a value wrap to.
        int largura = 0;
        for (int s = 0; s < NumeroDeSaidas; ++s) {
            for (const QString& linha : ColunaDaSaida(static_cast<Saida>(s)).split(u'\n')) {
                largura = std::max(largura, cabecalho->fontMetrics().horizontalAdvance(linha));
            }
        }
        cabecalho->setMinimumSectionSize(largura + 16);
        connect(cabecalho, &QHeaderView::sectionResized, tabela,
                [tabela] { tabela->resizeRowsToContents(); });
        tabela->setWordWrap(true);
        tabela->setTabKeyNavigation(false);
    }
    // The tabs change by mouse or Ctrl+Tab; Tab goes through the tables and the buttons.
    ui->Abas->setFocusPolicy(Qt::NoFocus);
    ui->Abas->tabBar()->setFocusPolicy(Qt::NoFocus);
    ui->Grafico->setRenderHint(QPainter::Antialiasing);
    ui->Grafico->setFocusPolicy(Qt::NoFocus);
    ui->Grafico->setMinimumSize(300, 180);

    // A new design's values; later, whatever the design file or the user puts here.
    const Projeto inicial = ProjetoInicial();
    for (std::size_t i = 0; i < NumeroDeCampos; ++i) {
        if (auto* campo = findChild<QLineEdit*>(QString::fromLatin1(CamposProjeto[i].controle))) {
            campo->setText(inicial.valores[i]);
            connect(campo, &QLineEdit::textChanged, this, Tratado([this] { Recalcular(); }));
        }
    }
    for (QComboBox* lista :
         findChildren<QComboBox*>(QRegularExpression(QStringLiteral("^cbDist")))) {
        connect(lista, &QComboBox::currentIndexChanged, this, Tratado([this] { Recalcular(); }));
    }
    for (QCheckBox* marca : {ui->chCorrelacionadas, ui->chBishopConfiabilidade}) {
        connect(marca, &QCheckBox::toggled, this, Tratado([this] { Recalcular(); }));
    }
    connect(ui->cbHistograma, &QComboBox::currentIndexChanged, this,
            Tratado([this] { ExibirHistograma(); }));
    AoClicar(ui->bCancelar, this, &TConfiabilidade::bCancelarClick);
    AoClicar(ui->bCsv, this, &TConfiabilidade::bCsvClick);
    AoClicar(ui->bFechar, this, &TConfiabilidade::bFecharClick);
    ui->eCVgama->setFocus();

    trabalho_.aoProgredir = [this](int feitos) { ui->pbProgresso->setValue(feitos); };
    trabalho_.aoTerminar = [this](std::shared_ptr<const ResultadoConfiabilidade> resultado) {
        Entregar(std::move(resultado));
    };
    trabalho_.aoFalhar = [this](std::exception_ptr erro) {
        ExibirErro(QStringLiteral("Cálculo interrompido. Altere um valor para calcular de novo."));
        TratarErro(erro);
    };
}

TConfiabilidade::~TConfiabilidade() = default;

void TConfiabilidade::showEvent(QShowEvent* e) {
    Tratado([this] {
        // The design strength of the checks, when the user has not typed one here.
        if (ui->eTdConfiabilidade->text().isEmpty()) {
            if (const auto Td = ResistenciaDeProjetoDigitada(ProjetoDasTelas())) {
                ui->eTdConfiabilidade->setText(QString::fromStdString(FormatoGeral(*Td)));
                ui->eTdConfiabilidade->setCursorPosition(0);
            }
        }
    })();
    Tela::showEvent(e);
    Tratado([this] { Recalcular(); })();
}

void TConfiabilidade::hideEvent(QHideEvent* e) {
    // Nothing goes on computing for a window no one sees.
    trabalho_.Cancelar();
    mostrado_.reset();
    Tela::hideEvent(e);
}

// The request from the values typed here and on the other screens; the message when it cannot
// run. The means beside the coefficients are the values typed.
QString TConfiabilidade::LerPedido(PedidoConfiabilidade& pedido) {
    QString problema;
    const std::optional<PedidoConfiabilidade> lido =
        ConfiabilidadeDigitada(ProjetoDasTelas(), problema);
    QString invalido;
    const std::optional<DadosAnalise> dados = DadosDigitados(ProjetoDasTelas(), invalido);
    for (int k = 0; k < NumeroDeAleatorias; ++k) {
        const Variavel v = VariaveisAleatorias[static_cast<std::size_t>(k)];
        findChild<QLabel*>(QStringLiteral("lMedia") + QString::fromLatin1(ChavesDasAleatorias[k]))
            ->setText(dados ? QString::fromStdString(FormatoGeral(ValorDe(*dados, v, Forca{})))
                            : QStringLiteral("—"));
    }
    if (lido) {
        pedido = *lido;
    }
    return problema;
}

void TConfiabilidade::Recalcular() {
    if (!isVisible()) {
        return;
    }
    // Whatever run is still going answers values that are no longer the window's.
    trabalho_.Cancelar();
    mostrado_.reset();
    PedidoConfiabilidade pedido;
    const QString erro = LerPedido(pedido);
    if (!erro.isEmpty()) {
        ExibirErro(erro);
        return;
    }
    if (!HaIncerteza(pedido)) {
        // Every sample would be the typed embankment: nothing to count.
        ExibirErro(QStringLiteral("Com todos os coeficientes de variação em zero os valores são "
                                  "fixos. Informe o coeficiente de ao menos uma variável."));
        return;
    }
    if (auto guardado = ConfiabilidadeGuardada(pedido)) {
        Entregar(std::move(guardado));
        return;
    }
    ExibirErro(QString());
    ui->pbProgresso->setFormat(QStringLiteral("Amostras: %v de %m"));
    ui->pbProgresso->setRange(0, pedido.amostras);
    ui->pbProgresso->setValue(0);
    ui->pbProgresso->setVisible(true);
    ui->bCancelar->setVisible(true);
    trabalho_.Iniciar([pedido](const Continuacao& continuar)
                          -> std::optional<std::shared_ptr<const ResultadoConfiabilidade>> {
        auto resultado = Amostrar(pedido, continuar);
        if (!resultado) {
            return std::nullopt;
        }
        auto feito = std::make_shared<const ResultadoConfiabilidade>(std::move(*resultado));
        GuardarConfiabilidade(feito);
        return feito;
    });
}

const ResultadoConfiabilidade* TConfiabilidade::Mostrado() const {
    return mostrado_.get();
}

void TConfiabilidade::Entregar(std::shared_ptr<const ResultadoConfiabilidade> resultado) {
    mostrado_ = std::move(resultado);
    ui->pbProgresso->setVisible(false);
    ui->bCancelar->setVisible(false);
    Exibir();
}

void TConfiabilidade::Exibir() {
    const ResultadoConfiabilidade& r = *Mostrado();
    QStringList avisos;
    if (AvisarSemResposta(r)) {
        avisos << QStringLiteral("Atenção: %1 das %2 amostras (%3) não têm resposta: %4 As "
                                 "estatísticas não as consideram.")
                      .arg(r.semResposta)
                      .arg(r.amostras.size())
                      .arg(QuatroAlgarismos(static_cast<long double>(r.semResposta) * 100 /
                                            static_cast<long double>(r.amostras.size())) +
                               QStringLiteral(" %"),
                           QString::fromUtf8(r.motivoSemResposta));
    }
    if (r.bishopNaBorda > 0) {
        avisos << AvisoBishopNaBorda(r);
    }
    ui->lMensagem->setVisible(!avisos.isEmpty());
    ui->lMensagem->setText(avisos.join(QLatin1Char(' ')));
    for (const auto& [tabela, texto] : {std::pair{ui->tResultados, TabelaDosResultados(r)},
                                        std::pair{ui->tParcelas, TabelaDasParcelas(r)}}) {
        Colunas(tabela, texto.colunas);
        tabela->setRowCount(static_cast<int>(texto.linhas.size()));
        tabela->setVerticalHeaderLabels(texto.linhas);
        for (std::size_t l = 0; l < texto.valores.size(); ++l) {
            for (int s = 0; s < static_cast<int>(texto.colunas.size()); ++s) {
                const QString celula = texto.valores[l][s];
                Preencher(tabela, static_cast<int>(l), s, celula,
                          celula == QLatin1String("sem valor") ? texto.dicaSemValor : QString());
            }
        }
    }
    ui->tResultados->resizeRowsToContents();
    ListarSaidas(SaidasCalculadas(r.pedido));
    ExibirHistograma();
    ui->bCsv->setEnabled(true);
}

void TConfiabilidade::ExibirHistograma() {
    if (!Mostrado()) {
        return;
    }
    const auto saida = static_cast<Saida>(ui->cbHistograma->currentData().toInt());
    const EstatisticasSaida& e = Mostrado()->estatisticas[static_cast<std::size_t>(saida)];
    const bool fs0 = saida == Saida::FS0;
    std::optional<double> linha = fs0 ? std::optional<double>(1.0) : std::nullopt;
    if (!fs0 && Mostrado()->pedido.Td) {
        linha = static_cast<double>(*Mostrado()->pedido.Td);
    }
    QString titulo = ui->cbHistograma->currentText();
    if (e.semSolucao > 0) {
        titulo += QStringLiteral(" — %1 amostras sem solução, além do gráfico").arg(e.semSolucao);
    }
    QChart* antigo = ui->Grafico->chart();
    ui->Grafico->setChart(GraficoHistograma(
        HistogramaDe(ValoresDe(*Mostrado(), saida), 30), titulo, ui->cbHistograma->currentText(),
        linha, fs0 ? QStringLiteral("FS0 = 1") : QStringLiteral("Td")));
    delete antigo;
}

// The results the histogram can show, keeping the one shown when it is still among them.
void TConfiabilidade::ListarSaidas(const std::vector<Saida>& saidas) {
    const QVariant atual = ui->cbHistograma->currentData();
    const QSignalBlocker bloqueio(ui->cbHistograma);
    ui->cbHistograma->clear();
    for (const Saida saida : saidas) {
        ui->cbHistograma->addItem(NomeDaSaida(saida), static_cast<int>(Indice(saida)));
    }
    ui->cbHistograma->setCurrentIndex(std::max(0, ui->cbHistograma->findData(atual)));
}

// One column per result shown.
void TConfiabilidade::Colunas(QTableWidget* tabela, const std::vector<Saida>& saidas) {
    tabela->setColumnCount(static_cast<int>(saidas.size()));
    for (std::size_t s = 0; s < saidas.size(); ++s) {
        tabela->setHorizontalHeaderItem(static_cast<int>(s),
                                        new QTableWidgetItem(ColunaDaSaida(saidas[s])));
    }
}

// Nothing of an earlier run stays on the screen beside the message.
void TConfiabilidade::ExibirErro(const QString& mensagem) {
    ui->pbProgresso->setVisible(false);
    ui->bCancelar->setVisible(false);
    ui->lMensagem->setText(mensagem);
    ui->lMensagem->setVisible(!mensagem.isEmpty());
    ui->tResultados->clearContents();
    ui->tParcelas->setRowCount(0);
    QChart* antigo = ui->Grafico->chart();
    ui->Grafico->setChart(GraficoHistograma({}, ui->cbHistograma->currentText(), {}, {}, {}));
    delete antigo;
    ui->bCsv->setEnabled(false);
}

void TConfiabilidade::bCancelarClick() {
    trabalho_.Cancelar();
    mostrado_.reset();
    ExibirErro(QStringLiteral("Cálculo interrompido. Altere um valor para calcular de novo."));
}

void TConfiabilidade::bCsvClick() {
    if (!Mostrado()) {
        return;
    }
    QString caminho =
        EscolherArquivo(this, Dialogo::Salvar, QStringLiteral("Exportar amostras"),
                        QStringLiteral("amostras.csv"), QStringLiteral("Tabela CSV (*.csv)"));
    if (caminho.isEmpty()) {
        return;
    }
    if (QFileInfo(caminho).suffix().isEmpty()) {
        caminho += QStringLiteral(".csv");
    }
    std::ostringstream csv;
    EscreverCsv(csv, *Mostrado());
    const std::string texto = csv.str();
    const QString motivo = GravarArquivo(caminho, [&](QIODevice& arquivo) {
        return arquivo.write(texto.data(), static_cast<qint64>(texto.size())) ==
               static_cast<qint64>(texto.size());
    });
    if (!motivo.isEmpty()) {
        ExibirMensagem(QStringLiteral("Não foi possível salvar as amostras em \u00ab%1\u00bb: %2.")
                           .arg(QFileInfo(caminho).fileName(), motivo)
                           .toStdString());
    }
}

void TConfiabilidade::bFecharClick() {
    Fechar();
}
