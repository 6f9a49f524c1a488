#include "conditions/cadena_filtros.h"

namespace tanteo {

CadenaFiltros CadenaDeFiltros(const AjustesFiltros& filtros) {
  CadenaFiltros cadena;
  constexpr std::array<std::string_view, kFiltros + 1> kLeyendas = {
      "", "CB por RESULTADOS", "GRUPOS GENERALES", "CB por GOLES", "SUMA GOLES", "GRUPOS RESULTADOS",
      "FIGURAS RESULTADOS", "RANGOS", "CR", "PROBABILIDAD",
  };
  for (int k = 1; k <= kFiltros; ++k) cadena[k].leyenda = kLeyendas[k];
  cadena[1].evaluar = [&filtros](const EntradaFiltro& e) {
    return EvaluarFiltroCBResultados(filtros.cbResultados, e.apuestas, e.progreso);
  };
  return cadena;
}

}  // namespace tanteo
