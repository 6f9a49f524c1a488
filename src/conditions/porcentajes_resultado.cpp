#include "conditions/porcentajes_resultado.h"

namespace tanteo {

PorcentajesResultado CalcularPorcentajesResultado(const TablaPorcentajes& tabla) {
  PorcentajesResultado p{};
  for (int k = 1; k <= kPartidos; ++k) {
    const int local = 2 * k - 1;
    const int visitante = 2 * k;
    for (int x = 0; x < kSignos; ++x) {
      for (int y = 0; y < kSignos; ++y) {
        p[IndicePorcentajeResultado(ResultadoDeSignos(x, y), k)] = tabla(local, x) * tabla(visitante, y) / 100;
      }
    }
  }
  return p;
}

}  // namespace tanteo
