// Three final bets, all 1-0 in match 1: match 2 has 0-0 once and 1-1 twice, match 3 has
// M-M once, everything else 0-0.
#pragma once

#include "engine/tabla_apuestas.h"

namespace tanteo::pruebas {

inline constexpr int k10 = 5;  // "1 0"

inline TablaApuestas TresApuestas() {
  TablaApuestas t;
  t.Redimensionar(3);
  t.Poner(1, {k10, 1, 1, 1, 1, 1});
  t.Poner(2, {k10, 6, 1, 1, 1, 1});
  t.Poner(3, {k10, 6, 16, 1, 1, 1});
  return t;
}

}  // namespace tanteo::pruebas
