// Reading a bets file from the command line, with the program's warnings and failure
// message on standard error.
#pragma once

#include <optional>
#include <string_view>

#include "cli/interaccion_consola.h"
#include "engine/tabla_apuestas.h"

namespace tanteo::cli {

struct ApuestasLeidas {
  TablaApuestas tabla;  // rows 1..cuenta, in file order
  std::int32_t cuenta = 0;
};

// The bets of the file, or nothing when the reading failed.
std::optional<ApuestasLeidas> LeerApuestasConsola(std::string_view ruta, InteraccionConsola& consola);

}  // namespace tanteo::cli
