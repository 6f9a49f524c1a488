// The types of percentages: the sources a percentages block can be filled from, which type
// lists offer which, and what choosing one does.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "conditions/porcentajes_bloque.h"
#include "engine/interaccion.h"

namespace tanteo {

class FuentePorcentajesServicio;

// The item index of cboTipoPorcentajes.
enum class TipoPorcentajes {
  Manuales = 0,           // nothing: the block stays at zero
  Propios = 1,            // a percentages file
  AnalisisEstadisto = 2,  // the service's analysis percentages
  JugadosEstadisto = 3,   // the service's played percentages
  LAE = 4,                // the state operator's percentages, from the service
  LAEEstadisto8020 = 5,   // 80 % LAE and 20 % played, from the service
};

std::string_view TextoTipoPorcentajes(TipoPorcentajes tipo);
bool EsTipoDeServicio(TipoPorcentajes tipo);

// The screens with a type list. The mix (item 5) is only on the ranges screen and on the
// played side of the CR screen.
enum class ListaPorcentajes { Rangos, CRApostados, CRReales, Probabilidad, OrdenarPorProbabilidad };

// The items of a list, by index.
std::vector<std::string_view> ItemsTipoPorcentajes(ListaPorcentajes lista);

// Choosing an item: every box becomes "0", the item's source fills the block (a percentages
// file for Propios, `servicio` for the service-based items; a cancelled dialog or a failed
// fetch leaves zeros where nothing was filled), then `activarFiltro` runs when given (the
// filter screens mark their filter active; the sort utility gives none).
void ElegirTipoPorcentajes(TipoPorcentajes tipo, BloquePorcentajes& bloque, Interaccion& interaccion,
                           FuentePorcentajesServicio& servicio, const std::function<void()>& activarFiltro);

}  // namespace tanteo
