// The entries of the matchday and season selectors (`cboNumeroJornada`, `cboTemporada`).
#pragma once

#include <string>

#include "engine/lista_desplegable.h"
#include "engine/plataforma.h"

namespace tanteo {

// "1" .. "99", the first selected.
void RellenarJornadas(ListaDesplegable& selector);
// "1990/1991" .. "2060/2061", the current season selected, or the first entry when the
// current season is not in the list.
void RellenarTemporadas(ListaDesplegable& selector, const FechaHora& hoy);

// The season a date belongs to: January to July close the season begun the year before.
std::string TemporadaDe(const FechaHora& fecha);

}  // namespace tanteo
