#include "uEstudo.h"

#include "Dialogos.h"
#include "Impressao.h"
#include "Projetos.h"
#include "data/FormatoGeral.h"
#include "data/Geotexteis.h"
#include "data/Mensagens.h"
#include "data/ParseReal.h"
#include "desenhos/GraficoEstudo.h"
#include "desenhos/GraficosRuptura.h"
#include "desenhos/Numeros.h"
#include "projeto/Arquivos.h"
#include "relatorio/ProjetoDigitado.h"

#include "ui_uEstudo.h"

#include <QAbstractItemView>
#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

QString Texto(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString NaoNumero(const QString& rotulo) {
    return QStringLiteral("\u00ab%1\u00bb n\u00e3o \u00e9 um n\u00famero v\u00e1lido.").arg(rotulo);
}

// A window field: its number, or the message naming it.
bool LerCampo(const QLineEdit* campo, const QString& rotulo, long double& valor, QString& erro) {
    try {
        valor = ParseReal(campo->text().toStdString());
        return true;
    } catch (const EConvertError&) {
        erro = NaoNumero(rotulo);
        return false;
    }
}

QString TextoDoLimite(const Limite& limite, Variavel variavel) {
    const DescricaoVariavel& d = Descricao(variavel);
    // The value exactly as the methods were checked at: typed back, it holds.
    const QString valor = QStringLiteral("%1 = %2 %3")
                              .arg(Texto(d.simbolo),
                                   LocaleDosNumeros().toString(static_cast<double>(limite.exibido),
                                                               'f', CasasDoLimite),
                                   Texto(d.unidade))
                              .trimmed();
    const QString outros =
        limite.cruzamentos > 1
            ? QStringLiteral(" (a curva cruza a resistência %1 vezes no intervalo; este é o "
                             "primeiro cruzamento)")
                  .arg(limite.cruzamentos)
            : QString();
    switch (limite.tipo) {
    case TipoLimite::Maximo:
        return QStringLiteral("atende até %1").arg(valor) + outros;
    case TipoLimite::Minimo:
        return QStringLiteral("atende a partir de %1").arg(valor) + outros;
    case TipoLimite::SempreAtende:
        return QStringLiteral("não cruza: atende em todo o intervalo");
    case TipoLimite::NuncaAtende:
        return QStringLiteral("não cruza: excede a resistência em todo o intervalo");
    case TipoLimite::Interrompida:
        return QStringLiteral("não cruza onde a curva é contínua");
    case TipoLimite::SemValores:
        break;
    }
    return QStringLiteral("sem valores no intervalo");
}

QString TextoDaForca(const std::optional<long double>& P) {
    return P ? QStringLiteral("%1 kN/m").arg(
                   LocaleDosNumeros().toString(static_cast<double>(*P), 'f', 2))
             : QStringLiteral("sem valor");
}

} // namespace

