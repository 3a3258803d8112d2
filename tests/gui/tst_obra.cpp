// What an engineer does with a design beyond one run: impossible data refused without a results
// screen, every text readable whole, the design kept in a file and reopened exactly, the failure
// drawn, the calculation report from the windows and from the command line, a PDF where there is
// no printer.

#include "support/Apoio.h"

#include "../comum/Analises.h"
#include "../comum/Exemplo.h"

#include "app/Aplicacao.h"
#include "calc/Ancoragem.h"
#include "calc/Bishop.h"
#include "calc/Confiabilidade.h"
#include "calc/Verificacao.h"
#include "data/EstadoExecucao.h"
#include "data/ParseReal.h"
#include "desenhos/Numeros.h"
#include "desenhos/SecaoTransversal.h"
#include "relatorio/ProjetoDigitado.h"
#include "relatorio/TextoConfiabilidade.h"
#include "screens/Dialogos.h"
#include "screens/Projetos.h"
#include "screens/RelatorioDasTelas.h"

#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QPrinterInfo>
#include <QProcess>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSvgRenderer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QValueAxis>
#include <QXYSeries>

#include <tuple>

using enum IdTela;

namespace {

QString Rotulo(const QWidget* tela, const char* nome) {
    return Achar<QLabel>(tela, QString::fromLatin1(nome))->text();
}

int Curvas(const QWidget* estudo) {
    return static_cast<int>(
        Achar<QChartView>(estudo, QStringLiteral("Grafico"))->chart()->series().size());
}

// The text of a PDF, as pdftotext reads it.
QString TextoDoPdf(const QString& arquivo) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), arquivo, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int PaginasDoPdf(const QString& arquivo) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {arquivo});
    p.waitForFinished(30000);
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                       .match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

// Every point of every series of the chart, the reference lines included, lies inside the
// axes the series is drawn against; those outside, as "series: (x, y)".
QStringList ForaDosEixos(const QChart* grafico) {
    QStringList fora;
    for (QAbstractSeries* serie : grafico->series()) {
        const auto* xy = qobject_cast<QXYSeries*>(serie);
        const auto* x = qobject_cast<QValueAxis*>(grafico->axes(Qt::Horizontal, serie).value(0));
        const auto* y = qobject_cast<QValueAxis*>(grafico->axes(Qt::Vertical, serie).value(0));
        if (!xy || !x || !y) {
            fora << serie->name() + QStringLiteral(": sem os dois eixos");
            continue;
        }
        for (const QPointF& p : xy->points()) {
            if (p.x() < x->min() || p.x() > x->max() || p.y() < y->min() || p.y() > y->max()) {
                fora << QStringLiteral("%1: (%2, %3)").arg(serie->name()).arg(p.x()).arg(p.y());
            }
        }
    }
    return fora;
}

// Pixels of the intact fill's red (Kaniraj without crack) in a picture.
int PixelsVermelhos(const QImage& imagem) {
    return Pixels(imagem,
                  [](const QColor& c) { return c.red() > 140 && c.green() < 70 && c.blue() < 70; });
}

// The example of the design file's documentation, written to a file.
QString ExemploDocumentado(const QTemporaryDir& pasta) {
    QFile doc(QStringLiteral(VELTRA_FONTES "/docs/formato-veltra.md"));
    doc.open(QIODevice::ReadOnly);
    const QString json = QRegularExpression(QStringLiteral("```json\\n(.*?)```"),
                                            QRegularExpression::DotMatchesEverythingOption)
                             .match(QString::fromUtf8(doc.readAll()))
                             .captured(1);
    const QString caminho = pasta.filePath(QStringLiteral("obra.veltra"));
    QFile arquivo(caminho);
    arquivo.open(QIODevice::WriteOnly);
    arquivo.write(json.toUtf8());
    return caminho;
}

// A run the methods screen refuses: φ and T typed, the method's F and a, whether Kaniraj's, the
// message, the methods screen's field to correct (if any).
using Impossivel =
    std::tuple<const char*, const char*, const char*, const char*, bool, const char*, QString>;

} // namespace

class TstObra : public QObject {
    Q_OBJECT
private slots:
    void dadosImpossiveisNaoAbremResultados_data();
    void dadosImpossiveisNaoAbremResultados();
    void resultadoLongoNaDica();
    void projetoIdaEVolta();
    void projetoRecusadoOuNaoGravadoNaoMudaNada();
    void perguntaAntesDePerder_data();
    void perguntaAntesDePerder();
    void exemploDaLinhaDeComandoAteOsResultados();
    void rupturaDesenhada();
    void profundidadesSemRaioAvisadas();
    void relatorioDasTelas();
    void relatorioSemJanelas();
    void ancoragemComoNoRelatorio();
    void relatorioAmostraEmSegundoPlano();
    void bishopNaTela();
    void semImpressoraSalvaPdf();
    void estudoParametrico();
    void verificacoesAoDigitar();
    void confiabilidadeNaJanela();
};

void TstObra::dadosImpossiveisNaoAbremResultados_data() {
    QTest::addColumn<Impossivel>("caso");
    const auto linha = [](const char* nome, Impossivel caso) { QTest::newRow(nome) << caso; };
    linha("φ = 90, Kaniraj", {"90", "6", "1,3", "0", true, MensagemAnguloAtrito, ""});
    linha("φ = 300, Low", {"300", "6", "1,3", "0", false, MensagemAnguloAtrito, ""});
    linha("F = 0, Low", {"30", "6", "0", "0", false, MensagemFatorSeguranca, "eFatseglow"});
    linha("a acima de H", {"30", "6", "1,3", "3,5", true, MensagemPosicaoReforco, "ePosref"});
    // No wedge of either method fits a layer 1 m thick under 3 m of fill.
    linha("camada delgada, Kaniraj",
          {"30", "1", "1,3", "0", true, MensagemCamadaDelgadaKaniraj, ""});
    linha("camada delgada, Low", {"30", "1", "1,3", "0", false, MensagemCamadaDelgadaLow, ""});
}

