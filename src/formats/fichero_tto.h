// TTO bets files, the program's own: records of a 16-bit little-endian length and that many
// enciphered bytes. Record 1 is a header (readers skip it), record 2 the number of bets in
// decimal, then one record per bet in the comma form 00,01,02,M0,MM,11.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "engine/interaccion.h"
#include "engine/progreso.h"
#include "formats/escritura_atomica.h"
#include "formats/lectura_apuestas.h"

namespace tanteo {

// Reads the bets of `ruta` into rows 1.. of `destino`, in file order; a count above
// 16,777,216 is cut to that many. Unknown codes read as "00" without notice. A count that
// is not a number, a file that ends early or a bet record with fewer than six elements
// fails, and `destino` is released.
ResultadoLectura LeerFicheroTTO(const std::filesystem::path& ruta, TablaApuestas& destino,
                                const OpcionesLectura& opciones = {});

// Writes rows 1..cuenta of `apuestas` as a TTO file headed by `cabecera` (UTF-8, stored in
// Windows-1252), through the atomic writer: on failure the old file stays. Every 6000 rows
// the bar, when given, advances and the interface gets its turn.
ResultadoEscritura EscribirFicheroTTO(const std::filesystem::path& ruta, std::string_view cabecera,
                                      const TablaApuestas& apuestas, std::int32_t cuenta, Progreso* barra);

// EscribirFicheroTTO, showing "ERROR AL GUARDAR EL FICHERO (" + description + ")" when it
// fails. Every screen that saves bets goes through here.
bool GuardarFicheroApuestas(const std::filesystem::path& ruta, std::string_view cabecera,
                            const TablaApuestas& apuestas, std::int32_t cuenta, Progreso* barra,
                            Interaccion& interaccion);

}  // namespace tanteo