TEstudo::TEstudo(QWidget* parent) : Tela(Tipo::Modal, parent), ui(new Ui::TEstudo) {
    ui->setupUi(this);

    for (int v = 0; v < NumeroDeVariaveis; ++v) {
        const DescricaoVariavel& d = Descricao(static_cast<Variavel>(v));
        ui->cbVariavel->addItem(
            QStringLiteral("%1 \u2013 %2")
                .arg(SimboloComUnidade(static_cast<Variavel>(v)), Texto(d.nome)));
    }
    ui->cbGeotextil->addItem(QStringLiteral("Resistência admissível digitada"));
    for (const Geotextil& g : Geotexteis) {
        ui->cbGeotextil->addItem(QStringLiteral("%1 (%2 kN/m)")
                                     .arg(Texto(g.nome), LocaleDosNumeros().toString(
                                                             static_cast<double>(g.resistencia))));
    }
    // A generic woven product, so the line is there from the first look.
    ui->cbGeotextil->setCurrentIndex(4);

    // The table of the design point and the limits, one row per force.
    const QStringList cabecalhos{QStringLiteral("Solicitação"),
                                 QStringLiteral("Nos valores digitados"),
                                 QStringLiteral("Limite da variável para a resistência")};
    for (int c = 0; c < cabecalhos.size(); ++c) {
        auto* titulo = new QLabel(cabecalhos[c], ui->Quadro);
        titulo->setTextFormat(Qt::PlainText);
        QFont negrito = titulo->font();
        negrito.setBold(true);
        titulo->setFont(negrito);
        ui->GradeLimites->addWidget(titulo, 0, c);
    }
    for (std::size_t f = 0; f < NumeroDeForcas; ++f) {
        const int linha = static_cast<int>(f) + 1;
        const Saida curva = static_cast<Forca>(f);
        auto* nome = lNome_[f] = new QLabel(NomeDe(curva), ui->Quadro);
        nome->setStyleSheet(
            QStringLiteral("color: %1; font-weight: bold;").arg(CanetaDe(curva).color().name()));
        lProjeto_[f] = new QLabel(ui->Quadro);
        lProjeto_[f]->setObjectName(QStringLiteral("lProjeto%1").arg(f));
        lLimite_[f] = new QLabel(ui->Quadro);
        lLimite_[f]->setObjectName(QStringLiteral("lLimite%1").arg(f));
        lLimite_[f]->setWordWrap(true);
        ui->GradeLimites->addWidget(nome, linha, 0);
        ui->GradeLimites->addWidget(lProjeto_[f], linha, 1);
        ui->GradeLimites->addWidget(lLimite_[f], linha, 2);
    }
    ui->GradeLimites->setColumnStretch(2, 1);
    ui->Grafico->setRenderHint(QPainter::Antialiasing);
    ui->Grafico->setFocusPolicy(Qt::NoFocus);
    ui->Grafico->setMinimumSize(420, 170);
    // Long variable names do not widen the window: the list shows them whole when open.
    for (QComboBox* lista : {ui->cbVariavel, ui->cbGeotextil}) {
        lista->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        lista->setMinimumContentsLength(18);
        lista->view()->setMinimumWidth(lista->view()->sizeHintForColumn(0) + 24);
    }
    ui->pbProgresso->setVisible(false);
    ui->bCancelar->setVisible(false);

    FixarMoldura(true);
    PrepararBarraStatus(ui->StatusBar1);

    for (QLineEdit* campo : {ui->eDe, ui->eAte, ui->ePontos, ui->eResistencia, ui->eReducao}) {
        connect(campo, &QLineEdit::textEdited, this, Tratado([this] { Recalcular(); }));
    }
    connect(ui->cbVariavel, &QComboBox::currentIndexChanged, this,
            Tratado([this] { VariavelEscolhida(); }));
    connect(ui->cbGeotextil, &QComboBox::currentIndexChanged, this,
            Tratado([this] { GeotextilEscolhido(); }));
    connect(ui->chBishop, &QCheckBox::toggled, this, Tratado([this] {
                LerDadosDigitados();
                Recalcular();
            }));
    AoClicar(ui->bCancelar, this, &TEstudo::bCancelarClick);
    AoClicar(ui->bCsv, this, &TEstudo::bCsvClick);
    AoClicar(ui->bImagem, this, &TEstudo::bImagemClick);
    AoClicar(ui->bImprimir, this, &TEstudo::bImprimirClick);
    AoClicar(ui->bFechar, this, &TEstudo::bFecharClick);
    ui->cbVariavel->setFocus();

    trabalho_.aoProgredir = [this](int feitos) { ui->pbProgresso->setValue(feitos); };
    trabalho_.aoTerminar = [this](EstudoParametrico estudo) { Entregar(std::move(estudo)); };
    trabalho_.aoFalhar = [this](std::exception_ptr erro) {
        ExibirErro(QStringLiteral("Cálculo interrompido. Altere um valor para calcular de novo."));
        TratarErro(erro);
    };
}

