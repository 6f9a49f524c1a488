// The filter screens the main window's list opens, shown modally over the window: CB by
// results (row 0) and the reduction (row 9) so far.
#pragma once

#include "engine/acciones_lista_filtros.h"
#include "engine/estado_principal.h"
#include "engine/interaccion.h"

class QWidget;

namespace tanteo {

class FrmPrincipal;

class PantallasFiltrosQt : public PantallasFiltros {
 public:
  // The team names come from the window's state; messages go through `interaccion`.
  PantallasFiltrosQt(Combinacion& combinacion, const EstadoPrincipal& estado, Interaccion& interaccion, QWidget* padre)
      : combinacion_(combinacion), estado_(estado), interaccion_(interaccion), padre_(padre) {}

  // Whether the screen of `fila` exists in this build.
  static bool Tiene(FilaFiltro fila);

  void MostrarFiltro(FilaFiltro fila) override;
  void MostrarReduccion() override;

 private:
  Combinacion& combinacion_;
  const EstadoPrincipal& estado_;
  Interaccion& interaccion_;
  QWidget* padre_;
};

// Double-clicking a row of the window's list whose screen exists opens it (after the flag
// the window clears itself) and rewrites the row.
void ConectarPantallasFiltros(FrmPrincipal& ventana, Combinacion& combinacion, PantallasFiltrosQt& pantallas);

}  // namespace tanteo
