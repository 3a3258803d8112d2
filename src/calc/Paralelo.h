#pragma once

// Independent runs spread over the machine's cores.

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

// Asked on the calling thread with how many runs are done; false stops the work.
using Continuacao = std::function<bool(int feitos)>;

// Calls `calcular(i)` once for each i in 0 ... n − 1, every thread taking the next index left, on
// `nucleos` threads (0: the machine's cores, at most 8). Only the calling thread asks `continuar`
// whether to go on, so it never runs on two threads at once. False when it stopped the work.
bool ParaCadaIndice(int n, int nucleos, const std::function<void(int)>& calcular,
                    const Continuacao& continuar);

// Runs requested one after another, any of them possibly still going on another thread: each
// request takes a number, only the latest request's run may go on, and only its result is kept.
template <class Resultado> class UltimoPedido {
public:
    // A new request (the window's thread): every earlier one is stale, and its result is gone.
    std::uint64_t Novo() {
        atual_.reset();
        return ++ultimo_;
    }
    // Still the latest request; any thread may ask.
    bool Vigente(std::uint64_t geracao) const { return geracao == ultimo_.load(); }
    // Keeps the result when it answers the latest request; false, and nothing changes, otherwise.
    bool Entregar(std::uint64_t geracao, Resultado resultado) {
        if (!Vigente(geracao))
            return false;
        atual_ = std::move(resultado);
        return true;
    }
    const std::optional<Resultado>& Atual() const { return atual_; }

private:
    std::atomic<std::uint64_t> ultimo_{0};
    std::optional<Resultado> atual_;
};