TEstudo::~TEstudo() = default;

void TEstudo::showEvent(QShowEvent* e) {
    Tratado([this] {
        LerDadosDigitados();
        // The reinforcement's design strength, when the checks have one, is the line to meet.
        if (const auto Td = ResistenciaDeProjetoDigitada(ProjetoDasTelas())) {
            ui->cbGeotextil->setCurrentIndex(0);
            ui->eResistencia->setText(QString::fromStdString(FormatoGeral(*Td)));
        }
        AjustarGeotextil();
        IntervaloPadrao();
        Recalcular();
    })();
    Tela::showEvent(e);
}

void TEstudo::hideEvent(QHideEvent* e) {
    // Nothing goes on computing for a window no one sees.
    trabalho_.Cancelar();
    estudo_.reset();
    ui->pbProgresso->setVisible(false);
    ui->bCancelar->setVisible(false);
    Tela::hideEvent(e);
}

// The values as typed on the data-entry and methods screens, as their runs would read them.
void TEstudo::LerDadosDigitados() {
    QString invalido;
    dados_ = DadosDigitados(ProjetoDasTelas(), invalido, ui->chBishop->isChecked());
    erroDados_ = dados_ ? QString()
                        : NaoNumero(invalido) +
                              QStringLiteral(" Corrija-o na entrada de dados ou nos métodos.");
}

void TEstudo::VariavelEscolhida() {
    IntervaloPadrao();
    Recalcular();
}

// A variable starts from a range around its typed value.
void TEstudo::IntervaloPadrao() {
    if (dados_) {
        const auto variavel = static_cast<Variavel>(ui->cbVariavel->currentIndex());
        const long double v = ValorDe(*dados_, variavel, Forca::KanirajComTrinca);
        const long double de = v == 0 ? 0 : std::min(v / 2, 3 * v / 2);
        const long double ate = v == 0 ? 1 : std::max(v / 2, 3 * v / 2);
        ui->eDe->setText(QString::fromStdString(FormatoGeral(de)));
        ui->eAte->setText(QString::fromStdString(FormatoGeral(ate)));
    }
}

void TEstudo::GeotextilEscolhido() {
    AjustarGeotextil();
    Recalcular();
}

// A catalogue product: its strength over the reduction factor, shown and not typed.
void TEstudo::AjustarGeotextil() {
    const bool digitada = ui->cbGeotextil->currentIndex() <= 0;
    ui->eResistencia->setReadOnly(!digitada);
    ui->eReducao->setEnabled(!digitada);
}

QString TEstudo::LerPedido(PedidoEstudo& pedido) {
    if (!dados_) {
        return erroDados_;
    }
    pedido.dados = *dados_;
    pedido.bishop = ui->chBishop->isChecked();
    pedido.variavel = static_cast<Variavel>(ui->cbVariavel->currentIndex());
    QString erro;
    long double pontos = 0;
    if (!LerCampo(ui->eDe, QStringLiteral("De"), pedido.de, erro) ||
        !LerCampo(ui->eAte, QStringLiteral("Até"), pedido.ate, erro) ||
        !LerCampo(ui->ePontos, QStringLiteral("Pontos"), pontos, erro)) {
        return erro;
    }
    // Not a whole count within the limits: a count the check refuses.
    pedido.pontos = pontos == std::floor(pontos) && pontos >= 0 && pontos <= MaximoDePontos
                        ? static_cast<int>(pontos)
                        : -1;
    if (const int i = ui->cbGeotextil->currentIndex(); i > 0) {
        long double reducao = 0;
        if (!LerCampo(ui->eReducao, QStringLiteral("Fator de redução"), reducao, erro)) {
            return erro;
        }
        if (!(reducao > 0)) {
            return QStringLiteral("O fator de redução deve ser maior que zero.");
        }
        pedido.resistencia = Geotexteis[static_cast<std::size_t>(i - 1)].resistencia / reducao;
        ui->eResistencia->setText(QString::fromStdString(FormatoGeral(pedido.resistencia)));
    } else if (!LerCampo(ui->eResistencia, QStringLiteral("Resistência admissível"),
                         pedido.resistencia, erro)) {
        return erro;
    }
    return QString::fromStdString(ProblemaDoPedido(pedido));
}

