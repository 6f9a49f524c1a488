// The bet store of the current combination.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/tabla_apuestas.h"
#include "engine/vocabulario.h"

namespace tanteo {

// FrecuenciaResultados[resultado][partido], both from 1 (index 0 unused).
using TablaFrecuencias = std::array<std::array<std::int32_t, kPartidos + 1>, kResultados + 1>;

struct AlmacenApuestas {
  TablaApuestas ApuestasSistema;        // the developed total system, in PosicionSistema order
  TablaApuestas ApuestasCondicionadas;  // kept after conditioning, in system order
  TablaApuestas ApuestasFinales;        // reduced bets, or a copy of the conditioned ones
  TablaApuestas ApuestasImportadas;     // as read from a bets file, in file order

  // Per system row, index fila - 1: 0 kept, 1 eliminated or absent. One byte is enough
  // for the two values and halves the memory the filter passes stream through.
  std::vector<std::uint8_t> MarcasEliminacion;
  // Per system row, index fila - 1, holding a row number (identity at the start of a run).
  std::vector<std::int32_t> OrdenApuestas;

  TablaFrecuencias FrecuenciaResultados{};
  TablaResultadosPartido ResultadosPartido{};
  TablaNumResultados NumResultados{};

  std::int32_t TotalApuestas = 0;
  std::int32_t TotalImportadas = 0;
  std::int32_t TotalFinales = 0;
};

// Counts every result of rows 1..filas into `frecuencias` (zeroed first).
void ContarFrecuencias(const TablaApuestas& apuestas, std::int32_t filas, TablaFrecuencias& frecuencias);

// The accepted results of each match, ascending, from the frequencies: every result with a
// positive count.
void DerivarResultadosPartido(const TablaFrecuencias& frecuencias, TablaResultadosPartido& resultados,
                              TablaNumResultados& num);

}  // namespace tanteo
