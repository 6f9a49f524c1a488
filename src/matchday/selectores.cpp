#include "matchday/selectores.h"

#include <algorithm>

namespace tanteo {
namespace {

constexpr int kUltimaJornada = 99;
constexpr int kPrimeraTemporada = 1990;
constexpr int kUltimaTemporada = 2060;

std::string Temporada(int primerAnio) { return std::to_string(primerAnio) + "/" + std::to_string(primerAnio + 1); }

}  // namespace

std::string Selector::Texto() const {
  if (seleccionado < 0 || seleccionado >= static_cast<int>(entradas.size())) return {};
  return entradas[static_cast<std::size_t>(seleccionado)];
}

bool Selector::SeleccionarTexto(std::string_view texto) {
  const auto it = std::find(entradas.begin(), entradas.end(), texto);
  if (it == entradas.end()) return false;
  seleccionado = static_cast<int>(it - entradas.begin());
  return true;
}

void RellenarJornadas(Selector& selector) {
  selector.entradas.clear();
  for (int j = 1; j <= kUltimaJornada; ++j) selector.entradas.push_back(std::to_string(j));
  selector.seleccionado = 0;
}

void RellenarTemporadas(Selector& selector, const FechaHora& hoy) {
  selector.entradas.clear();
  for (int anio = kPrimeraTemporada; anio <= kUltimaTemporada; ++anio) selector.entradas.push_back(Temporada(anio));
  if (!selector.SeleccionarTexto(TemporadaDe(hoy))) selector.seleccionado = 0;
}

std::string TemporadaDe(const FechaHora& fecha) { return Temporada(fecha.mes <= 7 ? fecha.anio - 1 : fecha.anio); }

}  // namespace tanteo