// The run ends with the message: the methods screen stays in front and no results screen shows
// numbers that answer nothing; the run's records and the data they answered are forgotten, so
// that the earlier data typed back do not bring the rejected zeros to the report; the anchorage
// calculation finds no force to anchor; a valid run afterwards shows its results.
void TstObra::dadosImpossiveisNaoAbremResultados() {
    QFETCH(Impossivel, caso);
    const auto& [angulo, T, F, a, kaniraj, mensagem, apontado] = caso;
    ProgramaEmTeste programa;
    // An earlier valid run's forces must not survive the rejected one.
    QVERIFY(DigitarExemplo());
    Clicar(Metcal, kaniraj ? "bCalkan" : "bCallow");
    const IdTela resultados = kaniraj ? Solkan : Sollow;
    QVERIFY(EsperarAtiva(resultados));
    Clicar(resultados, "bGeot1"); // the reinforcement analysis opened, to be come back to
    QVERIFY(EsperarAtiva(ApresGeo));
    QVERIFY(DigitarExemplo(angulo, T));
    Digitar(Metcal, kaniraj ? "eFatsegkan" : "eFatseglow", F);
    Digitar(Metcal, "ePosref", a);
    Clicar(Metcal, kaniraj ? "bCalkan" : "bCallow");
    QCOMPARE(programa.mensagens, QStringList{mensagem});
    QVERIFY(Janela(Metcal)->isActiveWindow());
    QVERIFY(!Janela(resultados)->isVisible());
    if (!apontado.isEmpty()) {
        QCOMPARE(Focado()->objectName(), apontado);
    }
    if (kaniraj) {
        QCOMPARE(Execucao().SolucaoComTrinca.P, 0.0L);
        QCOMPARE(Execucao().SolucaoSemTrinca.P, 0.0L);
    } else {
        QCOMPARE(Execucao().SolucaoLow.Fatsegsol, 100.0L);
    }

    // The earlier data typed back, the other method run: the report has no answer of this one.
    QVERIFY(DigitarExemplo());
    Clicar(Metcal, kaniraj ? "bCallow" : "bCalkan");
    QVERIFY(EsperarAtiva(kaniraj ? Sollow : Solkan));
    const ConteudoRelatorio relatorio = RelatorioDasTelas();
    QCOMPARE(relatorio.low.has_value(), kaniraj);
    QCOMPARE(relatorio.semTrinca.has_value(), !kaniraj);

    // Back on the anchorage screen, left open: nothing to anchor for the rejected method.
    programa.mensagens.clear();
    Execucao().OrigemKaniraj = kaniraj;
    QVERIFY(MostrarEEsperar(Geot));
    DigitarInterfaces(QStringLiteral("10 10 10 10 10"));
    Clicar(Geot, "bCalc");
    QCOMPARE(programa.mensagens.size(), 1);
    QVERIFY(programa.mensagens.at(0).contains(QStringLiteral("não foi calculado")));
    QVERIFY(!Janela(resultados)->isVisible());

    QVERIFY(DigitarExemplo());
    Clicar(Metcal, kaniraj ? "bCalkan" : "bCallow");
    QVERIFY(EsperarAtiva(resultados));
}

// A result longer than its field can show is its tooltip.
void TstObra::resultadoLongoNaDica() {
    ProgramaEmTeste programa;
    QVERIFY(DigitarExemplo());
    ExecutarKaniraj();
    QVERIFY(EsperarAtiva(Solkan));
    auto* longo = Achar<QLineEdit>(Janela(Solkan), QStringLiteral("ePst"));
    QCOMPARE(longo->text(), Formato(Execucao().SolucaoSemTrinca.P));
    QCOMPARE(longo->toolTip(), longo->text());
    QCOMPARE(Achar<QLineEdit>(Janela(Solkan), QStringLiteral("eDst"))->toolTip(), QString());
}

// Every value as typed, commas, exponents, blanks and empty fields, comes back from the file
// exactly, and gives bit for bit the same run; the caption names the file.
void TstObra::projetoIdaEVolta() {
    ProgramaEmTeste programa;
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("aterro"));
    QVERIFY(MostrarEEsperar(Entdad));
    DigitarEntdad({"3,0", "2", "1,8E1", "5", "30", "", " 0 ", "6", "0", "10", "10", "1e1"});
    Digitar(Entdad, "eDescricao", QStringLiteral("Via Norte, km 12"));
    Escrever(Metcal, "eFatsegkan", QStringLiteral("1,30"));
    Escrever(Geot, "eFS1", QStringLiteral("1,5"));
    programa.arquivo = arquivo;
    Clicar(Entdad, "bSalvar"); // no file yet: asks where
    QCOMPARE(programa.mensagens, QStringList());
    QVERIFY(QFile::exists(arquivo + QStringLiteral(".veltra")));
    QCOMPARE(Janela(Entdad)->windowTitle(), QStringLiteral("Entrada de dados - aterro.veltra"));
    QVERIFY(!ProjetoAlterado());

    // Ctrl+S saves to the design's file without a dialog (one would be cancelled); the caption
    // marks the change until then. Ctrl+Shift+S asks, and the design's file becomes the copy.
    Digitar(Entdad, "eDescricao", QStringLiteral("Via Norte, km 12,5"));
    QCOMPARE(Janela(Entdad)->windowTitle(), QStringLiteral("Entrada de dados - aterro.veltra*"));
    programa.arquivo.clear();
    QTest::keySequence(Janela(Entdad), QKeySequence::Save);
    Projeto salvo;
    QVERIFY(LerProjeto(arquivo + QStringLiteral(".veltra"), salvo).ok);
    const Projeto digitado = ProjetoDasTelas();
    QCOMPARE(salvo, digitado);
    QCOMPARE(Janela(Entdad)->windowTitle(), QStringLiteral("Entrada de dados - aterro.veltra"));
    const QString copia = pasta.filePath(QStringLiteral("copia.veltra"));
    programa.arquivo = copia;
    QTest::keySequence(Janela(Entdad), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QCOMPARE(Janela(Entdad)->windowTitle(), QStringLiteral("Entrada de dados - copia.veltra"));
    QCOMPARE(
        ProjetosRecentes(),
        QStringList({copia, QFileInfo(arquivo + QStringLiteral(".veltra")).absoluteFilePath()}));

    QVERIFY(!RelatorioDasTelas().alterado);
    DigitarEntdad(QStringList(12, QStringLiteral("7")));
    QVERIFY(RelatorioDasTelas().alterado); // "(com alterações não salvas)"
    programa.arquivo = arquivo + QStringLiteral(".veltra");
    programa.resposta = Resposta::Nao; // do not save the sevens
    Clicar(Entdad, "bAbrir");
    QCOMPARE(ProjetoDasTelas(), digitado);
    QCOMPARE(programa.perguntas, QStringList{QString::fromUtf8(PerguntaSalvar)});

    // A recent design that no longer exists leaves the list with a message naming it.
    QVERIFY(QFile::remove(copia));
    QVERIFY(MostrarEEsperar(Apres));
    auto* recentes = Achar<QListWidget>(Janela(Apres), QStringLiteral("lRecentes"));
    QCOMPARE(recentes->count(), 2);
    recentes->setCurrentRow(1);
    QTest::keyClick(recentes, Qt::Key_Return);
    QCOMPARE(programa.mensagens.size(), 1);
    QVERIFY(programa.mensagens.first().startsWith(QStringLiteral("O projeto «copia.veltra» não")));
    QCOMPARE(recentes->count(), 1);
    programa.mensagens.clear();

    // The reopened design runs to the same numbers as the values typed.
    Digitar(Entdad, camposEntdad[5], QStringLiteral("0"));
    Clicar(Entdad, "bContin");
    QVERIFY(EsperarAtiva(Metcal));
    Digitar(Metcal, "ePosref", QStringLiteral("0"));
    Clicar(Metcal, "bCalkan");
    QVERIFY(EsperarAtiva(Solkan));
    QCOMPARE(Execucao().SolucaoSemTrinca.P, Kaniraj(HipoteseKaniraj::SemTrinca, exemplo).P);
}

