// The settings of every filter of the current combination, their page variables and the
// elimination counters of the last conditioning run.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "conditions/ajustes_probabilidad.h"
#include "conditions/cb_resultados.h"
#include "engine/ajustes_reduccion.h"

namespace tanteo {

inline constexpr int kFiltros = 9;

// EliminadasFiltro[ranura], slot 1..9 for list rows 0..8 (index 0 unused).
using ContadoresEliminadas = std::array<std::int32_t, kFiltros + 1>;

struct AjustesFiltros {
  FiltroCBResultados cbResultados;
  FiltroProbabilidad probabilidad;

  // Current page of each block-filter screen.
  std::int16_t BloqueCBResultados = 1;
  std::int16_t BloqueGruposGenerales = 1;
  std::int16_t BloqueCBGoles = 1;
  std::int16_t BloqueSumaGoles = 1;
  std::int16_t BloqueGruposResultados = 1;

  ContadoresEliminadas EliminadasFiltro{};
};

// Every filter back to its defaults, counters 0, pages 1, and the reduction settings reset.
void InicializarFiltros(AjustesFiltros& filtros, Reduccion& reduccion);

// The information column of a block-filter row: "N de 100", N the blocks in use. Keys
// "CB RESULTADOS", "GRUPOS GENERALES", "CB GOLES", "SUMAS GOLES", "GRUPOS RESULTADOS"; any
// other key gives "".
std::string TextoBloquesActivos(const AjustesFiltros& filtros, std::string_view clave);

}  // namespace tanteo
