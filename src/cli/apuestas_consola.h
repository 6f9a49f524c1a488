// Reading a bets file from the command line, with the program's warnings and failure
// message on standard error.
#pragma once

#include <optional>
#include <string_view>

#include "cli/interaccion_consola.h"
#include "engine/tabla_apuestas.h"

namespace tanteo::cli {

// The number of bets read into rows 1.. of `destino`, or nothing when the reading failed.
std::optional<std::int32_t> LeerApuestasConsola(std::string_view ruta, TablaApuestas& destino, InteraccionConsola& consola);

}  // namespace tanteo::cli
