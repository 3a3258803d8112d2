#pragma once

// The calculation report of what the windows hold.

#include "relatorio/Relatorio.h"

class QWidget;

// A method counts as calculated when its last run answered exactly the data and factors now
// typed; the checks take the governing force chosen on their window.
ConteudoRelatorio RelatorioDasTelas();

// "&Relatório...": asks where, writes, and offers to open the PDF in the desktop's viewer.
void RelatorioComDialogo(QWidget* pai);
