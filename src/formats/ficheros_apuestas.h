// The one entry for every screen that opens a bets file: the open dialog and the choice of
// reader by the file's extension.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "engine/interaccion.h"
#include "formats/lectura_apuestas.h"
#include "formats/nombres_fichero.h"

namespace tanteo {

inline constexpr std::string_view kFiltroAbrirApuestas =
    "Ficheros de Apuestas (*.TXT)|*.TXT|Ficheros en formato TANTEO (*.TTO)|*.TTO|Todos los archivos (*.*)|*.*|";

// "Abrir Fichero", TXT and TTO files, the TTO entry preselected.
DialogoFichero DialogoAbrirApuestas();

// Whether the extension of the file name (the text after its last ".") is "TTO", in any case.
bool EsFicheroTTO(std::string_view ruta);

// Reads a TTO file when EsFicheroTTO, a TXT file otherwise.
ResultadoLectura LeerFicheroApuestas(const std::filesystem::path& ruta, TablaApuestas& destino,
                                     const OpcionesLectura& opciones = {});

}  // namespace tanteo
