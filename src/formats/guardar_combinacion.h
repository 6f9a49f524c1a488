// Saving the combination's final bets as a TTO file, with its XML base beside it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "engine/combinacion.h"
#include "engine/interaccion.h"
#include "engine/progreso.h"

namespace tanteo {

inline constexpr std::string_view kFiltroGuardarCombinacion = "Fichero de TANTEO (*.TTO)|*.TTO|Todos los archivos (*.*)|*.*|";
inline constexpr std::string_view kTextoGuardando = "Guardando por favor espere ...";

// Writes the combination's XML base file at the given path (".xml" beside the bets file).
using EscritorBaseXML = std::function<void(const std::filesystem::path& rutaXML)>;

// The TipoSistema of the active view: per match the selected results, or in the forecast
// view the home team's selected signs times the away team's.
std::string TipoSistemaVistaActiva(const BasePronostico& base);

struct CombinacionGuardada {
  bool elegido = false;      // a file name was chosen
  bool apuestasEscritas = false;
  std::string rutaTTO;
};

// Rows 1..cuenta of ApuestasFinales, headed by TipoSistemaVistaActiva, to the file the user
// names in "Guardar Combinación" (proposed: `ficheroXML`, the base file name of the window
// caption, with ".TTO" for its extension; the chosen name's extension becomes ".TTO").
// While writing, `progreso` shows "Guardando por favor espere ..." and the writer's advance.
// Then, whatever the writer reported, `escribirXML` (when given) writes the XML base beside
// it and the combination counts as saved as XML. A failure after the dialog shows
// "ERROR AL GUARDAR EL FICHERO CON LA REDUCCION (" + description + ")". Locking the screen
// around it is the caller's.
CombinacionGuardada GuardarApuestasCombinacion(Combinacion& combinacion, std::int32_t cuenta, std::string_view ficheroXML,
                                               Interaccion& interaccion, Progreso& progreso,
                                               const EscritorBaseXML& escribirXML);

}  // namespace tanteo
