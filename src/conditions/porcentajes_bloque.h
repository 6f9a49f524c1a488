// The block of 48 boxes through which every screen shows and edits a percentages table:
// four boxes per team (signs 0, 1, 2, M), held as the texts the screen shows.
#pragma once

#include <array>
#include <string>

#include "conditions/tabla_porcentajes.h"

namespace tanteo {

struct BloquePorcentajes {
  // texto[equipo][signo], teams from 1 (index 0 unused); every box starts at "0".
  std::array<std::array<std::string, kSignos>, kEquipos + 1> texto;

  BloquePorcentajes() { PonerACero(); }
  std::string& operator()(int equipo, int signo) { return texto[equipo][signo]; }
  const std::string& operator()(int equipo, int signo) const { return texto[equipo][signo]; }
  // Every box "0".
  void PonerACero();
  friend bool operator==(const BloquePorcentajes&, const BloquePorcentajes&) = default;
};

// The table shown in the boxes, each value in the default text of a real (12,5).
BloquePorcentajes BloqueDeTabla(const TablaPorcentajes& tabla);
// The boxes read as numbers (Spanish rules); a box that is not a number counts 0, so it is
// read once ValidarPorcentajes has passed.
TablaPorcentajes TablaDeBloque(const BloquePorcentajes& bloque);

}  // namespace tanteo
