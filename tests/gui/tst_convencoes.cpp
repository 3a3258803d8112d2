// The conventions every screen shares, checked on each in turn in one running program: no
// text cut by its control, the first focus, Tab through the form's tab stops with the focus texts
// the form gives them, every focus text and hint whole in the status bar, Esc, the frame, the
// print button, and what becomes of the screen when another one becomes active. Then the shell
// around them: the buttons that only open another screen, activation from outside the
// program, the close box, the focus kept, the error handler and its message box, printing, the
// start and the end of the program.

#include "support/Apoio.h"

#include "data/EstadoExecucao.h"
#include "data/Mensagens.h"
#include "screens/Impressao.h"
#include "screens/SegundoPlano.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <new>
#include <stdexcept>
#include <tuple>

using enum IdTela;

namespace {
// The screen; its kind; its tab stops, from the first focus; how many of them have a focus text;
// whether Tab on the last stop comes back to the first; its print button.
using Convencao = std::tuple<IdTela, Tela::Tipo, QString, int, bool, QString>;

// The screen's image printed on an A4 PDF page without margins: the file, empty if none was
// written.
QByteArray ImprimirEmPdf(QWidget* tela, const QString& arquivo) {
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(arquivo);
    impressora.setPageSize(QPageSize(QPageSize::A4));
    impressora.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QFile pdf(arquivo);
    if (!ImprimirImagem(ImagemDaTela(tela), impressora) || !pdf.open(QIODevice::ReadOnly)) {
        return {};
    }
    return pdf.readAll();
}

// The buttons' accelerator letters that more than one button takes; captions the program
// always had may share one (the methods screen's two "&Hipóteses").
QStringList AceleradoresRepetidos(const QWidget* tela) {
    QMultiHash<QChar, QString> porLetra;
    for (const QAbstractButton* botao : tela->findChildren<QAbstractButton*>()) {
        const QString texto = botao->text();
        for (qsizetype i = texto.indexOf(u'&'); i >= 0 && i + 1 < texto.size();
             i = texto.indexOf(u'&', i + 2)) {
            if (texto.at(i + 1) != u'&') {
                porLetra.insert(texto.at(i + 1).toLower(), texto);
                break;
            }
        }
    }
    QStringList repetidos;
    for (const QChar letra : porLetra.uniqueKeys()) {
        const QStringList textos = porLetra.values(letra);
        if (textos.size() > 1 && textos != QStringList(textos.size(), textos.first())) {
            repetidos << textos.join(QStringLiteral(" / "));
        }
    }
    return repetidos;
}

// The active screen as the user finds it: its first focus, Esc closing nothing, the print button,
// then Tab through the stops in order. A stop whose form gives it a focus text writes that text;
// on a screen with focus texts any other stop leaves the bar as it was.
// Last, every focus text and hint of the screen fits its status bar whole.
void VerificarTela(Tela* tela, const Convencao& convencao, QStringList& mensagens) {
    const auto& [id, tipo, paradas, comTexto, volta, imprimir] = convencao;
    const QStringList ordem = paradas.split(u' ');
    QVERIFY(tela->isActiveWindow());
    VerificarTextosInteiros(tela);
    // Inside the screen's available area, title bar included, whatever the screen.
    QVERIFY(tela->screen()->availableGeometry().contains(tela->frameGeometry()));
    const QStringList repetidos = AceleradoresRepetidos(tela);
    QVERIFY2(repetidos.isEmpty(), qPrintable(repetidos.join(u'\n')));
    QTest::keyClick(tela, Qt::Key_Escape);
    QVERIFY(tela->isVisible());
    if (!imprimir.isEmpty()) {
        QTemporaryDir pasta;
        const QByteArray pdf = ImprimirEmPdf(tela, pasta.filePath(QStringLiteral("tela.pdf")));
        QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"), 1);
        if (QPrinterInfo::defaultPrinter().isNull()) {
            Achar<QPushButton>(tela, imprimir)->click();
            QCOMPARE(mensagens, QStringList{semImpressora});
            QVERIFY(tela->isActiveWindow());
            mensagens.clear();
        }
    }
    int textos = 0;
    QString anterior = tela->TextoStatus();
    for (int i = 0; i < ordem.size() + (volta ? 1 : 0); ++i) {
        if (i > 0) {
            QTest::keyClick(Focado(), Qt::Key_Tab);
        }
        QVERIFY(Focado());
        QCOMPARE(Focado()->objectName(), ordem.at(i % ordem.size()));
        const QVariant texto = Focado()->property(PropriedadeTextoStatus);
        if (texto.isValid()) {
            textos += i < ordem.size() ? 1 : 0;
            QCOMPARE(tela->TextoStatus(), texto.toString());
        } else if (comTexto > 0) {
            QCOMPARE(tela->TextoStatus(), anterior);
        }
        anterior = tela->TextoStatus();
    }
    QCOMPARE(textos, comTexto);
    if (auto* painel = tela->findChild<QLabel*>(QStringLiteral("Painel"))) {
        QStringList dicas{tela->statusTip()};
        for (QWidget* w : tela->findChildren<QWidget*>()) {
            dicas << w->property(PropriedadeTextoStatus).toString() << w->statusTip();
        }
        for (const QString& dica : dicas) {
            tela->EscreverStatus(dica);
            QVERIFY2(painel->heightForWidth(painel->width()) <= painel->height(), qPrintable(dica));
            QVERIFY2(painel->geometry().bottom() <= tela->height(), qPrintable(dica));
        }
    }
}

// Runs the action from inside the program's event loop and returns the loop's exit code (7 when
// the loop is still running five seconds later).
int ExecutarAteOFim(const std::function<void()>& acao) {
    QTimer guarda;
    QObject::connect(&guarda, &QTimer::timeout, qApp, [] { QCoreApplication::exit(7); });
    guarda.start(5000);
    QTimer::singleShot(0, qApp, acao);
    return QApplication::exec();
}
} // namespace

