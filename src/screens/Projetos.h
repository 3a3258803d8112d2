#pragma once

// The design that the windows hold (what the user typed on the data-entry, methods and anchorage
// screens) and its file: open, save, and the question before anything typed is lost.

#include "projeto/ArquivoProjeto.h"

#include <QString>
#include <QStringList>

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

// A design of the recent list: asks whether to keep unsaved changes, then opens it. One that no
// longer exists leaves the list, with a message naming it.
void AbrirProjetoRecente(QWidget* pai, const QString& caminho);

// The designs last opened or saved, the latest first, at most NumeroDeRecentes.
inline constexpr int NumeroDeRecentes = 5;
QStringList ProjetosRecentes();

// "Sal&var": to the design's file without a question; a design without a file asks where, as
// "Salvar &como..." does. False when cancelled or not saved (then a message said why, and the
// typed values stay as they are).
bool SalvarProjeto(QWidget* pai);

// "Salvar &como...": lets the user choose where, and saves there; the design's file is then that
// one.
bool SalvarProjetoComo(QWidget* pai);

// Before anything typed could be lost (leaving, opening another design): true when nothing is
// lost (nothing changed, or the user saved it or chose not to); false when the user cancels or
// the save did not happen.
bool ConfirmarSaida(QWidget* pai);

// Back to start-up: no file, nothing opened or saved.
void ReiniciarProjeto();

inline constexpr char PerguntaSalvar[] = "Deseja salvar as alterações do projeto?";
