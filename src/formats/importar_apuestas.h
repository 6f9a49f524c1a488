// The import of a bets file for the "Desde Archivo" combination type: the file's bets
// become the combination's candidates, its final and its conditioned bets.
#pragma once

#include <string>

#include "engine/combinacion.h"
#include "engine/interaccion.h"
#include "engine/progreso.h"

namespace tanteo {

// Every 5000 bets read the first counter shows the count and the interface gets its turn.
inline constexpr std::int32_t kApuestasAvanceImportacion = 5000;

struct FicheroImportado {
  bool elegido = false;    // a file was chosen in the dialog
  bool importado = false;  // and its bets were read
  std::string nombre;      // the file name without its folder (txtFicheroASCII)
  std::string ruta;        // the full path (its tool tip)
};

// The caller has made the results view the visible one (the change to "Desde Archivo").
// Asks for the file, reads it (TTO by extension, TXT otherwise) into ApuestasImportadas
// with its frequencies, selects in the results view every result that occurs, copies the
// bets in file order into the final and conditioned bets, sets the counters and clears the
// changed-since-generation flag. Warnings and the failure message go through `interaccion`;
// on failure nothing is imported. `progreso` gets a turn while the counter changes
// (Ceder: the screen repaints the counters from the combination). Locking the screen
// around the import is the caller's.
FicheroImportado ImportarFicheroApuestas(Combinacion& combinacion, Interaccion& interaccion, Progreso& progreso);

}  // namespace tanteo
