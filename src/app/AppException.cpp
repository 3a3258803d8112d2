#include "AppException.h"

#include "data/Mensagens.h"
#include "data/ParseReal.h"

#include <new>

std::string TextoDoErro(std::exception_ptr erro) {
    try {
        std::rethrow_exception(erro);
    } catch (const EConvertError&) {
        return "Nenhum campo pode ficar vazio, e todos devem conter números.";
    } catch (const std::bad_alloc&) {
        // The largest runs keep every sample: the one thing the user can change is their number.
        return "Memória insuficiente para este cálculo: reduza o número de amostras ou de pontos "
               "e calcule de novo.";
    } catch (const std::exception& e) {
        // A failed button must never look as if it did nothing.
        return std::string("Erro inesperado: ") + e.what();
    } catch (...) {
        return "Erro inesperado: erro desconhecido.";
    }
}

void AppException(std::exception_ptr erro) {
    ExibirMensagem(TextoDoErro(erro));
}
