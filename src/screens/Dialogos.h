#pragma once

// The questions the program asks the user: a yes/no(/cancel) question and the choice of a file to
// open or to save. The desktop's dialogs, or in tests answers of their own.

#include <QString>

#include <functional>

class QWidget;

enum class Dialogo { Abrir, Salvar };

// The chosen path, or an empty text when the user cancelled. `filtro` as QFileDialog takes it.
QString EscolherArquivo(QWidget* pai, Dialogo dialogo, const QString& titulo,
                        const QString& sugestao, const QString& filtro);

using EscolhedorArquivo = std::function<QString(QWidget* pai, Dialogo dialogo,
                                                const QString& sugestao, const QString& filtro)>;
void DefinirEscolhedorArquivo(EscolhedorArquivo escolhedor);

enum class Resposta { Sim, Nao, Cancelar };
enum class Opcoes { SimNao, SimNaoCancelar };

// The question in a box captioned "Veltra"; Sim is the default button.
Resposta Perguntar(QWidget* pai, const QString& pergunta, Opcoes opcoes);

using Perguntador = std::function<Resposta(QWidget* pai, const QString& pergunta)>;
void DefinirPerguntador(Perguntador perguntador);
