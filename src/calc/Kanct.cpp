#include "Kanct.h"

#include "../data/Mensagens.h"
#include "Kaniraj.h"

bool CalcKanct(long double H, long double n, long double gama, long double c, long double phi,
               long double hb, long double b, long double T, long double Z, long double CS,
               long double CZ, long double CF, long double F, long double a,
               ResultadoKaniraj& resultado, RelatoKaniraj* relato) {
    // c and φ take no part in this hypothesis; they are checked only so that the data CalcKanst
    // will reject silently are announced here, once.
    const RelatoKaniraj feito = AnaliseKaniraj(
        HipoteseKaniraj::ComTrinca, {H, n, gama, c, phi, hb, b, T, Z, CS, CZ, CF, F, a}, resultado);
    if (relato)
        *relato = feito;
    if (feito.desfecho == DesfechoKaniraj::Rejeitado) {
        ExibirMensagem(MensagemDaSituacao(feito.situacao));
        return false;
    }
    return true;
}