// A file the program refuses and a save that fails say so once and leave every typed value.
void TstObra::projetoRecusadoOuNaoGravadoNaoMudaNada() {
    ProgramaEmTeste programa;
    QTemporaryDir pasta;
    QVERIFY(MostrarEEsperar(Entdad));
    Digitar(Entdad, "eAlt", QStringLiteral("abc"));
    const Projeto antes = ProjetoDasTelas();
    programa.arquivo = QStringLiteral("/proc/veltra.veltra");
    Clicar(Entdad, "bSalvar");
    QCOMPARE(programa.mensagens.size(), 1);
    QVERIFY(programa.mensagens.first().contains(QStringLiteral("Aterro: Altura (m)")));
    Digitar(Entdad, "eAlt", QStringLiteral("3"));
    programa.mensagens.clear();
    Clicar(Entdad, "bSalvar");
    QCOMPARE(programa.mensagens.size(), 1);
    QVERIFY(programa.mensagens.first().startsWith(
        QStringLiteral("Não foi possível salvar «veltra.veltra»")));
    QCOMPARE(Janela(Entdad)->windowTitle(), QStringLiteral("Entrada de dados - projeto sem nome*"));

    QFile ruim(pasta.filePath(QStringLiteral("ruim.veltra")));
    QVERIFY(ruim.open(QIODevice::WriteOnly));
    ruim.write(R"({"formato": "Veltra", "versao": 1, "Alt": "3"})");
    ruim.close();
    programa.mensagens.clear();
    programa.resposta = Resposta::Nao;
    programa.arquivo = ruim.fileName();
    const Projeto digitado = ProjetoDasTelas();
    Clicar(Entdad, "bAbrir");
    QCOMPARE(programa.mensagens,
             QStringList{QStringLiteral("Não foi possível abrir «ruim.veltra»: falta o valor de "
                                        "«Aterro: Declividade (h/v)».")});
    QCOMPARE(ProjetoDasTelas(), digitado);
    QVERIFY(antes != digitado);
}

// What the user does (leave, open a design, drop one on the opening screen); whether anything was
// typed; the answer; whether the save dialog is then cancelled; whether the action is done; whether
// the design is saved.
using Perda = std::tuple<QString, bool, Resposta, bool, bool, bool>;

void TstObra::perguntaAntesDePerder_data() {
    QTest::addColumn<Perda>("caso");
    const auto linha = [](const char* acao, const char* caso, bool alterado, Resposta r,
                          bool cancelado, bool feito, bool salvo) {
        QTest::addRow("%s, %s", acao, caso) << Perda{acao, alterado, r, cancelado, feito, salvo};
    };
    for (const char* acao : {"sair", "abrir", "soltar"}) {
        linha(acao, "nada digitado", false, Resposta::Cancelar, false, true, false);
        linha(acao, "alterado, Não", true, Resposta::Nao, false, true, false);
        linha(acao, "alterado, Cancelar", true, Resposta::Cancelar, false, false, false);
        linha(acao, "alterado, Sim", true, Resposta::Sim, false, true, true);
        linha(acao, "alterado, Sim, diálogo cancelado", true, Resposta::Sim, true, false, false);
    }
}

