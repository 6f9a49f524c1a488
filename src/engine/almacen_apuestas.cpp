#include "engine/almacen_apuestas.h"

namespace tanteo {

void ContarFrecuencias(const TablaApuestas& apuestas, std::int32_t filas, TablaFrecuencias& frecuencias) {
  // Counted per match into flat 0-based counters first: the loop streams the rows once.
  std::array<std::array<std::int32_t, kResultados + 1>, kPartidos> cuenta{};
  const std::uint8_t* p = apuestas.Datos();
  for (std::int32_t i = 0; i < filas; ++i, p += kBytesApuesta) {
    for (int m = 0; m < kPartidos; ++m) ++cuenta[m][p[m]];
  }
  frecuencias = {};
  for (int r = 1; r <= kResultados; ++r) {
    for (int m = 1; m <= kPartidos; ++m) frecuencias[r][m] = cuenta[m - 1][r];
  }
}

void DerivarResultadosPartido(const TablaFrecuencias& frecuencias, TablaResultadosPartido& resultados,
                              TablaNumResultados& num) {
  resultados = {};
  num = {};
  for (int m = 1; m <= kPartidos; ++m) {
    for (int r = 1; r <= kResultados; ++r) {
      if (frecuencias[r][m] > 0) resultados[++num[m]][m] = static_cast<std::uint8_t>(r);
    }
  }
}

}  // namespace tanteo
