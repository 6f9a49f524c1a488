// The reduction behind "Cálculo de Prueba", which works in its calculation window
// frmVentanaProceso. This build has neither yet: a reduction asked for produces no bets,
// as one stopped before its first result does, and the run ends with "0" final bets.
#pragma once

#include "engine/reduccion.h"

namespace tanteo {

class ReductorVentana final : public Reductor {
 public:
  ResultadoReduccion Reducir(const PeticionReduccion&) override { return {}; }
};

}  // namespace tanteo
