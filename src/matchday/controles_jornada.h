// The matchday controls a screen shows: the two selectors and the twelve team fields. The
// main window and the load-matchday screen each have one set.
#pragma once

#include "matchday/destino_jornada.h"
#include "matchday/selectores.h"

namespace tanteo {

struct ControlesJornada {
  ListaDesplegable cboNumeroJornada;
  ListaDesplegable cboTemporada;
  NombresEquipos txtPartido;
};

}  // namespace tanteo
