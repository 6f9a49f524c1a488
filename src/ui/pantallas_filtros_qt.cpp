#include "ui/pantallas_filtros_qt.h"

#include "ui/frm_filtro_cbres_qt.h"
#include "ui/frm_principal.h"
#include "ui/frm_reduccion_qt.h"

namespace tanteo {

bool PantallasFiltrosQt::Tiene(FilaFiltro fila) { return fila == FilaFiltro::CBResultados || fila == FilaFiltro::Reduccion; }

void PantallasFiltrosQt::MostrarFiltro(FilaFiltro fila) {
  if (fila != FilaFiltro::CBResultados) return;
  FrmFiltroCBRESQt pantalla(combinacion_.filtros, combinacion_.lstFiltros, estado_.txtPartido, interaccion_, padre_);
  pantalla.exec();
}

void PantallasFiltrosQt::MostrarReduccion() {
  FrmReduccionQt pantalla(combinacion_.reduccion, combinacion_.lstFiltros, padre_);
  pantalla.exec();
}

void ConectarPantallasFiltros(FrmPrincipal& ventana, Combinacion& combinacion, PantallasFiltrosQt& pantallas) {
  for (int indice = 0; indice < kFilasListaFiltros; ++indice) {
    const FilaFiltro fila = FilaDeIndice(indice);
    if (!PantallasFiltrosQt::Tiene(fila)) continue;
    ventana.PonerAccion(QStringLiteral("lstFiltros_") + QString::number(indice),
                        [&combinacion, &pantallas, fila] { DobleClicListaFiltros(combinacion, fila, pantallas); });
  }
}

}  // namespace tanteo