class TstConvencoes : public QObject {
    Q_OBJECT
    std::unique_ptr<ProgramaEmTeste> programa;

private slots:
    void initTestCase();
    void cadaTela_data();
    void cadaTela();
    void botoesQueAbremOutraTela_data();
    void botoesQueAbremOutraTela();
    void ativacaoDeForaECaixaDeFechar();
    void focoEStatusNaVolta();
    void erroNaCaixaDeMensagemReal();
    void trabalhoEmSegundoPlano();
    void ajusteAPagina();
    void paginaComATelaNoCanto();
    void fimDoProgramaComCodigoZero();
    void cleanupTestCase();
};

// At start-up only the opening screen is shown, and active; "&Iniciar" focused is cadaTela's first
// row.
void TstConvencoes::initTestCase() {
    programa = std::make_unique<ProgramaEmTeste>();
    for (int i = 0; i < NumeroDeTelas; ++i) {
        QCOMPARE(Janela(IdTela(i))->isVisible(), IdTela(i) == Apres);
    }
    QCOMPARE(Tela::TelaAtiva(), Janela(Apres));
}

void TstConvencoes::cadaTela_data() {
    QTest::addColumn<Convencao>("caso");
    const auto linha = [](const char* nome, IdTela id, Tela::Tipo tipo, const char* ordem,
                          int comTexto, bool volta, const char* imprimir) {
        QTest::newRow(nome) << Convencao{id, tipo, ordem, comTexto, volta, imprimir};
    };
    using enum Tela::Tipo;
    const char* const folha = "bFechar";
    // On the methods screen Tab leaving "&Sair" acts as "&Sair"; the introduction's text takes a
    // Tab as text.
    // clang-format off
    linha("Apres", Apres, Principal, "bIni lRecentes bAbrir bSair", 0, true, "");
    linha("Solkan", Solkan, Normal, "bDados2 bImp3 bExit3 bGeot1 bRuptura bRelatorio", 0, true, "bImp3");
    linha("Entdad", Entdad, Normal, "eAlt eDecl ePesesp eCoesao eAngat eAltberma eLargberma eProf "
                                    "eDist eSuperf eProfZ eCont eDescricao bContin bImp1 bExit bAbrir "
                                    "bSalvar bSalvarComo", 19, true, "bImp1");
    linha("Metcal", Metcal, Normal, "eFatsegkan ePosref bCalkan bEsq1 eFatseglow bCallow bEsq2 "
                                    "eFatsegbishop ePosrefbishop chTrincaBishop bCalbishop "
                                    "bEstudo bVerificacoes bConfiabilidade bDados1 bImp2 bExit2", 17, false, "bImp2");
    linha("Sollow", Sollow, Normal, "bDados3 bImp4 bExit4 bGeot1 bRuptura bRelatorio", 0, true, "bImp4");
    linha("Solbishop", Solbishop, Normal, "bDados4 bImp5 bExit5 bGeot1 bRuptura bRelatorio", 0, true, "bImp5");
    linha("Geot", Geot, SemDesativacao, "eCoeGeo1 eAngGeo1 eCoeGeo2 eAngGeo2 eFS1 bFS bCalc bDados "
                                        "bEns bSair", 5, true, "");
    linha("Esquema", Esquema, Normal, "bCont1 bKan bLow bBibl bSair", 0, true, "");
    linha("HipKan", HipKan, Modal, "Memo1 bFec1", 0, true, "");
    linha("HipLow", HipLow, Modal, "bFec2 Memo1", 0, true, "");
    linha("Bibl", Bibl, Modal, "bFec3 Memo1", 0, true, "");
    linha("ApresGeo", ApresGeo, Normal, "bEntGeo bSair Memo1", 0, false, "");
    linha("fCaso2", fCaso2, Modal, folha, 0, true, "");
    linha("fCaso3", fCaso3, Modal, folha, 0, true, "");
    linha("fCaso4", fCaso4, Modal, folha, 0, true, "");
    linha("fAjuda1", fAjuda1, Modal, "bFechar Memo1", 0, true, "");
    linha("fEns", fEns, Normal, "ScrollBox1 bCaso1 Button11 Button1 Button2 bCaso4 bCaso5 bCaso6 "
                                "bCaso7 Button3 Button4 Button12 Button5 Button6 Button13 Button7 "
                                "Button8 Button14 Button10 Button9 Button15 Button16 bFechar", 0, true, "");
    linha("fCaso10", fCaso10, Modal, folha, 0, true, "");
    linha("fTab1", fTab1, Modal, folha, 0, true, "");
    linha("fTab2", fTab2, Modal, folha, 0, true, "");
    linha("Estudo", Estudo, Modal, "cbVariavel eDe eAte ePontos chBishop cbGeotextil eResistencia "
                                   "eReducao bFechar", 9, true, "");
    linha("Superficies", Superficies, Modal, "bFechar bImprimir bSalvarImagem", 3, true, "bImprimir");
    linha("Verificacoes", Verificacoes, Modal, "eFSdesl eFSext eFScap eTult eFRid eFRfl eFRdq eEpsadm "
                                               "cbForca bFechar", 10, true, "");
    linha("Confiabilidade", Confiabilidade, Modal, "eCVgama cbDistgama eCVc cbDistc eCVphi cbDistphi "
          "eCVCS cbDistCS eCVCZ cbDistCZ eCVCF cbDistCF eCVT cbDistT chCorrelacionadas eAmostras "
          "eSemente eTdConfiabilidade chBishopConfiabilidade tResultados bFechar", 20, true, "");
    // clang-format on
}

