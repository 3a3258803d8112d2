#pragma once

// q of a criterion below. Low's q = (F/FS0)^-0.68 costs, in extended precision, about as much as
// a whole search, which needs it only to decide a step lying near zero with the scan's own
// evaluation: given as that ratio, it is worked out the first time it is needed, by the same
// expression every time. Its estimate is worked out in double precision.
class FatorQ {
public:
    FatorQ(long double q = 0) : exato_(q), conhecido_(true) {}
    static FatorQ DaRazao(long double razao);

    long double Exato() const;
    double Estimado() const;
    operator long double() const { return Exato(); }

private:
    mutable long double exato_;
    long double razao_ = 0;
    mutable bool conhecido_;
    mutable double estimado_ = -1; // below zero: not yet worked out
};

// The force criterion of one Low wedge in one direction,
//     g(k) = x·(1 − q·(1 − β·r·k/E)^0.32) − k,
// sampled at k = 0.01·j for j = de, de + 1, ... The force is the first sample with g ≤ 0; the
// samples end where k passes 20 or the base 1 − β·r·k/E stops being positive.
struct CriterioFator {
    long double x;
    FatorQ q;
    long double beta;
    long double r;
    long double E;
};

enum class FimBuscaFator { Encontrado, ForcaAlemDoLimite, BaseNaoPositiva };

// Where a search stopped: the accepted step, or the step at which the samples ended and why.
struct PassoFator {
    FimBuscaFator fim;
    int j;
};

// k of step j and the base of the power there, and g: exactly as the scan computes them.
long double FatorDoPasso(int j);
long double BaseDoPasso(const CriterioFator& criterio, long double k);
long double ValorFator(const CriterioFator& criterio, long double k, long double base);

// The sample-by-sample scan, as the method states it: the reference of the fast search.
PassoFator BuscaFatorLinear(const CriterioFator& criterio, int de);

// Returns exactly what the scan returns, evaluating g at a handful of samples instead of up to
// several hundred. Allocates nothing.
PassoFator BuscaFator(const CriterioFator& criterio, int de);

// The fast search for one criterion, set up once for several questions about it (the criterion
// must outlive it).
class BuscaRapida {
public:
    explicit BuscaRapida(const CriterioFator& criterio);

    // What BuscaFator(criterio, de) returns.
    PassoFator Busca(int de) const;

    // The same, looking first at step `palpite`, where the answer is expected (a neighbouring
    // wedge's): one estimate there often settles the search, or clears the steps before it.
    PassoFator Busca(int de, int palpite) const;

    // Whether the scan, from any step up to J, surely accepts a step no later than J: it reaches
    // J (k ≤ 20 and a positive base there) and its g at J is not positive. Decided on the
    // estimate alone: false wherever that cannot tell, and for J < 0.
    bool AceitaAte(int J) const;

private:
    // The search from a cleared step j on; and the step after the skip from a step j whose
    // estimate ĝ exceeds 2M.
    PassoFator Percorre(int j, int& ultimoCoberto) const;
    int Salto(int j, double g, double inclinacaoMin, int& ultimoCoberto) const;

    const CriterioFator& criterio_;
    bool estimavel_;
    double x_ = 0, q_ = 0, a_ = 0, margem_ = 0; // the estimate's inputs
};

// The searches are interchangeable: tests and benchmarks hand Low's analysis the plain scan.
using BuscadorFator = PassoFator (*)(const CriterioFator&, int);
