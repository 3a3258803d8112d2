#include "AppException.h"

#include "data/Mensagens.h"
#include "data/ParseReal.h"

#include <string>

void AppException(std::exception_ptr erro) {
    try {
        std::rethrow_exception(erro);
    } catch (const EConvertError&) {
        ExibirMensagem("Nenhum campo pode ficar vazio, e todos devem conter números.");
    } catch (const std::exception& e) {
        // A failed button must never look as if it did nothing.
        ExibirMensagem(std::string("Erro inesperado: ") + e.what());
    } catch (...) {
        ExibirMensagem("Erro inesperado: erro desconhecido.");
    }
}
