// Percentages files: twelve lines, one per team, of the four percentages of signs 0, 1, 2
// and M, in Windows-1252 with CR LF.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "conditions/porcentajes_bloque.h"
#include "engine/interaccion.h"

namespace tanteo {

inline constexpr std::string_view kFiltroPorcentajes =
    "Ficheros de porcentajes (*.TXT)|*.TXT|Todos los archivos (*.*)|*.*|";
inline constexpr std::string_view kErrorCargarPorcentajes = "ERROR AL CARGAR ALGUNOS O TODOS LOS VALORES DE LOS PORCENTAJES";
inline constexpr std::string_view kAvisoPorcentajesModificados =
    "AVISO : La suma de los 4 valores de algún partido es mayor de 100 y ha sido cambiada a 0.\r\n"
    "Número Partido Modificado: ";

// The name a percentages file is written under: when the last six characters of the file
// name hold a ".", the name loses everything from its last "."; then ".txt" is appended.
std::string NombreFicheroPorcentajes(std::string_view elegido);

// The bytes of the file: per team the four box texts as they stand, joined by spaces.
std::string TextoFicheroPorcentajes(const BloquePorcentajes& bloque);

// "Guardar Porcentajes": asks for the name and writes the block; false when cancelled or
// failed ("ERROR AL GUARDAR LOS PORCENTAJES (" + description + ")").
bool GuardarPorcentajes(const BloquePorcentajes& bloque, Interaccion& interaccion);

// Reads the twelve lines of `ruta` into the block, team by team: ";" and "-" count as
// spaces, values are clamped to 0..100 and partial sums above 100 zero the later signs
// (warned after the twelfth line). A failure shows kErrorCargarPorcentajes and stops: the
// teams read keep their new values, the others keep theirs.
bool LeerFicheroPorcentajes(const std::filesystem::path& ruta, BloquePorcentajes& bloque, Interaccion& interaccion);

// "Cargar Porcentajes": asks for the file and reads it; false when cancelled or failed.
bool CargarPorcentajes(BloquePorcentajes& bloque, Interaccion& interaccion);

}  // namespace tanteo
