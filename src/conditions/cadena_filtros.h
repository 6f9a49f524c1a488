// The nine filters in chain order, each a slot with its progress caption and its evaluator.
// The conditioning run visits the slots in order and calls the evaluators of active rows.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

#include "conditions/ajustes_filtros.h"
#include "engine/almacen_apuestas.h"
#include "engine/progreso.h"

namespace tanteo {

// What an evaluator works on (contract in conditions/evaluador.h).
struct EntradaFiltro {
  AlmacenApuestas& apuestas;
  Progreso& progreso;
  std::int32_t restantes;  // rows still kept when the filter starts
};

struct EslabonFiltro {
  std::string_view leyenda;  // shown in the conditioned-bets counter while the filter works
  // The whole filter (every block of a block filter); returns the rows it marked. Empty
  // for a filter that has no evaluator yet: it eliminates nothing.
  std::function<std::int32_t(const EntradaFiltro&)> evaluar;
};

// Slots 1..9 (index 0 unused), slot k for list row k-1.
using CadenaFiltros = std::array<EslabonFiltro, kFiltros + 1>;

// The chain over the combination's settings; the settings are read when each filter runs.
CadenaFiltros CadenaDeFiltros(const AjustesFiltros& filtros);

}  // namespace tanteo
