#include "matchday/selectores.h"

namespace tanteo {
namespace {

constexpr int kUltimaJornada = 99;
constexpr int kPrimeraTemporada = 1990;
constexpr int kUltimaTemporada = 2060;

std::string Temporada(int primerAnio) { return std::to_string(primerAnio) + "/" + std::to_string(primerAnio + 1); }

}  // namespace

void RellenarJornadas(ListaDesplegable& selector) {
  selector.entradas.clear();
  for (int j = 1; j <= kUltimaJornada; ++j) selector.entradas.push_back(std::to_string(j));
  selector.indice = 0;
}

void RellenarTemporadas(ListaDesplegable& selector, const FechaHora& hoy) {
  selector.entradas.clear();
  for (int anio = kPrimeraTemporada; anio <= kUltimaTemporada; ++anio) selector.entradas.push_back(Temporada(anio));
  if (!selector.PonerTexto(TemporadaDe(hoy))) selector.indice = 0;
}

std::string TemporadaDe(const FechaHora& fecha) { return Temporada(fecha.mes <= 7 ? fecha.anio - 1 : fecha.anio); }

}  // namespace tanteo
