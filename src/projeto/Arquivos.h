#pragma once

// Files the program writes, and why one could not be read or written, in Portuguese.

#include <QString>

#include <functional>

class QFileDevice;
class QIODevice;

enum class Acesso { Leitura, Gravacao };

// The reason for the program's messages: what the user can act on (the folder does not exist, the
// name is a folder's, no permission), else the system's own reason as Qt words it (in Portuguese
// where Qt's translations are installed).
QString MotivoArquivo(const QString& caminho, const QFileDevice& arquivo, Acesso acesso);

// Writes the file through a temporary that replaces it only when complete, so that a failure
// leaves whatever was there. `escrever` writes the content and says whether it could. Returns the
// empty text when written, else the reason.
QString GravarArquivo(const QString& caminho, const std::function<bool(QIODevice&)>& escrever);