// A screen hides when another screen of the program becomes active only if it is a Normal one; a
// modal window runs over its opener, which stays on screen as the active screen and is the active
// window again once the modal window's close box ends the run.
void TstConvencoes::cadaTela() {
    QFETCH(Convencao, caso);
    const IdTela id = std::get<0>(caso);
    const Tela::Tipo tipo = std::get<1>(caso);
    Tela* tela = Janela(id);
    // The sketch, the drawing of the failure, the study and the checks resize.
    QCOMPARE(tela->minimumSize() == tela->maximumSize(), id != Esquema && id != Superficies &&
                                                             id != Estudo && id != Verificacoes &&
                                                             id != Confiabilidade);
    if (tipo == Tela::Tipo::Modal) {
        QVERIFY(MostrarEEsperar(Esquema));
        bool abridorFica = false;
        QuandoModal([&](QWidget* modal) {
            abridorFica = modal == tela && Janela(Esquema)->isVisible() &&
                          Tela::TelaAtiva() == Janela(Esquema);
            VerificarTela(tela, caso, programa->mensagens);
            tela->close();
        });
        Telas::MostrarModal(id);
        QVERIFY(abridorFica);
        QVERIFY(!tela->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), Janela(Esquema));
        QCOMPARE(Tela::TelaAtiva(), Janela(Esquema));
        return;
    }
    QVERIFY(MostrarEEsperar(id));
    VerificarTela(tela, caso, programa->mensagens);
    const IdTela outra = id == Apres ? Esquema : Apres;
    QVERIFY(MostrarEEsperar(outra));
    QCOMPARE(tela->isVisible(), tipo != Tela::Tipo::Normal);
    QCOMPARE(Tela::TelaAtiva(), Janela(outra));
    if (tipo == Tela::Tipo::SemDesativacao) {
        QVERIFY(tela->close());
        QVERIFY(!tela->isVisible());
    }
    QVERIFY(programa->mensagens.isEmpty());
}

