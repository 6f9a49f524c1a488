// The reduction behind "Cálculo de Prueba". It works inside its calculation window
// frmVentanaProceso, which shows its cycles and offers the stop button that ends them, and
// this is where that window comes in. Until it is part of the program, a reduction asked
// for produces no bets, as one stopped before its first result does: the run ends with
// "0" final bets.
#pragma once

#include "engine/reduccion.h"

namespace tanteo {

class ReductorVentana final : public Reductor {
 public:
  ResultadoReduccion Reducir(const PeticionReduccion&) override { return {}; }
};

}  // namespace tanteo
