#include "engine/acciones_lista_filtros.h"

namespace tanteo {

namespace {

std::int16_t& PaginaDe(AjustesFiltros& filtros, FilaFiltro fila) {
  switch (fila) {
    case FilaFiltro::GruposGenerales: return filtros.BloqueGruposGenerales;
    case FilaFiltro::CBGoles: return filtros.BloqueCBGoles;
    case FilaFiltro::SumaGoles: return filtros.BloqueSumaGoles;
    case FilaFiltro::GruposResultados: return filtros.BloqueGruposResultados;
    default: return filtros.BloqueCBResultados;
  }
}

}  // namespace

void PulsarDerechoListaFiltros(Combinacion& combinacion, std::optional<FilaFiltro> seleccionada) {
  if (seleccionada) combinacion.lstFiltros.Alternar(*seleccionada);
}

void DobleClicListaFiltros(Combinacion& combinacion, std::optional<FilaFiltro> seleccionada, PantallasFiltros& pantallas) {
  combinacion.guardadaXML = false;
  if (!seleccionada) return;
  const FilaFiltro fila = *seleccionada;
  if (fila == FilaFiltro::Reduccion) {
    pantallas.MostrarReduccion();
    combinacion.lstFiltros.ReconstruirReduccion(combinacion.reduccion.Tipo);
  } else if (EsFiltroDeBloques(fila)) {
    PaginaDe(combinacion.filtros, fila) = 1;
    pantallas.MostrarFiltro(fila);
    combinacion.lstFiltros.ReconstruirBloques(fila, combinacion.filtros);
  } else {
    pantallas.MostrarFiltro(fila);
  }
}

}  // namespace tanteo