void TEstudo::Recalcular() {
    // Whatever sweep is still running answers values that are no longer the window's.
    trabalho_.Cancelar();
    estudo_.reset();
    ui->pbProgresso->setVisible(false);
    ui->bCancelar->setVisible(false);

    PedidoEstudo pedido;
    const QString erro = LerPedido(pedido);
    if (!erro.isEmpty()) {
        ExibirErro(erro);
        return;
    }
    // Bishop's search would hold the window for a large part of a second.
    if (pedido.pontos <= PontosNoOrcamento && !pedido.bishop) {
        estudo_ = Varrer(pedido);
        Exibir();
        return;
    }
    ExibirErro(QString());
    ui->pbProgresso->setFormat(QStringLiteral("Calculando: %v de %m pontos"));
    ui->pbProgresso->setRange(0, pedido.pontos);
    ui->pbProgresso->setValue(0);
    ui->pbProgresso->setVisible(true);
    ui->bCancelar->setVisible(true);
    trabalho_.Iniciar([pedido](const Continuacao& continuar) { return Varrer(pedido, continuar); });
}

void TEstudo::Entregar(EstudoParametrico estudo) {
    estudo_ = std::move(estudo);
    ui->pbProgresso->setVisible(false);
    ui->bCancelar->setVisible(false);
    Exibir();
}

const EstudoParametrico* TEstudo::Desenhado() const {
    const std::optional<EstudoParametrico>& estudo = estudo_;
    return estudo && estudo->erro.empty() ? &*estudo : nullptr;
}

void TEstudo::Exibir() {
    const std::optional<EstudoParametrico>& atual = estudo_;
    if (!atual || !atual->erro.empty()) {
        ExibirErro(atual ? QString::fromStdString(atual->erro) : QString());
        return;
    }
    const EstudoParametrico& estudo = *atual;
    ui->lMensagem->clear();
    ui->lMensagem->setVisible(false);
    QChart* antigo = ui->Grafico->chart();
    ui->Grafico->setChart(GraficoEstudo(estudo));
    delete antigo;
    MostrarLinhaBishop(estudo.pedido.bishop);
    const auto naBorda = std::count_if(estudo.pontos.begin(), estudo.pontos.end(),
                                       [](const PontoEstudo& p) { return p.bishopNaBorda; });
    bool lacunas = false;
    for (std::size_t f = 0; f < NumeroDeForcas; ++f) {
        lProjeto_[f]->setText(TextoDaForca(estudo.projeto[f]));
        lLimite_[f]->setText(TextoDoLimite(estudo.limites[f], estudo.pedido.variavel));
        // A force the study does not sweep has no curve, not a curve with gaps.
        if (Varrida(estudo.pedido, static_cast<Forca>(f))) {
            lacunas |= std::any_of(estudo.pontos.begin(), estudo.pontos.end(),
                                   [f](const PontoEstudo& p) { return !p.P[f]; });
        }
    }
    QStringList notas;
    if (lacunas) {
        notas << (estudo.pedido.bishop
                      ? QStringLiteral("Nas lacunas das curvas não há solicitação: a análise "
                                       "recusa os dados, nenhuma cunha ou círculo do método cabe "
                                       "na camada (ou além da berma), alguma cunha de Low não "
                                       "chega ao fator de segurança com reforço ou algum círculo "
                                       "de Bishop abaixo dele não é cortado pelo reforço.")
                      : QStringLiteral("Nas lacunas das curvas não há solicitação: a análise "
                                       "recusa os dados, nenhuma cunha do método cabe na camada "
                                       "(ou além da berma) ou alguma cunha de Low não chega ao "
                                       "fator de segurança com reforço."));
    }
    if (naBorda > 0) {
        notas << QStringLiteral("Em %1 dos %2 pontos o círculo crítico de Bishop ficou na borda "
                                "da malha de centros, ampliada três vezes: ali a força de Bishop "
                                "pode ser maior.")
                     .arg(naBorda)
                     .arg(estudo.pontos.size());
    }
    ui->lNota->setText(notas.join(QLatin1Char(' ')));
    ui->lNota->setVisible(!notas.isEmpty());
    for (QPushButton* botao : {ui->bCsv, ui->bImagem, ui->bImprimir}) {
        botao->setEnabled(true);
    }
}

