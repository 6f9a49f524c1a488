// Where the service-based types of percentages come from: the matchday's percentages of
// the pools-data service, written into the block they were chosen on. The matchday client
// implements it; the percentage screens only call it.
#pragma once

#include "conditions/porcentajes_bloque.h"
#include "conditions/porcentajes_tipos.h"

namespace tanteo {

class FuentePorcentajesServicio {
 public:
  virtual ~FuentePorcentajesServicio() = default;
  // Fills `bloque` with the percentages of `tipo` (AnalisisEstadisto, JugadosEstadisto, LAE
  // or LAEEstadisto8020) for the main window's matchday and season, as box texts with a
  // decimal comma. On a failure it shows its own message and leaves what it wrote; the
  // block arrives with every box at "0".
  virtual void RellenarPorcentajes(TipoPorcentajes tipo, BloquePorcentajes& bloque) = 0;
};

}  // namespace tanteo
