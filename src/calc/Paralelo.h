#pragma once

// Independent runs spread over the machine's cores.

#include <functional>

// Asked on the calling thread with how many runs are done; false stops the work.
using Continuacao = std::function<bool(int feitos)>;

// Calls `calcular(i)` once for each i in 0 ... n − 1, every thread taking the next index left, on
// `nucleos` threads (0: the machine's cores, at most 8). Only the calling thread asks `continuar`
// whether to go on, so it never runs on two threads at once. False when it stopped the work.
bool ParaCadaIndice(int n, int nucleos, const std::function<void(int)>& calcular,
                    const Continuacao& continuar);
