#pragma once

#include "SegundoPlano.h"
#include "Tela.h"
#include "calc/Varredura.h"

#include <array>
#include <memory>
#include <optional>

namespace Ui {
class TEstudo;
}

class QLabel;

// The parametric study: the required forces against one value of the problem (every other value
// as typed on the data-entry and methods screens), the reinforcement's allowable strength as a
// line, and for each force how far the variable can go before the force passes it. Recomputed as
// the user types; large sweeps, and those with Bishop's force, run in the background. Opens
// modally over the methods screen.
class TEstudo : public Tela {
    Q_OBJECT
public:
    explicit TEstudo(QWidget* parent = nullptr);
    ~TEstudo() override;

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void LerDadosDigitados();
    void VariavelEscolhida();
    void IntervaloPadrao();
    void GeotextilEscolhido();
    void AjustarGeotextil();
    void Recalcular();
    QString LerPedido(PedidoEstudo& pedido);
    void Entregar(EstudoParametrico estudo);
    void Exibir();
    void ExibirErro(const QString& mensagem);
    void MostrarLinhaBishop(bool visivel);
    const EstudoParametrico* Desenhado() const;
    void bCancelarClick();
    void bCsvClick();
    void bImagemClick();
    void bImprimirClick();
    void bFecharClick();

    std::unique_ptr<Ui::TEstudo> ui;
    std::array<QLabel*, NumeroDeForcas> lNome_{};
    std::array<QLabel*, NumeroDeForcas> lProjeto_{};
    std::array<QLabel*, NumeroDeForcas> lLimite_{};
    // The typed values, read each time the window opens; none when one is not a number.
    std::optional<DadosAnalise> dados_;
    QString erroDados_;
    SegundoPlano<EstudoParametrico> trabalho_; // the background sweep, if any: the latest wins
    std::optional<EstudoParametrico> estudo_;  // the study the window shows
};
