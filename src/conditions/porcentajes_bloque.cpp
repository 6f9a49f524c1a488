#include "conditions/porcentajes_bloque.h"

#include "engine/texto_numeros.h"

namespace tanteo {

void BloquePorcentajes::PonerACero() {
  for (auto& equipo : texto) equipo.fill("0");
}

BloquePorcentajes BloqueDeTabla(const TablaPorcentajes& tabla) {
  BloquePorcentajes bloque;
  for (int t = 1; t <= kEquipos; ++t) {
    for (int s = 0; s < kSignos; ++s) bloque(t, s) = TextoReal(tabla(t, s));
  }
  return bloque;
}

TablaPorcentajes TablaDeBloque(const BloquePorcentajes& bloque) {
  TablaPorcentajes tabla;
  for (int t = 1; t <= kEquipos; ++t) {
    for (int s = 0; s < kSignos; ++s) tabla(t, s) = LeerReal(bloque(t, s)).value_or(0);
  }
  return tabla;
}

}  // namespace tanteo
