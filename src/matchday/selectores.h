// The matchday and season selectors (`cboNumeroJornada`, `cboTemporada`) as the screens
// hold them: the entries in order and the selected one.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/plataforma.h"

namespace tanteo {

struct Selector {
  std::vector<std::string> entradas;
  int seleccionado = -1;  // 0-based index into `entradas`, -1 when nothing is selected

  // The selected entry's text, empty when nothing is selected.
  std::string Texto() const;
  // Selects the entry with exactly this text; false (and no change) when there is none.
  bool SeleccionarTexto(std::string_view texto);
  friend bool operator==(const Selector&, const Selector&) = default;
};

// "1" .. "99", the first selected.
void RellenarJornadas(Selector& selector);
// "1990/1991" .. "2060/2061", the current season selected, or the first entry when the
// current season is not in the list.
void RellenarTemporadas(Selector& selector, const FechaHora& hoy);

// The season a date belongs to: January to July close the season begun the year before.
std::string TemporadaDe(const FechaHora& fecha);

}  // namespace tanteo
