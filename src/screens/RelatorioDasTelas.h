#pragma once

// The calculation report of what the windows hold.

#include "relatorio/Relatorio.h"

class QWidget;

// Which methods' last runs answer exactly the data and factors now typed: only their numbers may
// be shown, anchored or reported.
struct MetodosAtuais {
    bool kaniraj = false, low = false, bishop = false;
};
MetodosAtuais MetodosDasTelas();

// A method counts as calculated when its last run answered exactly the data and factors now
// typed; the checks take the governing force chosen on their window.
ConteudoRelatorio RelatorioDasTelas();

// "&Relatório...": asks where, writes, and offers to open the PDF in the desktop's viewer.
void RelatorioComDialogo(QWidget* pai);