// The screen, its button, the screen it opens, whether the screen pressed stays on screen.
using Botao = std::tuple<IdTela, const char*, IdTela, bool>;

void TstConvencoes::botoesQueAbremOutraTela_data() {
    QTest::addColumn<Botao>("caso");
    const auto linha = [](IdTela de, const char* botao, IdTela para, bool deFica) {
        QTest::addRow("%d %s", int(de), botao) << Botao{de, botao, para, deFica};
    };
    linha(Apres, "bIni", Esquema, true);
    linha(Esquema, "bCont1", Entdad, false);
    linha(Esquema, "bSair", Apres, false);
    linha(Entdad, "bExit", Apres, false);
    linha(Solkan, "bExit3", Apres, false);
    linha(Sollow, "bDados3", Entdad, false);
    linha(Sollow, "bExit4", Apres, false);
    linha(ApresGeo, "bEntGeo", Geot, false);
    linha(ApresGeo, "bSair", Apres, false);
    // The anchorage screen stays open under the data and the catalogue; "&Sair" closes it.
    linha(Geot, "bDados", Entdad, true);
    linha(Geot, "bEns", fEns, true);
    linha(Geot, "bSair", Apres, false);
}

void TstConvencoes::botoesQueAbremOutraTela() {
    QFETCH(Botao, caso);
    const auto& [de, botao, para, deFica] = caso;
    QVERIFY(MostrarEEsperar(de));
    Clicar(de, botao);
    QVERIFY(EsperarAtiva(para));
    QCOMPARE(Janela(de)->isVisible(), deFica);
    QVERIFY(programa->mensagens.isEmpty());
}

// Another application taking the focus and giving it back is no new activation (the results are
// not written again); the close box is a deactivation (showing the screen again writes them).
void TstConvencoes::ativacaoDeForaECaixaDeFechar() {
    Tela* solkan = Janela(Solkan);
    Execucao().Fatsegkan = 1.5L;
    QVERIFY(MostrarEEsperar(Solkan));
    QCOMPARE(Texto(Solkan, "eFatsegsol1"), QStringLiteral("1,5"));
    Execucao().Fatsegkan = 2;
    QApplication::setActiveWindow(nullptr);
    QVERIFY(solkan->isVisible());
    solkan->activateWindow();
    QVERIFY(EsperarAtiva(Solkan));
    QCOMPARE(Texto(Solkan, "eFatsegsol1"), QStringLiteral("1,5"));
    QVERIFY(solkan->close());
    QVERIFY(!solkan->isVisible());
    QVERIFY(Janela(Apres)->isVisible());
    QVERIFY(MostrarEEsperar(Solkan));
    QCOMPARE(Texto(Solkan, "eFatsegsol1"), QStringLiteral("2"));
    ReiniciarExecucao();
}

