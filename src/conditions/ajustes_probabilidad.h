// The settings of the probability filter, and when the conditioning run calls it.
#pragma once

#include <cstdint>

#include "conditions/tabla_porcentajes.h"

namespace tanteo {

struct FiltroProbabilidad {
  std::int16_t TipoLimiteActivado = 0;  // 0 limit by positions, 1 by percentage
  std::int32_t valorminimo = 0;         // first position kept (positions mode)
  std::int32_t valormaximo = 0;         // last position kept (positions mode)
  std::int32_t LimitePorcentaje = 100;  // share of probability to cover (percentage mode)
  std::int16_t TipoProbabilidad = 0;    // 0 most probable first, 1 least probable first
  TablaPorcentajes Porcentajes;

  friend bool operator==(const FiltroProbabilidad&, const FiltroProbabilidad&) = default;
};

// The evaluator works on all `restantes` kept bets at once: in percentage mode it always
// runs; by positions only when the window is narrower than what is left.
inline bool ProbabilidadSeEvalua(const FiltroProbabilidad& filtro, std::int32_t restantes) {
  if (filtro.TipoLimiteActivado == 1) return true;
  return static_cast<std::int64_t>(filtro.valormaximo) - filtro.valorminimo + 1 < restantes;
}

}  // namespace tanteo
