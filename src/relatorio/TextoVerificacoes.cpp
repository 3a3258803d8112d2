#include "TextoVerificacoes.h"

#include "data/FormatoGeral.h"

#include <cmath>

namespace {

QString Fmt(const std::optional<long double>& v) {
    return v ? QString::fromStdString(FormatoGeral(*v)) : QStringLiteral("—");
}

LinhaDeTexto Linha(const QString& nome, const LinhaVerificacao& l, const QString& exigencia) {
    LinhaDeTexto t{nome,
                   Fmt(l.valor),
                   l.requerido ? QStringLiteral("%1 %2").arg(l.maximo ? QStringLiteral("≤")
                                                                      : QStringLiteral("≥"),
                                                             exigencia.arg(Fmt(l.requerido)))
                               : QStringLiteral("—"),
                   QString::fromUtf8(TextoDoVeredito(l.veredito)),
                   l.veredito,
                   QString::fromStdString(l.motivo)};
    return t;
}

} // namespace

std::vector<LinhaDeTexto> LinhasDasVerificacoes(const EntradaVerificacoes& e,
                                                const ResultadoVerificacoes& r) {
    std::vector<LinhaDeTexto> linhas;
    const bool empuxo = r.PA > 0;
    linhas.push_back({QStringLiteral("Empuxo ativo do aterro, PA (kN/m)"),
                      empuxo ? Fmt(r.PA) : QStringLiteral("—"), QStringLiteral("—"), QString(),
                      Veredito::Calculado,
                      empuxo ? QStringLiteral("Ka = %1").arg(Fmt(r.Ka)) : QString()});
    linhas.push_back(Linha(QStringLiteral("Espalhamento lateral, Tls = FSdesl·PA (kN/m)"),
                           r.espalhamento, QStringLiteral("Td = %1")));
    LinhaDeTexto deslizamento = Linha(QStringLiteral("Deslizamento do aterro sobre o reforço, FSd"),
                                      r.deslizamento, QStringLiteral("FSdesl = %1"));
    if (r.R) {
        // The resistance beside the factor, so that FSd = R/PA can be checked by hand.
        deslizamento.motivo = QStringLiteral("R = %1 kN/m").arg(Fmt(r.R));
    }
    linhas.push_back(deslizamento);
    linhas.push_back(Linha(QStringLiteral("Extrusão da camada mole, FSe"), r.extrusao,
                           QStringLiteral("FSext = %1")));
    linhas.push_back(Linha(QStringLiteral("Capacidade de carga da fundação, FSc"), r.capacidade,
                           QStringLiteral("FScap = %1")));
    LinhaDeTexto governante = Linha(QStringLiteral("Força governante (kN/m)"), r.governante, {});
    if (r.governante.veredito == Veredito::Calculado) {
        governante.resultado = QString::fromStdString(r.fonte);
    } else if (!r.fonte.empty()) {
        governante.motivo =
            QStringLiteral("%1 (%2)").arg(governante.motivo, QString::fromStdString(r.fonte));
    }
    // The choice, and beside it what may make the force counted short.
    const QString escolha =
        QStringLiteral("escolha: %1").arg(QString::fromUtf8(NomeDaEscolha(e.escolha)));
    if (governante.motivo.isEmpty()) {
        governante.motivo = escolha;
    } else if (r.governante.veredito == Veredito::Calculado) {
        governante.motivo = QStringLiteral("%1; %2").arg(escolha, governante.motivo);
    }
    linhas.push_back(governante);
    LinhaDeTexto td = Linha(QStringLiteral("Resistência de projeto, Td = Tult/(FRid·FRfl·FRdq) "
                                           "(kN/m)"),
                            r.resistencia, QStringLiteral("%1"));
    if (r.uso) {
        td.motivo = QStringLiteral("uso %1 %")
                        .arg(QString::fromStdString(FormatoGeral(std::round(*r.uso * 10) / 10)));
    }
    linhas.push_back(td);
    linhas.push_back(
        Linha(QStringLiteral("Rigidez requerida, J = força/Epsadm (kN/m)"), r.rigidez, {}));
    return linhas;
}

const char* CorDoVeredito(Veredito veredito) {
    switch (veredito) {
    case Veredito::Atende:
        return "#1a7f2e";
    case Veredito::NaoAtende:
        return "#b00020";
    case Veredito::NaoSeAplica:
    case Veredito::NaoVerificado:
    case Veredito::Calculado:
        break;
    }
    return "#606060";
}
