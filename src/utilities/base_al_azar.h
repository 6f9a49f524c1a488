// The random base: for each match a number of results to accept, drawn at random into the
// results view.
#pragma once

#include <array>
#include <cstdint>

#include "engine/base_pronostico.h"
#include "engine/generador_aleatorio.h"
#include "engine/plataforma.h"
#include "engine/vocabulario.h"

namespace tanteo {

// The sixteen results in random order, after reseeding the generator with `semillaReloj`:
// position i (1..16 in order) is swapped with a uniformly random position, itself included.
std::array<int, kResultados> BarajarResultados(GeneradorAleatorio& generador, std::uint64_t semillaReloj);

// The state of the screen that draws the random base.
class FrmAlazarLogica {
 public:
  static constexpr int kMinimo = 1;
  static constexpr int kMaximo = kResultados;

  // Results to accept in match `partido` (1..6); every list starts at 1.
  int Cuenta(int partido) const { return cuentas_[partido - 1]; }
  void PonerCuenta(int partido, int cuenta) { cuentas_[partido - 1] = cuenta; }

  // "Respetar orden de partidos": each number stays on its match.
  bool respetarOrden = true;

  // Clears the results view and draws a new base into it; every match's shuffle is
  // reseeded from the clock of `plataforma`.
  void Rellenar(BasePronostico& base, GeneradorAleatorio& generador, Plataforma& plataforma) const;

 private:
  std::array<int, kPartidos> cuentas_ = {1, 1, 1, 1, 1, 1};
};

}  // namespace tanteo
