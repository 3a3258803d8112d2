#include "Paralelo.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

bool ParaCadaIndice(int n, int nucleos, const std::function<void(int)>& calcular,
                    const Continuacao& continuar) {
    std::atomic<int> proximo{0}, feitos{0};
    std::atomic<bool> parar{false};
    const auto trabalhar = [&](bool chamador) {
        for (int i = proximo++; i < n && !parar; i = proximo++) {
            calcular(i);
            const int total = ++feitos;
            if (chamador && continuar && !continuar(total))
                parar = true;
        }
    };
    const unsigned threads = nucleos > 0 ? static_cast<unsigned>(nucleos)
                                         : std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    std::vector<std::thread> ajudantes;
    for (unsigned t = 1; t < threads && static_cast<int>(t) < n; ++t)
        ajudantes.emplace_back(trabalhar, false);
    trabalhar(true);
    for (std::thread& ajudante : ajudantes)
        ajudante.join();
    return !parar;
}
