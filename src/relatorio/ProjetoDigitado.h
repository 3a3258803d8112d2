#pragma once

// The typed values of a design read as the runs read them, for the windows and the report alike.

#include "calc/VerificacoesAterro.h"
#include "data/DadosEntrada.h"
#include "projeto/ArquivoProjeto.h"

#include <QString>

#include <optional>

// The text of the field named by its key in the file, as typed.
QString TextoDigitado(const Projeto& projeto, const char* chave);

// Puts a text in the field named by its key, as if typed there.
void EscreverDigitado(Projeto& projeto, const char* chave, const QString& texto);

// The value of the field named by its key in the file; none when it is empty or not a number.
std::optional<long double> ValorDigitado(const Projeto& projeto, const char* chave);

// The twelve values of the problem; none when one is empty or not a number.
std::optional<DadosEntrada> ProblemaDigitado(const Projeto& projeto);

// The problem and the methods' values; none when one is not a number, and then `invalido` is the
// label of the first such field. Bishop's F and a count only with `bishop`; else they are read
// when they are numbers and left 0 when not.
std::optional<DadosAnalise> DadosDigitados(const Projeto& projeto, QString& invalido,
                                           bool bishop = false);

// Whether Bishop's F and a are both typed numbers: its force counts in the checks only then.
bool BishopDigitado(const Projeto& projeto);

// The limit-state checks of the typed design, against the methods' run on its typed data.
EntradaVerificacoes VerificacoesDigitadas(const Projeto& projeto, const AvaliacaoMetodos& metodos,
                                          EscolhaForca escolha);

// The reinforcement's design strength Td from the typed Tult and reduction factors, when they
// give one.
std::optional<long double> ResistenciaDeProjetoDigitada(const Projeto& projeto);
