#pragma once

// The design that the windows hold (what the user typed on the data-entry, methods and anchorage
// screens) and its file: open, save, and the question before anything typed is lost.

#include "projeto/ArquivoProjeto.h"

#include <QString>

class QWidget;

// The control of the data-entry screen that holds the free-text description of the work.
inline constexpr char ControleDescricao[] = "eDescricao";

// The values as the windows hold them now.
Projeto ProjetoDasTelas();

// The design's file: the one last opened or saved, empty before.
QString ArquivoDoProjeto();

// The windows hold values other than those last opened or saved (at start: other than none).
bool ProjetoAlterado();

// "&Abrir...": asks whether to keep unsaved changes, lets the user choose a file and opens it.
void AbrirProjetoComDialogo(QWidget* pai);

// Opens the file, all or nothing: on success every window's field holds the design's value and
// the data-entry screen is shown; otherwise one message says why and nothing typed changes.
bool AbrirProjeto(const QString& caminho);

// "&Salvar...": lets the user choose where, and saves. False when cancelled or not saved (then a
// message said why, and the typed values stay as they are).
bool SalvarProjetoComDialogo(QWidget* pai);

// Before the program ends: true when nothing typed is lost by ending (nothing changed, or the user
// saved it or chose not to); false when the user cancels or the save did not happen.
bool ConfirmarSaida(QWidget* pai);

// Back to start-up: no file, nothing opened or saved.
void ReiniciarProjeto();

inline constexpr char PerguntaSalvar[] = "Deseja salvar as alterações do projeto?";
