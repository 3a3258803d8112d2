#pragma once

#include "Tela.h"

#include <memory>
#include <vector>

namespace Ui {
class TVerificacoes;
}

class QLabel;

// Every limit state of the basal reinforcement beyond the methods' circular wedges: spreading and
// sliding of the fill, extrusion of the soft layer, bearing of the foundation, and the
// reinforcement's design strength and stiffness against the governing force. Computed as the user
// types, from the values typed on the data-entry, methods and anchorage screens and on this one.
// Opens modally over the methods screen.
class TVerificacoes : public Tela {
    Q_OBJECT
public:
    explicit TVerificacoes(QWidget* parent = nullptr);
    ~TVerificacoes() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void Recalcular();
    void bFecharClick();

    std::unique_ptr<Ui::TVerificacoes> ui;
    // Each check's name, value, requirement and verdict, and its reason beneath.
    struct Linha {
        QLabel *nome, *valor, *exigido, *resultado, *motivo;
    };
    std::vector<Linha> linhas_;
};
