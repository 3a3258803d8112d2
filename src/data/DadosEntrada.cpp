#include "DadosEntrada.h"

DadosEntrada DadosDoProblema;
