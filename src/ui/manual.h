// The program's manual ships inside it; before it is opened it is written to the program's
// folder, so the browser can read it from wherever the program was installed.
#pragma once

#include "engine/interaccion.h"
#include "engine/plataforma.h"

namespace tanteo {

// Writes the manual to FicheroManual(); false (after telling the player) when it cannot.
bool PrepararManual(Plataforma& plataforma, Interaccion& interaccion);

}  // namespace tanteo
