#include "conditions/ajustes_filtros.h"

#include <algorithm>

namespace tanteo {

void InicializarFiltros(AjustesFiltros& filtros, Reduccion& reduccion) {
  filtros = AjustesFiltros{};
  reduccion = Reduccion{};
}

std::string TextoBloquesActivos(const AjustesFiltros& filtros, std::string_view clave) {
  constexpr std::string_view kClavesBloques[] = {"CB RESULTADOS", "GRUPOS GENERALES", "CB GOLES", "SUMAS GOLES",
                                                 "GRUPOS RESULTADOS"};
  if (std::find(std::begin(kClavesBloques), std::end(kClavesBloques), clave) == std::end(kClavesBloques)) return "";
  // The other four block filters keep no settings yet, so none of their blocks is in use.
  const int enUso = clave == "CB RESULTADOS" ? filtros.cbResultados.BloquesEnUso() : 0;
  return std::to_string(enUso) + " de " + std::to_string(kBloquesFiltro);
}

}  // namespace tanteo
