#include "conditions/porcentajes_tipos.h"

#include <array>

#include "conditions/fuente_porcentajes_servicio.h"
#include "conditions/porcentajes_fichero.h"

namespace tanteo {
namespace {

constexpr std::array<std::string_view, 6> kTextos = {
    "Manuales", "Propios", "Análisis de Estadisto", "Jugados en Estadisto", "LAE", "LAE/Estadisto (80/20)"};

}  // namespace

std::string_view TextoTipoPorcentajes(TipoPorcentajes tipo) { return kTextos[static_cast<std::size_t>(tipo)]; }

bool EsTipoDeServicio(TipoPorcentajes tipo) { return static_cast<int>(tipo) >= static_cast<int>(TipoPorcentajes::AnalisisEstadisto); }

std::vector<std::string_view> ItemsTipoPorcentajes(ListaPorcentajes lista) {
  const bool conMezcla = lista == ListaPorcentajes::Rangos || lista == ListaPorcentajes::CRApostados;
  return {kTextos.begin(), kTextos.begin() + (conMezcla ? 6 : 5)};
}

void ElegirTipoPorcentajes(TipoPorcentajes tipo, BloquePorcentajes& bloque, Interaccion& interaccion,
                           FuentePorcentajesServicio& servicio, const std::function<void()>& activarFiltro) {
  bloque.PonerACero();
  if (tipo == TipoPorcentajes::Propios) {
    CargarPorcentajes(bloque, interaccion);
  } else if (EsTipoDeServicio(tipo)) {
    servicio.RellenarPorcentajes(tipo, bloque);
  }
  if (activarFiltro) activarFiltro();
}

}  // namespace tanteo