// Values typed and not saved are never lost without the question: leaving the program, opening
// another design or dropping one on the opening screen asks first; Cancelar, or a save dialog
// cancelled after Sim, keeps the program as it was, every typed value in place.
void TstObra::perguntaAntesDePerder() {
    QFETCH(Perda, caso);
    const auto& [acao, alterado, resposta, salvarCancelado, feito, salvo] = caso;
    ProgramaEmTeste programa;
    QTemporaryDir pasta;
    const QString outro = ExemploDocumentado(pasta);
    if (alterado) {
        Escrever(Metcal, "eFatseglow", QStringLiteral("1,5"));
    }
    const QString saida = pasta.filePath(QStringLiteral("saida.veltra"));
    programa.resposta = resposta;
    programa.arquivo = salvarCancelado ? QString() : saida;
    programa.arquivoAbrir = outro;
    QVERIFY(MostrarEEsperar(acao == QLatin1String("abrir") ? Entdad : Apres));
    if (acao == QLatin1String("sair")) {
        Clicar(Apres, "bSair");
    } else if (acao == QLatin1String("abrir")) {
        Clicar(Entdad, "bAbrir");
    } else {
        QMimeData arrastado;
        arrastado.setUrls({QUrl::fromLocalFile(outro)});
        QDragEnterEvent entrar(QPoint(10, 10), Qt::CopyAction, &arrastado, Qt::LeftButton,
                               Qt::NoModifier);
        QApplication::sendEvent(Janela(Apres), &entrar);
        QDropEvent soltar(QPointF(10, 10), Qt::CopyAction, &arrastado, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(Janela(Apres), &soltar);
    }
    QCOMPARE(programa.perguntas.size(), alterado ? 1 : 0);
    const bool aberto = Texto(Entdad, "eAlt") == QLatin1String("3");
    QCOMPARE(acao == QLatin1String("sair") ? !Janela(Apres)->isVisible() : aberto, feito);
    QCOMPARE(QFile::exists(saida), salvo);
    if (!feito) {
        QCOMPARE(Texto(Metcal, "eFatseglow"), QStringLiteral("1,5"));
    }
    QCOMPARE(programa.mensagens, QStringList());
}

// The documented example, named on the command line, fills the data-entry screen and runs to
// the worked embankment's results.
void TstObra::exemploDaLinhaDeComandoAteOsResultados() {
    ProgramaEmTeste programa;
    QTemporaryDir pasta;
    AbrirProjetoInicial(ExemploDocumentado(pasta));
    QTRY_VERIFY(Janela(Entdad)->isVisible()); // once the event loop runs
    QVERIFY2(EsperarAtiva(Entdad), qPrintable(programa.mensagens.join(u'|')));
    QCOMPARE(Texto(Metcal, "eFatsegkan"), QStringLiteral("1,3"));
    QCOMPARE(Janela(Entdad)->windowTitle(), QStringLiteral("Entrada de dados - obra.veltra"));
    Clicar(Entdad, "bContin");
    QVERIFY(EsperarAtiva(Metcal));
    Clicar(Metcal, "bCalkan");
    QVERIFY(EsperarAtiva(Solkan));
    const QStringList resultados = Textos(Solkan, "ePst eX0st eY0st eDst ePct eDct");
    QCOMPARE(resultados.at(0).left(5), QStringLiteral("72,00")); // 72,01 to two decimals
    QCOMPARE(resultados.mid(1, 3), (QStringList{"3", "13,8753", "6"}));
    QCOMPARE(resultados.at(4).left(5), QStringLiteral("61,68"));
    QCOMPARE(resultados.at(5), QStringLiteral("6"));
    QCOMPARE(programa.mensagens, QStringList());
}

// The wedges drawn from both results screens, kept as pictures to look at, every point and the
// line FS0 = F inside the charts' axes: the worked embankment, and a layer five times as deep
// with Low's F above every wedge's FS0.
void TstObra::rupturaDesenhada() {
    ProgramaEmTeste programa;
    for (const auto& [T, F] : {std::pair{"6", "1,3"}, std::pair{"30", "1,6"}}) {
        QVERIFY(DigitarExemplo(QStringLiteral("30"), QString::fromLatin1(T)));
        ExecutarKaniraj();
        QVERIFY(EsperarAtiva(Solkan));
        ExecutarLow(QString::fromLatin1(F));
        QVERIFY(EsperarAtiva(Sollow));
        bool visto = false;
        QStringList fora;
        QuandoModal([&](QWidget* janela) {
            auto* secao = Achar<SecaoTransversal>(janela, QStringLiteral("Secao"));
            const CenarioSecao& c = secao->Cenario();
            visto = c.temKaniraj && c.temLow && c.semTrinca.P == Execucao().SolucaoSemTrinca.P &&
                    c.low.Solicsolh == Execucao().SolucaoLow.Solicsolh;
            auto* forcas = Achar<QChartView>(janela, QStringLiteral("GraficoForcas"));
            auto* fs0 = Achar<QChartView>(janela, QStringLiteral("GraficoFS0"));
            visto = visto && forcas->chart()->series().size() >= 4 &&
                    fs0->chart()->series().size() >= 3;
            fora = ForaDosEixos(forcas->chart()) + ForaDosEixos(fs0->chart());
            VerificarTextosInteiros(janela);
            // The SVG picture draws the arcs where the screen does, not through the air above
            // the fill: about as much of the intact fill's red in both.
            QTemporaryDir pasta;
            programa.arquivo = pasta.filePath(QStringLiteral("ruptura.svg"));
            Clicar(janela, "bSalvarImagem");
            auto* quadro = Achar<QWidget>(janela, QStringLiteral("Quadro"));
            QImage svg(quadro->size(), QImage::Format_RGB32);
            svg.fill(Qt::white);
            QPainter pintor(&svg);
            QSvgRenderer(programa.arquivo).render(&pintor);
            pintor.end();
            const double razao = static_cast<double>(PixelsVermelhos(svg)) /
                                 PixelsVermelhos(quadro->grab().toImage());
            visto = visto && razao > 0.8 && razao < 1.25;
            Clicar(janela, "bFechar");
        });
        Clicar(Sollow, "bRuptura");
        QVERIFY(visto);
        QVERIFY2(fora.isEmpty(), qPrintable(fora.join(u'\n')));
        QVERIFY(Janela(Sollow)->isVisible());
    }
    // A new run on other data: Low's wedges no longer answer them and are not drawn.
    QVERIFY(DigitarExemplo(QStringLiteral("25")));
    ExecutarKaniraj();
    QVERIFY(EsperarAtiva(Solkan));
    bool visto = false;
    QuandoModal([&](QWidget* janela) {
        const CenarioSecao& c = Achar<SecaoTransversal>(janela, QStringLiteral("Secao"))->Cenario();
        visto = c.temKaniraj && !c.temLow && c.dados.Angat == 25;
        Clicar(janela, "bFechar");
    });
    Clicar(Solkan, "bRuptura");
    QVERIFY(visto);
}

// Depths whose critical radius lies beyond the method's reach are said where the forces are read:
// on the results screen without a click, under the drawn curves and in the report's warnings;
// a run without such depths takes the warning away and gives its room back.
void TstObra::profundidadesSemRaioAvisadas() {
    ProgramaEmTeste programa;
    QVERIFY(MostrarEEsperar(Entdad));
    DigitarEntdad({"6,78", "2,33", "18,46", "0,84", "37,24", "0", "0", "26,14", "25,68", "11,23",
                   "8,43", "15,87"});
    Clicar(Entdad, "bContin");
    QVERIFY(EsperarAtiva(Metcal));
    ExecutarKaniraj(QStringLiteral("1,36"));
    QVERIFY(EsperarAtiva(Solkan));
    const QString aviso =
        QStringLiteral("em 2 (com trinca) e 8 (sem trinca) das 35 profundidades "
                       "examinadas nenhum raio crítico cabe no domínio do método");
    const auto* rotulo = Achar<QLabel>(Janela(Solkan), QStringLiteral("lAviso"));
    QVERIFY(rotulo->isVisible());
    QVERIFY(rotulo->text().contains(aviso));
    const int alta = Janela(Solkan)->height();
    VerificarTextosInteiros(Janela(Solkan));
    QVERIFY(RelatorioDasTelas().avisos.join(u' ').contains(aviso));
    QString nota;
    QuandoModal([&](QWidget* janela) {
        nota = Achar<QLabel>(janela, QStringLiteral("lNota"))->text();
        Clicar(janela, "bFechar");
    });
    Clicar(Solkan, "bRuptura");
    QVERIFY(nota.contains(aviso));

    QVERIFY(DigitarExemplo());
    ExecutarKaniraj();
    QVERIFY(EsperarAtiva(Solkan));
    QVERIFY(rotulo->isHidden());
    QVERIFY(Janela(Solkan)->height() < alta - rotulo->height());
    QCOMPARE(programa.mensagens, QStringList());
}

// The report holds every number the results screens show, in their format; a method whose last
// run answers other data than those typed is "não calculado", never its old numbers; a long
// description runs over pages numbered "página N de M".
void TstObra::relatorioDasTelas() {
    ProgramaEmTeste programa;
    QTemporaryDir pasta;
    QVERIFY(DigitarExemplo());
    ExecutarLow();
    QVERIFY(EsperarAtiva(Sollow));
    const QStringList low = Textos(
        Sollow, "eFatsegsol2 eprofcunsol1 eFatsegsol3 eSolicsolh eProfcun2h eSolicsolb eProfcun2b");
    ExecutarKaniraj();
    QVERIFY(EsperarAtiva(Solkan));
    const QStringList kaniraj =
        Textos(Solkan, "eFatsegsol1 ePct eX0ct eY0ct eDct ePst eX0st eY0st eDst");

    programa.arquivo = pasta.filePath(QStringLiteral("memorial.pdf"));
    Clicar(Solkan, "bRelatorio");
    QCOMPARE(programa.perguntas.size(), 1); // whether to open it: no
    QString texto = TextoDoPdf(programa.arquivo);
    for (const QString& numero : kaniraj + low) {
        QVERIFY2(texto.contains(numero), qPrintable(numero));
    }
    // No interfaces typed: none of the five lengths; Bishop not run: its section and its two
    // comparison cells.
    QCOMPARE(texto.count(QStringLiteral("não calculado")), 5 + 1 + 2);
    QVERIFY(!texto.contains(QStringLiteral("Amostras:"))); // every value fixed: no reliability

    // New data typed and not run: neither method answers them.
    QVERIFY(MostrarEEsperar(Entdad));
    Digitar(Entdad, "eAlt", QStringLiteral("3,5"));
    Escrever(Entdad, "eDescricao", QStringLiteral("Descrição longa. ").repeated(900));
    QVERIFY(MostrarEEsperar(Solkan));
    Clicar(Solkan, "bRelatorio");
    texto = TextoDoPdf(programa.arquivo);
    // Two methods, five lengths, and why among the warnings; Bishop's section; and in the
    // comparison Kaniraj's two forces, Low's two and its FS0, Bishop's force and FS0.
    QCOMPARE(texto.count(QStringLiteral("não calculado")), 9 + 1 + 7);
    QVERIFY(
        texto.contains(QStringLiteral("Low: não calculado para os dados e o fator digitados.")));
    QVERIFY(!texto.contains(kaniraj.at(1)));
    QVERIFY(!texto.contains(low.at(3)));
    const int paginas = PaginasDoPdf(programa.arquivo);
    QVERIFY(paginas >= 3);
    for (int i = 1; i <= paginas; ++i) {
        QVERIFY(texto.contains(QStringLiteral("página %1 de %2").arg(i).arg(paginas)));
    }
}

// "veltra --relatorio": no window, no display; a refused or unwritable file says so in one line
// and ends with a non-zero code.
void TstObra::relatorioSemJanelas() {
    QTemporaryDir pasta;
    const QString projeto = ExemploDocumentado(pasta);
    const QString pdf = pasta.filePath(QStringLiteral("obra.pdf"));
    const auto executar = [](const QStringList& argumentos, QString& erro) {
        QProcess p;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.remove(QStringLiteral("QT_QPA_PLATFORM"));
        ambiente.remove(QStringLiteral("DISPLAY"));
        p.setProcessEnvironment(ambiente);
        p.start(QStringLiteral(VELTRA_EXECUTAVEL), argumentos);
        p.waitForFinished(60000);
        erro = QString::fromUtf8(p.readAllStandardError());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    };
    QString erro;
    QCOMPARE(executar({QStringLiteral("--relatorio"), projeto, pdf}, erro), 0);
    const QString texto = TextoDoPdf(pdf);
    const ResultadoKaniraj semTrinca = Kaniraj(HipoteseKaniraj::SemTrinca, exemplo);
    const ResultadoLow low = Low(exemplo);
    // Bishop's section, its critical circle and the methods side by side.
    const RelatoBishop bishop = AnaliseBishop(aterroExemplo, 1.3L, 0);
    for (long double v : {semTrinca.P, semTrinca.Y0, low.Solicsolh, low.Fatsegsol, bishop.P,
                          bishop.circuloP.yc, bishop.FS0}) {
        QVERIFY2(texto.contains(Formato(v)), qPrintable(Formato(v)));
    }
    QVERIFY(texto.contains(QStringLiteral("5. Resultados pelo método de Bishop")));
    // Bishop's force anchored through the documented interfaces, as the others are.
    long double ancoragem = 0;
    QCOMPARE(CalcAncoragemForca(3, 18, 5, 20, 0, 30, 1.5L, bishop.P, ancoragem),
             SituacaoAncoragem::Calculada);
    QVERIFY(
        texto.contains(QRegularExpression(QStringLiteral("Bishop +%1").arg(Formato(ancoragem)))));
    QVERIFY(texto.contains(QRegularExpression(
        QStringLiteral("Bishop +%1 +%2").arg(Formato(bishop.P), Formato(bishop.FS0)))));
    // The limit-state checks of the documented design: the fill does not slide (FSd = R/PA with
    // the resistance shown), the foundation cannot carry it, and 200 kN/m reduced to 82,64 fall
    // short of Bishop's force, the largest, used 188,4 % and asking for J = P/5 %. Searched as a
    // reader searches the PDF: no ligature hides a word.
    QVERIFY(bishop.P > 155 && bishop.P < 156);
    for (const QString& verificacao :
         {QStringLiteral("Verificações complementares"),
          QStringLiteral("R = 93,5307436087194 kN/m"), QStringLiteral("3,46410161513775"),
          QStringLiteral("≥ FSdesl = 1,5"), QStringLiteral("0,951851851851852"),
          QStringLiteral("≥ FScap = 2"), QStringLiteral("82,6446280991736"),
          QStringLiteral("≥ ") + Formato(bishop.P), QStringLiteral("uso 188,4 %"),
          Formato(bishop.P * 20)}) {
        QVERIFY2(texto.contains(verificacao), qPrintable(verificacao));
    }
    QVERIFY(texto.contains(QStringLiteral("obra.veltra")));
    // Each line of the data holds its own value, in its own unit.
    for (const auto& [rotulo, valor, unidade] :
         {std::tuple{"Altura do aterro, H", "3", "m"},
          std::tuple{"Declividade do talude, n (horizontal/vertical)", "2", "—"},
          std::tuple{"Peso específico do aterro, γ", "18", "kN/m³"},
          std::tuple{"Coesão do aterro, c", "5", "kPa"},
          std::tuple{"Ângulo de atrito do aterro, φ", "30", "graus"},
          std::tuple{"Espessura da camada mole, T", "6", "m"}}) {
        const QString linha = QStringLiteral("%1 +%2 +%3\\n")
                                  .arg(QRegularExpression::escape(QString::fromUtf8(rotulo)),
                                       QString::fromUtf8(valor), QString::fromUtf8(unidade));
        QVERIFY2(texto.contains(QRegularExpression(linha)), rotulo);
    }
    // Its reliability against an independent Monte Carlo of the same design: Low's horizontal
    // force exceeds 100 kN/m in about 55 % of the soils, about 30 % of them with wedges no
    // reinforcement brings to F.
    QVERIFY(texto.contains(QStringLiteral("Amostras: 20000; semente: 1")));
    const auto colunas = [&texto](const QString& linha) {
        const QString achada =
            QRegularExpression(
                QStringLiteral("\\n *%1 +(.*)\\n").arg(QRegularExpression::escape(linha)))
                .match(texto)
                .captured(1);
        return achada.split(QRegularExpression(QStringLiteral(" {2,}")));
    };
    const QStringList falha = colunas(QStringLiteral("P(falha)"));
    QCOMPARE(falha.size(), 5);
    const double pLow = QLocale(QLocale::Portuguese, QLocale::Brazil).toDouble(falha[2].chopped(2));
    QVERIFY2(pLow > 53 && pLow < 57, qPrintable(falha[2]));
    const QStringList semSolucao = colunas(QStringLiteral("Amostras sem solução"));
    QCOMPARE(semSolucao.size(), 5);
    QVERIFY2(semSolucao[2].toInt() > 5400 && semSolucao[2].toInt() < 6600,
             qPrintable(semSolucao[2]));
    QCOMPARE(semSolucao[0], QStringLiteral("0"));
    QFile ruim(pasta.filePath(QStringLiteral("ruim.veltra")));
    QVERIFY(ruim.open(QIODevice::WriteOnly));
    QCOMPARE(ruim.write("{"), 1);
    ruim.close();
    // Each failure: status 1 and one line, in Portuguese, that names the file and says why.
    const QString semPasta = pasta.filePath(QStringLiteral("nao-existe"));
    const struct {
        QString projeto, pdf, linha;
    } falhas[] = {
        {pasta.filePath("falta.veltra"), pdf,
         "Não foi possível abrir «falta.veltra»: o arquivo não existe."},
        {ruim.fileName(), pdf,
         "Não foi possível abrir «ruim.veltra»: o arquivo não é um projeto do Veltra (não é JSON "
         "válido)."},
        {projeto, semPasta + "/obra.pdf",
         QString("Não foi possível gravar o memorial em «obra.pdf»: a pasta «%1» não existe.")
             .arg(semPasta)},
    };
    for (const auto& falha : falhas) {
        QCOMPARE(executar({QStringLiteral("--relatorio"), falha.projeto, falha.pdf}, erro), 1);
        QCOMPARE(erro, QStringLiteral("veltra: ") + falha.linha + QLatin1Char('\n'));
    }
}

// The anchorage screen gives the report's lengths for the data typed; once those data are no
// longer the ones the method's last run answers, it says so and computes nothing.
void TstObra::ancoragemComoNoRelatorio() {
    ProgramaEmTeste programa;
    QVERIFY(DigitarExemplo());
    const auto ancorar = [](IdTela resultados) {
        QVERIFY(AbrirAnaliseDoReforco(resultados));
        DigitarInterfaces(QStringLiteral("5 20 0 30 1,5"));
        Clicar(Geot, "bCalc");
    };
    ExecutarLow();
    QVERIFY(EsperarAtiva(Sollow));
    ancorar(Sollow);
    QVERIFY(EsperarAtiva(Sollow));
    const QStringList deLow = Textos(Sollow, "eHoriz eBiss");
    ExecutarKaniraj();
    QVERIFY(EsperarAtiva(Solkan));
    ancorar(Solkan);
    QVERIFY(EsperarAtiva(Solkan));
    const QStringList deKaniraj = Textos(Solkan, "eComTr eSemTr");
    ConteudoRelatorio relatorio = RelatorioDasTelas();
    for (const auto& comprimento :
         {relatorio.ComTr, relatorio.SemTr, relatorio.Horiz, relatorio.Biss}) {
        QVERIFY(comprimento);
    }
    QCOMPARE(deKaniraj + deLow, (QStringList{Formato(*relatorio.ComTr), Formato(*relatorio.SemTr),
                                             Formato(*relatorio.Horiz), Formato(*relatorio.Biss)}));
    QCOMPARE(programa.mensagens, QStringList());

    // Bishop's force anchored from its own results, as the report anchors it; the closed forms'
    // lengths stay. On the crest the reinforcement crosses no circle below F: nothing to anchor.
    QVERIFY(MostrarEEsperar(Metcal));
    DigitarCampos(Metcal, "eFatsegbishop ePosrefbishop", QStringLiteral("1,3 0"));
    Clicar(Metcal, "bCalbishop");
    QVERIFY(EsperarAtiva(Solbishop));
    ancorar(Solbishop);
    QVERIFY(EsperarAtiva(Solbishop));
    relatorio = RelatorioDasTelas();
    QVERIFY(relatorio.AncoragemBishop && *relatorio.AncoragemBishop > *relatorio.Horiz);
    QCOMPARE(Textos(Solbishop, "eAncBishop"), QStringList{Formato(*relatorio.AncoragemBishop)});
    QCOMPARE(Formato(*relatorio.Horiz), deLow[0]);
    QVERIFY(MostrarEEsperar(Metcal));
    Digitar(Metcal, "ePosrefbishop", QStringLiteral("3"));
    Clicar(Metcal, "bCalbishop");
    QVERIFY(EsperarAtiva(Solbishop));
    ancorar(Solbishop);
    QCOMPARE(programa.mensagens,
             QStringList{QStringLiteral("Há círculos abaixo do fator de segurança adotado que o "
                                        "reforço não atravessa: o método de Bishop não dá "
                                        "solicitação para ancorar.")});
    QVERIFY(!RelatorioDasTelas().AncoragemBishop);
    programa.mensagens.clear();
    QVERIFY(MostrarEEsperar(Solkan));
    ancorar(Solkan); // the analysis opened from Kaniraj's results again
    QVERIFY(EsperarAtiva(Solkan));
    QCOMPARE(programa.mensagens, QStringList());

    // H = 3,5 m accepted and not run: the lengths for 3 m would be wrong, and the report has none.
    QVERIFY(MostrarEEsperar(Entdad));
    Digitar(Entdad, "eAlt", QStringLiteral("3,5"));
    Clicar(Entdad, "bContin");
    QVERIFY(EsperarAtiva(Metcal));
    QVERIFY(MostrarEEsperar(Geot));
    Clicar(Geot, "bCalc");
    QCOMPARE(programa.mensagens,
             QStringList{QStringLiteral(
                 "Os dados ou fatores digitados mudaram desde o último cálculo pelo método de "
                 "Kaniraj: calcule-o novamente para obter os comprimentos de ancoragem.")});
    QVERIFY(Janela(Geot)->isActiveWindow());
    QVERIFY(!Janela(Solkan)->isVisible());
    relatorio = RelatorioDasTelas();
    for (const auto& comprimento :
         {relatorio.ComTr, relatorio.SemTr, relatorio.Horiz, relatorio.Biss}) {
        QVERIFY(!comprimento);
    }
}

// A report that needs samples no window has run draws them in the background behind a progress
// dialog: cancelled, no report is written and nothing is said; let run, the report holds them.
void TstObra::relatorioAmostraEmSegundoPlano() {
    ProgramaEmTeste programa;
    QTemporaryDir pasta;
    QVERIFY(DigitarExemplo());
    Escrever(Confiabilidade, "eCVCS", QStringLiteral("20"));
    Escrever(Confiabilidade, "eAmostras", QStringLiteral("200000"));
    ExecutarKaniraj();
    QVERIFY(EsperarAtiva(Solkan));
    programa.arquivo = pasta.filePath(QStringLiteral("memorial.pdf"));
    QString visto;
    QuandoModal([&visto](QWidget* modal) {
        auto* andamento = qobject_cast<QProgressDialog*>(modal);
        QVERIFY(andamento);
        visto = andamento->labelText();
        VerificarTextosInteiros(andamento);
        QTest::mouseClick(andamento->findChild<QPushButton*>(), Qt::LeftButton);
    });
    Clicar(Solkan, "bRelatorio");
    QCOMPARE(visto, QStringLiteral("Calculando as amostras da análise de confiabilidade para o "
                                   "memorial..."));
    QVERIFY(!QFile::exists(programa.arquivo));
    QCOMPARE(programa.perguntas, QStringList());
    QVERIFY(EsperarAtiva(Solkan));

    Escrever(Confiabilidade, "eAmostras", QStringLiteral("300"));
    Clicar(Solkan, "bRelatorio");
    QVERIFY(TextoDoPdf(programa.arquivo).contains(QStringLiteral("Amostras: 300;")));
    QCOMPARE(programa.perguntas.size(), 1); // whether to open it
    QCOMPARE(programa.mensagens, QStringList());
}

// Bishop's method from the methods screen: the numbers of its search for the data typed, with
// their circles; a factor it refuses says why and points at it.
void TstObra::bishopNaTela() {
    ProgramaEmTeste programa;
    QVERIFY(DigitarExemplo());
    Digitar(Metcal, "eFatsegbishop", QStringLiteral("1,3"));
    Digitar(Metcal, "ePosrefbishop", QStringLiteral("0"));
    Clicar(Metcal, "bCalbishop");
    QVERIFY(EsperarAtiva(Solbishop));
    const RelatoBishop r = AnaliseBishop(aterroExemplo, 1.3L, 0);
    QCOMPARE(Textos(Solbishop, "eFS0bishop eFatsegsol4 ePbishop eXcP eYcP eDP"),
             (QStringList{Formato(r.FS0), QStringLiteral("1,3"), Formato(r.P),
                          Formato(r.circuloP.xc), Formato(r.circuloP.yc), Formato(r.circuloP.D)}));
    VerificarTextosInteiros(Janela(Solbishop));
    // "&Ver ruptura": both circles drawn on the section, in Bishop's purple.
    int roxos = -1;
    QuandoModal([&roxos](QWidget* janela) {
        const QImage imagem = Achar<QWidget>(janela, QStringLiteral("Secao"))->grab().toImage();
        if (!qEnvironmentVariableIsEmpty("VELTRA_PNG_DIR")) {
            imagem.save(qEnvironmentVariable("VELTRA_PNG_DIR") +
                        QStringLiteral("/SecaoBishop.png"));
        }
        roxos = 0;
        for (int y = 0; y < imagem.height(); ++y) {
            for (int x = 0; x < imagem.width(); ++x) {
                const QColor c = imagem.pixelColor(x, y);
                roxos += qAbs(c.red() - 120) < 25 && c.green() < 80 && qAbs(c.blue() - 150) < 25;
            }
        }
        janela->close();
    });
    Clicar(Solbishop, "bRuptura");
    QVERIFY2(roxos > 200, qPrintable(QString::number(roxos)));

    QVERIFY(MostrarEEsperar(Metcal));
    Digitar(Metcal, "eFatsegbishop", QStringLiteral("0"));
    Clicar(Metcal, "bCalbishop");
    QCOMPARE(programa.mensagens, QStringList{QString::fromUtf8(MensagemFatorSeguranca)});
    QCOMPARE(Focado()->objectName(), QStringLiteral("eFatsegbishop"));
    QVERIFY(!Execucao().DadosBishop);
}

// With no printer the message stays and the page can be kept as a PDF.
void TstObra::semImpressoraSalvaPdf() {
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        QSKIP("this machine has a printer");
    }
    ProgramaEmTeste programa;
    QTemporaryDir pasta;
    programa.resposta = Resposta::Sim;
    programa.arquivo = pasta.filePath(QStringLiteral("pagina.pdf"));
    QVERIFY(MostrarEEsperar(Entdad));
    Clicar(Entdad, "bImp1");
    QCOMPARE(programa.mensagens, QStringList{semImpressora});
    QCOMPARE(PaginasDoPdf(programa.arquivo), 1);
}

