// Every window of the program drawn at the program's font: no label, button or group-box title
// may have its text cut by its control. Each window is also written as a PNG for a person to look
// at (<build>/png/<class>.png).

#include "support/Apoio.h"

#include "screens/Tela.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOption>

namespace {
QString Descrever(const QWidget* w, const QString& texto, QSize precisa, QSize tem) {
    return QStringLiteral("%1 \"%2\": precisa %3x%4, cabe %5x%6")
        .arg(w->objectName(), QString(texto).replace(u'\n', QStringLiteral("\\n")))
        .arg(precisa.width())
        .arg(precisa.height())
        .arg(tem.width())
        .arg(tem.height());
}

bool Cabe(QSize precisa, QSize tem) {
    return precisa.width() <= tem.width() && precisa.height() <= tem.height();
}

// The room a control gives its text and the room the text needs, at the control's own font. The
// program's labels are plain text.
void VerificarRotulo(QLabel* rotulo, QStringList& cortados) {
    const QString texto = rotulo->text();
    const int m = rotulo->margin();
    QRect area = rotulo->contentsRect().adjusted(m + std::max(0, rotulo->indent()), m, -m, -m);
    int flags = int(rotulo->alignment()) | (rotulo->wordWrap() ? Qt::TextWordWrap : 0) |
                (rotulo->buddy() ? Qt::TextShowMnemonic : 0);
    const QSize precisa = rotulo->fontMetrics().boundingRect(area, flags, texto).size();
    if (!texto.isEmpty() && !Cabe(precisa, area.size())) {
        cortados << Descrever(rotulo, texto, precisa, area.size());
    }
}

void VerificarBotao(QPushButton* botao, QStringList& cortados) {
    const QString texto = botao->text();
    QStyleOptionButton opcao;
    opcao.initFrom(botao);
    opcao.text = texto;
    if (botao->autoDefault()) {
        opcao.features |= QStyleOptionButton::AutoDefaultButton;
    }
    if (botao->isDefault()) {
        opcao.features |= QStyleOptionButton::DefaultButton;
    }
    const QRect area = botao->style()->subElementRect(QStyle::SE_PushButtonContents, &opcao, botao);
    const QSize precisa = botao->fontMetrics().size(Qt::TextShowMnemonic, texto);
    if (!texto.isEmpty() && !Cabe(precisa, area.size())) {
        cortados << Descrever(botao, texto, precisa, area.size());
    }
}

void VerificarGrupo(QGroupBox* grupo, QStringList& cortados) {
    const QString titulo = grupo->title();
    if (titulo.isEmpty()) {
        return;
    }
    QStyleOptionGroupBox opcao;
    opcao.initFrom(grupo);
    opcao.text = titulo;
    opcao.lineWidth = 1;
    opcao.midLineWidth = 0;
    opcao.textAlignment = grupo->alignment();
    opcao.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (grupo->isCheckable()) {
        opcao.subControls |= QStyle::SC_GroupBoxCheckBox;
    }
    if (grupo->isFlat()) {
        opcao.features |= QStyleOptionFrame::Flat;
    }
    const QRect rotulo = grupo->style()->subControlRect(QStyle::CC_GroupBox, &opcao,
                                                        QStyle::SC_GroupBoxLabel, grupo);
    const QSize precisa = grupo->fontMetrics().size(Qt::TextShowMnemonic, titulo);
    if (!grupo->rect().contains(rotulo) || rotulo.width() < precisa.width()) {
        cortados << Descrever(grupo, titulo, precisa, rotulo.intersected(grupo->rect()).size());
    }
}

bool DentroDeBarraDeStatus(QWidget* w) {
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
        if (qobject_cast<QStatusBar*>(p)) {
            return true;
        }
    }
    return false;
}

} // namespace

class TstRenderizacao : public QObject {
    Q_OBJECT
private slots:
    void verificacaoAchaTextoCortado();
    void textosCabemNosControles_data();
    void textosCabemNosControles();
};

