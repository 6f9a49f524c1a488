// A percentages table: for each of the twelve teams, the percentages of scoring 0, 1, 2
// and M goals.
#pragma once

#include <array>

#include "engine/vocabulario.h"

namespace tanteo {

struct TablaPorcentajes {
  // porcentaje[signo][equipo]: one array of twelve teams per sign, teams from 1 (index 0 unused).
  std::array<std::array<double, kEquipos + 1>, kSignos> porcentaje{};

  double& operator()(int equipo, int signo) { return porcentaje[signo][equipo]; }
  double operator()(int equipo, int signo) const { return porcentaje[signo][equipo]; }
  friend bool operator==(const TablaPorcentajes&, const TablaPorcentajes&) = default;
};

}  // namespace tanteo
