#pragma once

#include "SegundoPlano.h"
#include "Tela.h"
#include "calc/Confiabilidade.h"

#include <memory>
#include <vector>

namespace Ui {
class TConfiabilidade;
}

class QTableWidget;

// How sure the design is: the closed forms' four forces and Low's FS0 (and Bishop's force when
// asked for) when γ, c, φ, the clay's strengths and
// the layer's thickness vary about the values typed, by Monte Carlo and, beside it, the
// first-order estimate; the probability that the force exceeds the design strength, histograms,
// which variable weighs most, and every sample as a table. The run goes on in the background; any
// change of an input starts it again. Opens modally over the methods screen.
class TConfiabilidade : public Tela {
    Q_OBJECT
public:
    explicit TConfiabilidade(QWidget* parent = nullptr);
    ~TConfiabilidade() override;

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    QString LerPedido(PedidoConfiabilidade& pedido);
    void Recalcular();
    void Entregar(std::shared_ptr<const ResultadoConfiabilidade> resultado);
    void Exibir();
    void ExibirHistograma();
    void ExibirErro(const QString& mensagem);
    void ListarSaidas(const std::vector<Saida>& saidas);
    static void Colunas(QTableWidget* tabela, const std::vector<Saida>& saidas);
    void bCancelarClick();
    void bCsvClick();
    void bFecharClick();

    std::unique_ptr<Ui::TConfiabilidade> ui;
    const ResultadoConfiabilidade* Mostrado() const;

    // The latest run asked for and, once it is done, its result: the one the window shows.
    SegundoPlano<std::shared_ptr<const ResultadoConfiabilidade>> trabalho_;
    std::shared_ptr<const ResultadoConfiabilidade> mostrado_;
};