// Nothing of an earlier study stays on the screen beside the message.
void TEstudo::ExibirErro(const QString& mensagem) {
    ui->lMensagem->setText(mensagem);
    ui->lMensagem->setVisible(!mensagem.isEmpty());
    QChart* antigo = ui->Grafico->chart();
    ui->Grafico->setChart(NovoGrafico(QStringLiteral("Solicitação requerida")));
    delete antigo;
    MostrarLinhaBishop(ui->chBishop->isChecked());
    for (std::size_t f = 0; f < NumeroDeForcas; ++f) {
        lProjeto_[f]->setText(QStringLiteral("\u2013"));
        lLimite_[f]->setText(QStringLiteral("\u2013"));
    }
    ui->lNota->clear();
    ui->lNota->setVisible(false);
    for (QPushButton* botao : {ui->bCsv, ui->bImagem, ui->bImprimir}) {
        botao->setEnabled(false);
    }
}

// Bishop's row of the table only where the study sweeps it.
void TEstudo::MostrarLinhaBishop(bool visivel) {
    const std::size_t f = Indice(Forca::Bishop);
    for (QLabel* rotulo : {lNome_[f], lProjeto_[f], lLimite_[f]}) {
        rotulo->setVisible(visivel);
    }
}

void TEstudo::bCancelarClick() {
    trabalho_.Cancelar();
    estudo_.reset();
    ui->pbProgresso->setVisible(false);
    ui->bCancelar->setVisible(false);
    ExibirErro(QStringLiteral("Cálculo interrompido. Altere um valor para calcular de novo."));
    ui->cbVariavel->setFocus();
}

void TEstudo::bCsvClick() {
    const EstudoParametrico* estudo = Desenhado();
    if (!estudo) {
        return;
    }
    QString caminho =
        EscolherArquivo(this, Dialogo::Salvar, QStringLiteral("Exportar tabela"),
                        QStringLiteral("estudo.csv"), QStringLiteral("Tabela CSV (*.csv)"));
    if (caminho.isEmpty()) {
        return;
    }
    if (QFileInfo(caminho).suffix().isEmpty()) {
        caminho += QStringLiteral(".csv");
    }
    const std::string csv = CsvDoEstudo(*estudo);
    const QString motivo = GravarArquivo(caminho, [&](QIODevice& arquivo) {
        return arquivo.write(csv.data(), static_cast<qint64>(csv.size())) ==
               static_cast<qint64>(csv.size());
    });
    if (!motivo.isEmpty()) {
        ExibirMensagem(QStringLiteral("Não foi possível salvar a tabela em \u00ab%1\u00bb: %2.")
                           .arg(QFileInfo(caminho).fileName(), motivo)
                           .toStdString());
    }
}

void TEstudo::bImagemClick() {
    if (Desenhado()) {
        SalvarImagemComDialogo(ui->Grafico, QStringLiteral("estudo.png"));
    }
}

void TEstudo::bImprimirClick() {
    if (Desenhado()) {
        ImprimirNaImpressoraPadrao(ImagemDaTela(ui->Quadro));
    }
}

void TEstudo::bFecharClick() {
    Fechar();
}
