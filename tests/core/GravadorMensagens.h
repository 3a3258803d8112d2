#pragma once

#include "data/Mensagens.h"

#include <string>
#include <vector>

// Installs itself as the message sink for the life of a test and keeps every message shown.
class GravadorMensagens {
public:
    GravadorMensagens() {
        DefinirExibidorMensagens([this](const std::string& texto) { mensagens.push_back(texto); });
    }
    ~GravadorMensagens() { DefinirExibidorMensagens(nullptr); }
    GravadorMensagens(const GravadorMensagens&) = delete;
    GravadorMensagens& operator=(const GravadorMensagens&) = delete;

    std::vector<std::string> mensagens;
};
