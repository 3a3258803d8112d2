#pragma once

// The report's text, section by section, as rich text for a QTextDocument.

#include "Relatorio.h"

class QTextDocument;

// The whole document; its pictures go into the document's resources. `fator`: the writer's
// pixels per pixel of a 96-dpi screen, for the pictures' sizes.
QString HtmlDoRelatorio(const ConteudoRelatorio& conteudo, QTextDocument& documento, qreal fator);
