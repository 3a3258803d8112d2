#pragma once

// How a screen opens another without knowing it: by name, through the screen set that the
// application installs at start-up.

class Tela;

// The screens, in the order the set creates them.
enum class IdTela {
    Apres,
    Solkan,
    Entdad,
    Metcal,
    Sollow,
    Geot,
    Esquema,
    HipKan,
    HipLow,
    Bibl,
    ApresGeo,
    fCaso2,
    fCaso3,
    fCaso4,
    fAjuda1,
    fEns,
    fCaso10,
    fTab1,
    fTab2,
    Superficies,
    Estudo,
    Verificacoes,
    Confiabilidade,
    Solbishop,
};
inline constexpr int NumeroDeTelas = static_cast<int>(IdTela::Solbishop) + 1;

class Telas {
public:
    virtual ~Telas() = default;
    // The screen of that name; never null while the set exists.
    virtual Tela* Obter(IdTela id) const = 0;

    // The set the screens reach; null before start-up and after the end.
    static void Instalar(const Telas* conjunto);
    static Tela* Buscar(IdTela id);
    static void Mostrar(IdTela id);
    static void MostrarModal(IdTela id);
};