// The check itself: controls one pixel too small are reported, controls just wide enough are not.
void TstRenderizacao::verificacaoAchaTextoCortado() {
    ProgramaEmTeste programa;
    QWidget janela;
    const QString texto = QStringLiteral("Hipóteses de &Kaniraj");
    auto* rotulo = new QLabel(QStringLiteral("Altura do aterro (m)"), &janela);
    auto* quebrado = new QLabel(QStringLiteral("linha um\nlinha dois mais longa"), &janela);
    auto* botao = new QPushButton(texto, &janela);
    auto* grupo = new QGroupBox(QStringLiteral("Solo de fundação"), &janela);
    const QFontMetrics fm(QApplication::font());
    const QSize rotuloJusto = fm.boundingRect(rotulo->text()).size();
    const QSize quebradoJusto =
        fm.boundingRect(QRect(0, 0, 1000, 1000), Qt::AlignLeft, quebrado->text()).size();
    rotulo->setGeometry(0, 0, rotuloJusto.width(), rotuloJusto.height());
    quebrado->setGeometry(0, 20, quebradoJusto.width(), quebradoJusto.height());
    const int larguraBotao = fm.size(Qt::TextShowMnemonic, texto).width();
    const int moldura = botao->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, botao);
    botao->setGeometry(0, 60, larguraBotao + 2 * moldura, 25);
    const int larguraTitulo = fm.horizontalAdvance(grupo->title());
    grupo->setGeometry(0, 90, larguraTitulo + 20, 40);
    janela.show();
    QVERIFY(QTest::qWaitForWindowExposed(&janela));

    QStringList cortados;
    VerificarRotulo(rotulo, cortados);
    VerificarRotulo(quebrado, cortados);
    VerificarBotao(botao, cortados);
    VerificarGrupo(grupo, cortados);
    QVERIFY2(cortados.isEmpty(), qPrintable(cortados.join(u'\n')));

    rotulo->resize(rotulo->width() - 1, rotulo->height());
    quebrado->resize(quebrado->width(), quebrado->height() - 1);
    botao->resize(larguraBotao, botao->height()); // no room left for the frame
    grupo->resize(larguraTitulo - 1, grupo->height());
    VerificarRotulo(rotulo, cortados);
    VerificarRotulo(quebrado, cortados);
    VerificarBotao(botao, cortados);
    VerificarGrupo(grupo, cortados);
    QVERIFY2(cortados.size() == 4, qPrintable(cortados.join(u'\n')));
}

void TstRenderizacao::textosCabemNosControles_data() {
    QTest::addColumn<QString>("classe");
    for (const char* classe :
         {"TApres", "TSolkan", "TEntdad", "TMetcal", "TSollow", "TGeot", "TEsquema", "THipKan",
          "THipLow", "TBibl", "TApresGeo", "TfCaso2", "TfCaso3", "TfCaso4", "TfAjuda1", "TfEns",
          "TfCaso10", "TfTab1", "TfTab2"}) {
        QTest::newRow(classe) << QString::fromLatin1(classe);
    }
}

void TstRenderizacao::textosCabemNosControles() {
    QFETCH(QString, classe);
    ProgramaEmTeste programa;
    Tela* tela = TelaPeloNome(classe);
    // Shown as the user sees it (a modal window too, without its modal run).
    tela->show();
    QVERIFY(QTest::qWaitForWindowExposed(tela));
    QStringList cortados;
    for (QLabel* rotulo : tela->findChildren<QLabel*>()) {
        if (rotulo->isVisibleTo(tela) && !DentroDeBarraDeStatus(rotulo)) {
            VerificarRotulo(rotulo, cortados);
        }
    }
    for (QPushButton* botao : tela->findChildren<QPushButton*>()) {
        if (botao->isVisibleTo(tela)) {
            VerificarBotao(botao, cortados);
        }
    }
    for (QGroupBox* grupo : tela->findChildren<QGroupBox*>()) {
        if (grupo->isVisibleTo(tela)) {
            VerificarGrupo(grupo, cortados);
        }
    }
    GravarPng(tela, classe);
    tela->hide();
    QVERIFY2(cortados.isEmpty(), qPrintable(QStringLiteral("Texto cortado em %1:\n  ").arg(classe) +
                                            cortados.join(QStringLiteral("\n  "))));
}

QTEST_MAIN(TstRenderizacao)
#include "tst_renderizacao.moc"
