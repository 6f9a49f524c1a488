// The check a screen runs on its percentages block before it accepts it.
#pragma once

#include "conditions/porcentajes_bloque.h"
#include "engine/interaccion.h"

namespace tanteo {

// The wording of the messages: a plain table, or the played or real table of the CR screen.
enum class PalabrasPorcentajes { Equipo, Apostados, Reales };

// Team by team: a box that is blank (or not a number) or a sum above 100 shows its error and
// fails at once. Teams summing under 100 are listed in one warning at the end, which does
// not stop the check.
bool ValidarPorcentajes(const BloquePorcentajes& bloque, Interaccion& interaccion,
                        PalabrasPorcentajes palabras = PalabrasPorcentajes::Equipo);

}  // namespace tanteo