// Hidden by another screen and shown again, a screen has its focus where the user left it, and
// that return writes no focus text: the bar keeps what it said. A new focus writes its own.
void TstConvencoes::focoEStatusNaVolta() {
    Tela* entdad = Janela(Entdad);
    QVERIFY(MostrarEEsperar(Entdad));
    auto* altura = Achar<QLineEdit>(entdad, QStringLiteral("eAlt"));
    altura->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(altura, Qt::Key_Tab);
    QWidget* declividade = Focado();
    entdad->EscreverStatus(QStringLiteral("marca"));
    QVERIFY(MostrarEEsperar(Apres));
    QVERIFY(!entdad->isVisible());
    QVERIFY(MostrarEEsperar(Entdad));
    QCOMPARE(Focado(), declividade);
    QCOMPARE(entdad->TextoStatus(), QStringLiteral("marca"));
    QTest::mouseClick(altura, Qt::LeftButton);
    QCOMPARE(entdad->TextoStatus(), altura->property(PropriedadeTextoStatus).toString());
}

// A field that is not a number, through the real handlers: the button stops, the application's
// handler puts the one conversion message in the program's box ("Veltra", one button) over the
// screen, which stays the active screen and is the active window again once the box is closed.
void TstConvencoes::erroNaCaixaDeMensagemReal() {
    DefinirExibidorMensagens(MostrarCaixaMensagem);
    QVERIFY(MostrarEEsperar(Entdad));
    Digitar(Entdad, "eAlt", QString());
    QStringList visto;
    QuandoModal([&visto](QWidget* modal) {
        if (auto* caixa = qobject_cast<QMessageBox*>(modal)) {
            const bool telaFica =
                Janela(Entdad)->isVisible() && Tela::TelaAtiva() == Janela(Entdad);
            visto << caixa->windowTitle() << caixa->text()
                  << QString::number(caixa->buttons().size()) << QVariant(telaFica).toString();
        }
        modal->close();
    });
    Clicar(Entdad, "bContin");
    DefinirExibidorMensagens(
        [this](const std::string& texto) { programa->mensagens << QString::fromStdString(texto); });
    QCOMPARE(visto, QStringList({"Veltra", mensagemConversao, "1", "true"}));
    QVERIFY(EsperarAtiva(Entdad));
    QVERIFY(!Janela(Metcal)->isVisible());

    // Any other error reaching the installed handler is not dropped in silence.
    TratarErro(std::make_exception_ptr(std::runtime_error("divisão por zero")));
    TratarErro(std::make_exception_ptr(42));
    QCOMPARE(programa->mensagens,
             (QStringList{QStringLiteral("Erro inesperado: divisão por zero"),
                          QStringLiteral("Erro inesperado: erro desconhecido.")}));
    programa->mensagens.clear();
}

// The background runner of the study, the reliability and the report: a run replaced by a newer
// one, or cancelled, delivers nothing even when it ends with a result; what a run throws reaches
// the user as the handler's message, on the windows' thread, and the program goes on.
void TstConvencoes::trabalhoEmSegundoPlano() {
    SegundoPlano<int> trabalho;
    QList<int> entregues;
    trabalho.aoTerminar = [&entregues](int resultado) { entregues << resultado; };
    std::atomic<bool> solta = false;
    // Ends with its result once released, asked or not to stop.
    const auto retida = [&solta](int resultado) {
        return [&solta, resultado](const Continuacao&) -> std::optional<int> {
            while (!solta) {
                QThread::msleep(1);
            }
            return resultado;
        };
    };
    const auto terminar = [&] {
        solta = true;
        QThreadPool::globalInstance()->waitForDone();
        QTest::qWait(50);
    };
    trabalho.Iniciar(retida(1));
    trabalho.Iniciar([](const Continuacao&) -> std::optional<int> { return 2; });
    QTRY_COMPARE(entregues, QList<int>{2});
    QVERIFY(!trabalho.EmAndamento());
    terminar();
    QCOMPARE(entregues, QList<int>{2});

    solta = false;
    trabalho.Iniciar(retida(3));
    QVERIFY(trabalho.EmAndamento());
    trabalho.Cancelar();
    QVERIFY(!trabalho.EmAndamento());
    terminar();
    QCOMPARE(entregues, QList<int>{2});

    trabalho.Iniciar([](const Continuacao&) -> std::optional<int> { throw std::bad_alloc(); });
    QTRY_COMPARE(programa->mensagens,
                 QStringList{QStringLiteral("Memória insuficiente para este cálculo: reduza o "
                                            "número de amostras ou de pontos e calcule de novo.")});
    QCOMPARE(entregues, QList<int>{2});
    programa->mensagens.clear();
}

