#pragma once

#include <functional>
#include <string>

// The one place the analyses send a message for the user. The windows install a modal message
// box, tests a recorder; without either the text goes to standard error.
using ExibidorMensagens = std::function<void(const std::string&)>;

void DefinirExibidorMensagens(ExibidorMensagens exibidor);
void ExibirMensagem(const std::string& texto);
