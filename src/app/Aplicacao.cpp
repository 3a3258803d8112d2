#include "Aplicacao.h"

#include "data/Mensagens.h"
#include "data/ParseReal.h"
#include "screens/Tela.h"
#include "screens/Uapres.h"
#include "screens/Uentdad.h"
#include "screens/Umetod.h"
#include "screens/Usolkan.h"
#include "screens/Usollow.h"
#include "screens/uAjuda1.h"
#include "screens/uApresGeo.h"
#include "screens/uBibl.h"
#include "screens/uCaso10.h"
#include "screens/uCaso2.h"
#include "screens/uCaso3.h"
#include "screens/uCaso4.h"
#include "screens/uEns.h"
#include "screens/uEsquema.h"
#include "screens/uGeotextil.h"
#include "screens/uHipKan.h"
#include "screens/uHipLow.h"
#include "screens/uTab1.h"
#include "screens/uTab2.h"

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>

#include <cfenv>

namespace {
template <class T> void Criar(T*& instancia) {
    instancia = new T;
}
template <class T> void Destruir(T*& instancia) {
    delete instancia;
    instancia = nullptr;
}

char SeparadorDoLocal() {
    const QString ponto = QLocale::system().decimalPoint();
    if (ponto.size() == 1 && ponto.at(0).unicode() < 0x80) {
        return static_cast<char>(ponto.at(0).unicode());
    }
    return '.';
}
} // namespace

void MostrarCaixaMensagem(const std::string& texto) {
    // Like a modal window, the box leaves the window under it active again when it closes.
    QPointer<QWidget> ativa = QApplication::activeWindow();
    QMessageBox caixa(QMessageBox::NoIcon, QStringLiteral("Veltra"), QString::fromStdString(texto),
                      QMessageBox::Ok, ativa);
    caixa.setObjectName(QStringLiteral("CaixaMensagem"));
    caixa.exec();
    if (ativa && ativa->isVisible()) {
        ativa->activateWindow();
    }
}

ConjuntoTelas::ConjuntoTelas() {
    Criar(Apres);
    Criar(Solkan);
    Criar(Entdad);
    Criar(Metcal);
    Criar(Sollow);
    Criar(Geot);
    Criar(Esquema);
    Criar(HipKan);
    Criar(HipLow);
    Criar(Bibl);
    Criar(ApresGeo);
    Criar(fCaso2);
    Criar(fCaso3);
    Criar(fCaso4);
    Criar(fAjuda1);
    Criar(fEns);
    Criar(fCaso10);
    Criar(fTab1);
    Criar(fTab2);
}

ConjuntoTelas::~ConjuntoTelas() {
    Destruir(fTab2);
    Destruir(fTab1);
    Destruir(fCaso10);
    Destruir(fEns);
    Destruir(fAjuda1);
    Destruir(fCaso4);
    Destruir(fCaso3);
    Destruir(fCaso2);
    Destruir(ApresGeo);
    Destruir(Bibl);
    Destruir(HipLow);
    Destruir(HipKan);
    Destruir(Esquema);
    Destruir(Geot);
    Destruir(Sollow);
    Destruir(Metcal);
    Destruir(Entdad);
    Destruir(Solkan);
    Destruir(Apres);
}

std::unique_ptr<ConjuntoTelas> IniciarVeltra(QApplication& aplicacao) {
    // Round to nearest in extended precision; the analyses test the exception flags themselves.
    std::fesetround(FE_TONEAREST);

    DefinirSeparadorDecimal(SeparadorDoLocal());

    QFont fonte(QStringLiteral("Sans Serif"), 8);
    fonte.setStyleHint(QFont::SansSerif);
    aplicacao.setFont(fonte);
    aplicacao.setApplicationDisplayName(QString());
    aplicacao.setQuitOnLastWindowClosed(false);

    DefinirExibidorMensagens(MostrarCaixaMensagem);

    // The opening screen, created first, installs the error handler (AppException).
    auto telas = std::make_unique<ConjuntoTelas>();
    Apres->Mostrar();
    return telas;
}