// The parametric study over the worked embankment: the forces at the typed values, the limit for
// a catalogue geotextile, the table exported, a sweep in the background and cancelled, and typed
// ranges it cannot compute, which leave a message and no curve.
void TstObra::estudoParametrico() {
    ProgramaEmTeste programa;
    QVERIFY(DigitarExemplo());
    QTemporaryDir pasta;
    const QString csv = pasta.filePath(QStringLiteral("estudo.csv"));
    programa.arquivo = csv;
    QuandoModal([&](QWidget* estudo) {
        const auto fechar = qScopeGuard([estudo] { estudo->close(); });
        VerificarTextosInteiros(estudo);

        // H from 1,5 to 4,5 m around the typed 3 m; the forces of the typed embankment.
        QCOMPARE(
            Textos(estudo, "eDe eAte lProjeto0 lProjeto1 lProjeto2 lProjeto3"),
            (QStringList{"1,5", "4,5", "61,68 kN/m", "72,01 kN/m", "97,20 kN/m", "56,70 kN/m"}));
        // GT-W 100 at 100 kN/m: each force holds above 3 m, up to a height that, typed as shown
        // and run, gives a force within the strength.
        for (const char* limite : {"lLimite1", "lLimite2"}) {
            const auto valor =
                QRegularExpression(QStringLiteral("^atende até H = (\\d+,\\d{3}) m$"))
                    .match(Rotulo(estudo, limite));
            QVERIFY2(valor.hasMatch(), qPrintable(Rotulo(estudo, limite)));
            const long double H = ParseReal(valor.captured(1).toStdString());
            const DadosAnalise d = ComoExemplo([H](DadosEntrada& p) { p.Alt = H; });
            QVERIFY(H > 3 &&
                    (qstrcmp(limite, "lLimite1") == 0 ? Kaniraj(HipoteseKaniraj::SemTrinca, d).P
                                                      : Low(d).Solicsolh) <= 100);
        }
        QVERIFY(Curvas(estudo) >= 6);
        QVERIFY(!Achar<QWidget>(estudo, QStringLiteral("lNota"))->isVisible()); // no gaps
        const QStringList fora =
            ForaDosEixos(Achar<QChartView>(estudo, QStringLiteral("Grafico"))->chart());
        QVERIFY2(fora.isEmpty(), qPrintable(fora.join(u'\n')));

        Clicar(estudo, "bCsv");
        QFile arquivo(csv);
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        const QList<QByteArray> linhas = arquivo.readAll().split('\n');
        QCOMPARE(linhas.size(), 202); // header, 200 points, the empty text after the last break
        QCOMPARE(linhas[0], QByteArray("H (m),P com trinca (kN/m),P sem trinca (kN/m),Ph (kN/m),"
                                       "Pb (kN/m)"));

        // More points than the budget: computed in the background, then drawn; or cancelled.
        DigitarEm(estudo, "ePontos", QStringLiteral("2000"));
        QVERIFY(Achar<QWidget>(estudo, QStringLiteral("pbProgresso"))->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(Curvas(estudo) >= 6, 20000);
        QVERIFY(!Achar<QWidget>(estudo, QStringLiteral("pbProgresso"))->isVisible());
        DigitarEm(estudo, "ePontos", QStringLiteral("1999"));
        Clicar(estudo, "bCancelar");
        QVERIFY(Rotulo(estudo, "lMensagem").startsWith(QStringLiteral("Cálculo interrompido.")));
        QCOMPARE(Curvas(estudo), 0);
        DigitarEm(estudo, "ePontos", QStringLiteral("200"));

        // Bishop's force asked for: without its factor, said so; with it, swept in the background
        // beside the others, its own row in the table; taken away, the row goes.
        auto* bishop = Achar<QCheckBox>(estudo, QStringLiteral("chBishop"));
        auto* linhaBishop = Achar<QLabel>(estudo, QStringLiteral("lProjeto4"));
        QTRY_VERIFY(Curvas(estudo) >= 6);
        QVERIFY(!linhaBishop->isVisible());
        bishop->setChecked(true);
        QCOMPARE(Rotulo(estudo, "lMensagem"),
                 QStringLiteral("«Método de Bishop: Fator de segurança adotado» não é um número "
                                "válido. Corrija-o na entrada de dados ou nos métodos."));
        Escrever(Metcal, "eFatsegbishop", QStringLiteral("1,3"));
        Escrever(Metcal, "ePosrefbishop", QStringLiteral("0"));
        bishop->setChecked(false);
        bishop->setChecked(true);
        QVERIFY(Achar<QWidget>(estudo, QStringLiteral("pbProgresso"))->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(Curvas(estudo) >= 7, 20000);
        const long double P = AnaliseBishop(aterroExemplo, 1.3L, 0).P;
        QCOMPARE(linhaBishop->text(), LocaleDosNumeros().toString(static_cast<double>(P), 'f', 2) +
                                          QStringLiteral(" kN/m"));
        QVERIFY(Rotulo(estudo, "lLimite4").startsWith(QStringLiteral("atende até H = ")));
        VerificarTextosInteiros(estudo);
        bishop->setChecked(false);
        QVERIFY(!linhaBishop->isVisible());

        // What cannot be computed says why, and nothing of the curve before stays.
        const auto semCurva = [estudo](const QString& mensagem) {
            QCOMPARE(Rotulo(estudo, "lMensagem"), mensagem);
            QCOMPARE(Curvas(estudo), 0);
            QCOMPARE(Rotulo(estudo, "lProjeto1"), QStringLiteral("\u2013"));
            QVERIFY(!Achar<QPushButton>(estudo, QStringLiteral("bCsv"))->isEnabled());
        };
        DigitarEm(estudo, "eAte", QStringLiteral("1"));
        semCurva(QStringLiteral("O início do intervalo deve ser menor que o fim."));
        DigitarEm(estudo, "eDe", QStringLiteral("a"));
        semCurva(QStringLiteral("\u00abDe\u00bb não é um número válido."));
    });
    Clicar(Metcal, "bEstudo");
    QVERIFY(!Janela(Estudo)->isVisible());
    QCOMPARE(programa.mensagens, QStringList());
}

// The limit-state checks of the worked embankment, recomputed as the user types: the documented
// reinforcement falls short of Low's force, a stronger one holds; taking Kaniraj's force instead
// lowers the governing force, and the report follows the choice.
void TstObra::verificacoesAoDigitar() {
    ProgramaEmTeste programa;
    QVERIFY(DigitarExemplo());
    Escrever(Geot, "eCoeGeo2", QStringLiteral("0"));
    Escrever(Geot, "eAngGeo2", QStringLiteral("30"));
    QStringList vistos;
    QuandoModal([&](QWidget* janela) {
        const auto fechar = qScopeGuard([janela] { janela->close(); });
        VerificarTextosInteiros(janela);
        const auto linha = [janela](int i) {
            const QString nomes = QStringLiteral("lVerificacao%1_1 lVerificacao%1_3").arg(i);
            return Textos(janela, qPrintable(nomes)).join(u' ');
        };
        DigitarEm(janela, "eTult eFRid eFRfl eFRdq", QStringLiteral("200 1,1 2 1,1"));
        vistos << linha(2) << linha(5) << linha(6);
        DigitarEm(janela, "eTult", QStringLiteral("300"));
        vistos << linha(6);
        auto* forca = Achar<QComboBox>(janela, QStringLiteral("cbForca"));
        // Bishop's force chosen before its factors are typed; then the largest, Bishop's typed.
        forca->setCurrentIndex(5);
        vistos << linha(5) << Rotulo(janela, "lMotivo5");
        Escrever(Metcal, "eFatsegbishop", QStringLiteral("1,3"));
        Escrever(Metcal, "ePosrefbishop", QStringLiteral("0"));
        forca->setCurrentIndex(0);
        vistos << linha(5);
        forca->setCurrentIndex(2); // Kaniraj sem trinca
        vistos << linha(5);
    });
    Clicar(Metcal, "bVerificacoes");
    QCOMPARE(
        vistos,
        (QStringList{"3,46410161513775 atende", "97,2 Low horizontal",
                     "82,6446280991736 não atende", "123,96694214876 atende", "— não verificado",
                     "digite o fator de segurança e a posição do reforço do método de "
                     "Bishop",
                     Formato(AnaliseBishop(aterroExemplo, 1.3L, 0).P) + QStringLiteral(" Bishop"),
                     Formato(*RelatorioDasTelas().verificacoes->governante.valor) +
                         QStringLiteral(" Kaniraj sem trinca")}));
    QCOMPARE(RelatorioDasTelas().verificacoes->fonte, std::string("Kaniraj sem trinca"));
    QCOMPARE(programa.mensagens, QStringList());
}

// The reliability window over the worked embankment: nothing to count while every value is fixed;
// a coefficient typed runs in the background and the table is the run of the values on the screen,
// never of values typed before; a cancelled run says so; the samples go to a CSV; the choices go
// with the design.
void TstObra::confiabilidadeNaJanela() {
    ProgramaEmTeste programa;
    QVERIFY(DigitarExemplo());
    QTemporaryDir pasta;
    programa.arquivo = pasta.filePath(QStringLiteral("amostras"));
    // The means of the forces and of FS0 of 300 samples, semente 7, CS varying alone by 20 %.
    PedidoConfiabilidade pedido{.dados = exemplo, .amostras = 300, .semente = 7, .Td = {}};
    pedido.incertezas[3].cv = 20;
    const auto esperado = Amostrar(pedido);
    QStringList medias;
    for (const Saida saida : SaidasCalculadas(pedido)) {
        medias << QuatroAlgarismos(*esperado->estatisticas[Indice(saida)].media);
    }
    QuandoModal([&](QWidget* janela) {
        const auto fechar = qScopeGuard([janela] { janela->close(); });
        auto* csv = Achar<QPushButton>(janela, QStringLiteral("bCsv"));
        auto* tabela = Achar<QTableWidget>(janela, QStringLiteral("tResultados"));
        const auto mediasVistas = [tabela] {
            QStringList vistas;
            for (int s = 0; s < tabela->columnCount(); ++s) {
                vistas << (tabela->item(0, s) ? tabela->item(0, s)->text() : QString());
            }
            return vistas;
        };
        QVERIFY(Rotulo(janela, "lMensagem").startsWith(QStringLiteral("Com todos os coef")));
        QVERIFY(!csv->isEnabled());

        // A long run started, then the values changed before it ends: only the last is shown.
        DigitarEm(janela, "eAmostras eCVCS", QStringLiteral("200000 20"));
        QVERIFY(Achar<QWidget>(janela, QStringLiteral("pbProgresso"))->isVisible());
        DigitarEm(janela, "eSemente eAmostras", QStringLiteral("7 300"));
        QTRY_VERIFY_WITH_TIMEOUT(csv->isEnabled(), 20000);
        QCOMPARE(mediasVistas(), medias);
        QVERIFY(!Achar<QWidget>(janela, QStringLiteral("lMensagem"))->isVisible());

        QTest::mouseClick(csv, Qt::LeftButton);
        QFile arquivo(programa.arquivo + QStringLiteral(".csv"));
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        QCOMPARE(arquivo.readAll().count('\n'), 301);

        // Bishop's force asked for without its factor: said so, nothing shown. With it: a column
        // of its own, before FS0, the closed forms' unchanged.
        auto* bishop = Achar<QCheckBox>(janela, QStringLiteral("chBishopConfiabilidade"));
        bishop->setChecked(true);
        QVERIFY(Rotulo(janela, "lMensagem")
                    .startsWith(QStringLiteral("«Método de Bishop: Fator de segurança adotado» "
                                               "não é um número válido.")));
        QVERIFY(!csv->isEnabled());
        Escrever(Metcal, "eFatsegbishop", QStringLiteral("1,3"));
        Escrever(Metcal, "ePosrefbishop", QStringLiteral("0"));
        bishop->setChecked(false);
        bishop->setChecked(true);
        QTRY_VERIFY_WITH_TIMEOUT(csv->isEnabled(), 20000);
        QCOMPARE(tabela->columnCount(), 6);
        QCOMPARE(tabela->horizontalHeaderItem(4)->text(), QStringLiteral("Bishop"));
        const QStringList comBishop = mediasVistas();
        QCOMPARE(comBishop.mid(0, 4) + comBishop.mid(5), medias);
        QVERIFY(LocaleDosNumeros().toDouble(comBishop[4]) > 100);
        VerificarTextosInteiros(janela);

        DigitarEm(janela, "eAmostras", QStringLiteral("200000"));
        Clicar(janela, "bCancelar");
        QVERIFY(Rotulo(janela, "lMensagem").startsWith(QStringLiteral("Cálculo interrompido.")));
        QVERIFY(!csv->isEnabled());
        QCOMPARE(mediasVistas(), QStringList(6));

        Achar<QComboBox>(janela, QStringLiteral("cbDistCS"))->setCurrentIndex(1);
        Achar<QCheckBox>(janela, QStringLiteral("chCorrelacionadas"))->setChecked(false);
    });
    Clicar(Metcal, "bConfiabilidade");
    const Projeto digitado = ProjetoDasTelas();
    for (const auto& [chave, texto] :
         {std::pair{"CVCS", "20"}, std::pair{"DistCS", "normal"},
          std::pair{"Correlacionadas", "nao"}, std::pair{"Amostras", "200000"},
          std::pair{"Semente", "7"}, std::pair{"BishopConfiabilidade", "sim"}}) {
        QCOMPARE(TextoDigitado(digitado, chave), QString::fromLatin1(texto));
    }
    programa.arquivo = pasta.filePath(QStringLiteral("obra.veltra"));
    QVERIFY(MostrarEEsperar(Entdad));
    Clicar(Entdad, "bSalvar");
    Achar<QComboBox>(Janela(Confiabilidade), QStringLiteral("cbDistCS"))->setCurrentIndex(0);
    Achar<QCheckBox>(Janela(Confiabilidade), QStringLiteral("chCorrelacionadas"))->setChecked(true);
    Achar<QCheckBox>(Janela(Confiabilidade), QStringLiteral("chBishopConfiabilidade"))
        ->setChecked(false);
    Escrever(Confiabilidade, "eCVCS", QStringLiteral("5"));
    programa.resposta = Resposta::Nao;
    Clicar(Entdad, "bAbrir");
    QCOMPARE(ProjetoDasTelas(), digitado);
    QCOMPARE(programa.mensagens, QStringList());
}

QTEST_MAIN(TstObra)
#include "tst_obra.moc"
