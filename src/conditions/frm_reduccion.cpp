#include "conditions/frm_reduccion.h"

#include <algorithm>
#include <limits>

#include "engine/texto_numeros.h"

namespace tanteo {

FrmReduccion::FrmReduccion(const Reduccion& reduccion, ListaFiltros& lista)
    : PantallaFiltro(lista, FilaFiltro::Reduccion) {
  for (int n = 100; n >= 1; --n) porcentajes_.push_back("Asegurar el " + std::to_string(n) + "%");
  tipo_ = std::clamp<int>(reduccion.Tipo, 0, static_cast<int>(kTiposReduccion.size()) - 1);
  porcentaje_ = std::clamp(100 - reduccion.Porcentaje, 0, 99);
  nColumnas_ = std::to_string(reduccion.NuApuestas);
  exactas_ = reduccion.ApuestasExactas == 1;
  ciclos_ = reduccion.ActivarCiclos == 1;
  aleatorio_ = reduccion.Aleatorio == 1;
  ElegirOptTipo(reduccion.ActivarNumeroApuestas == 1 ? 0 : 1);
  cargando_ = false;
}

void FrmReduccion::ActivarReduccion() {
  if (!cargando_) ActivarFiltro();
}

void FrmReduccion::ElegirTipoReduccion(int indice) {
  tipo_ = indice;
  ActivarReduccion();
}

void FrmReduccion::ElegirPorcentaje(int indice) {
  porcentaje_ = indice;
  ActivarReduccion();
}

void FrmReduccion::PulsarAleatorio(bool marcado) {
  aleatorio_ = marcado;
  ActivarReduccion();
}

void FrmReduccion::PulsarActivarCiclos(bool marcado) {
  ciclos_ = marcado;
  ActivarReduccion();
}

void FrmReduccion::ElegirOptTipo(int opcion) {
  opcion_ = opcion;
  // "Porcentaje" hides the number of bets and clears the exact-number box.
  if (opcion_ == 1) exactas_ = false;
  ActivarReduccion();
}

void FrmReduccion::PulsarApuestasExactas(bool marcado) {
  if (chkApuestasExactasHabilitado()) exactas_ = marcado;
}

Reduccion FrmReduccion::PulsarVolver() const {
  Reduccion r;
  r.Tipo = static_cast<std::int16_t>(tipo_);
  r.Porcentaje = static_cast<std::int16_t>(100 - porcentaje_);
  // The box takes digits only; a blank box, or text that is no number, asks for one bet.
  const auto numero = LeerEntero(nColumnas_);
  r.NuApuestas = numero ? static_cast<std::int32_t>(std::clamp<std::int64_t>(*numero, 0, std::numeric_limits<std::int32_t>::max()))
                        : 1;
  r.ActivarCiclos = ciclos_ ? 1 : 0;
  r.ApuestasExactas = exactas_ ? 1 : 0;
  r.Aleatorio = aleatorio_ ? 1 : 0;
  r.ActivarNumeroApuestas = opcion_ == 0 ? 1 : 0;
  return r;
}

}  // namespace tanteo
