// What every filter evaluator promises: it walks rows 1..TotalApuestas of ApuestasSistema in
// order, skips each row whose mark is not 0 (eliminated earlier, or absent from an imported
// file), marks with 1 each visited row that fails its condition, never unmarks one, and
// returns how many rows it marked. At every row number that is a multiple of 6000 it first
// gives the interface its turn.
#pragma once

#include <cstdint>

#include "engine/progreso.h"

namespace tanteo {

inline constexpr std::int32_t kFilasPorCesion = 6000;

// Yields when `fila` (from 1) is a multiple of 6000.
inline void CederSiToca(std::int32_t fila, Progreso& progreso) {
  if (fila % kFilasPorCesion == 0) progreso.Ceder();
}

// Yields once for every multiple of 6000 among the rows desde+1 .. hasta (from 1), for
// evaluators that handle consecutive rows together.
inline void CederEnTramo(std::int32_t desde, std::int32_t hasta, Progreso& progreso) {
  for (std::int32_t n = hasta / kFilasPorCesion - desde / kFilasPorCesion; n > 0; --n) progreso.Ceder();
}

}  // namespace tanteo