// A4 at 600 dpi less margins: a screen wider in proportion than the page prints across the full
// width (3510,73 rounds up), a narrower one over the full height; w·P/h equal to W is not less
// than W. Rounding to the nearest, halves up; products beyond 32 bits. Each row: the screen's
// image, the page, the image as printed.
void TstConvencoes::ajusteAPagina() {
    const QSize casos[][3] = {{{522, 385}, {4760, 6779}, {4760, 3511}},
                              {{369, 328}, {6779, 4760}, {5355, 4760}},
                              {{400, 200}, {800, 400}, {800, 400}},
                              {{3, 2}, {10, 1}, {2, 1}},
                              {{4, 3}, {10, 1}, {1, 1}},
                              {{5, 6}, {2, 100}, {2, 2}},
                              {{5, 13}, {1, 100}, {1, 3}},
                              {{30000, 20000}, {100000, 100000}, {100000, 66667}}};
    for (const auto& [imagem, pagina, impresso] : casos) {
        QCOMPARE(AjustarAPagina(imagem, pagina), impresso);
    }
}

// Read back at 40 dpi (A4: 331 × 468 pixels), the geometry screen, wider in proportion than the
// page, fills the width from the top-left corner down to 387/512 of the width; below, blank paper.
void TstConvencoes::paginaComATelaNoCanto() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) {
        QSKIP("poppler-utils (pdftoppm) not installed");
    }
    QVERIFY(MostrarEEsperar(Esquema));
    QTemporaryDir pasta;
    const QString pdf = pasta.filePath(QStringLiteral("tela.pdf"));
    const QString png = pasta.filePath(QStringLiteral("pagina"));
    QVERIFY(!ImprimirEmPdf(Janela(Esquema), pdf).isEmpty());
    QCOMPARE(QProcess::execute(QStringLiteral("pdftoppm"),
                               {"-r", "40", "-png", "-singlefile", pdf, png}),
             0);
    const QImage pagina(png + QStringLiteral(".png"));
    QCOMPARE(pagina.size(), QSize(331, 468));
    const int fim = qRound(331 * 387.0 / 512.0),
              fundo = qGray(Janela(Esquema)->palette().window().color().rgb());
    for (const auto& [x, y, cinza] :
         {std::tuple{329, 2, fundo}, {165, fim - 3, fundo}, {165, fim + 4, 255}, {5, 463, 255}}) {
        QVERIFY2(qAbs(qGray(pagina.pixel(x, y)) - cinza) < 12,
                 qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }
}

// With another screen still on screen, closing the main screen by its close box, or "&Sair", ends
// the program.
void TstConvencoes::fimDoProgramaComCodigoZero() {
    for (const bool pelaCaixaDeFechar : {true, false}) {
        QVERIFY(MostrarEEsperar(Geot));
        QVERIFY(MostrarEEsperar(Apres));
        QVERIFY(Janela(Geot)->isVisible());
        const int codigo = ExecutarAteOFim([pelaCaixaDeFechar] {
            if (pelaCaixaDeFechar) {
                Janela(Apres)->close();
            } else {
                Clicar(Apres, "bSair");
            }
        });
        QCOMPARE(codigo, 0);
        QVERIFY(!Janela(Apres)->isVisible());
    }
}

void TstConvencoes::cleanupTestCase() {
    const QPointer<Tela> primeira = Janela(Apres), ultima = Janela(fTab2);
    programa.reset();
    QVERIFY(!primeira);
    QVERIFY(!ultima);
    QVERIFY(!Telas::Buscar(Apres));
}

QTEST_MAIN(TstConvencoes)
#include "tst_convencoes.moc"
