// What the mouse does on the main window's filter list.
#pragma once

#include <optional>

#include "conditions/lista_filtros.h"
#include "engine/combinacion.h"

namespace tanteo {

// The screens the list opens; each call shows one modally and returns when it has closed.
class PantallasFiltros {
 public:
  virtual ~PantallasFiltros() = default;
  virtual void MostrarFiltro(FilaFiltro fila) = 0;  // rows 0..8
  virtual void MostrarReduccion() = 0;              // row 9
};

// Right mouse button: the selected row is toggled; no screen opens.
void PulsarDerechoListaFiltros(Combinacion& combinacion, std::optional<FilaFiltro> seleccionada);

// Double click: the saved-as-XML flag is cleared (even with nothing selected), then the
// selected row's screen opens; afterwards a block filter's row shows its new block count
// and the reduction row its type.
void DobleClicListaFiltros(Combinacion& combinacion, std::optional<FilaFiltro> seleccionada, PantallasFiltros& pantallas);

}  // namespace tanteo
