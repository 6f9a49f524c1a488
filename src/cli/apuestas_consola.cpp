#include "cli/apuestas_consola.h"

#include <string>

#include "formats/ficheros_apuestas.h"

namespace tanteo::cli {

std::optional<std::int32_t> LeerApuestasConsola(std::string_view ruta, TablaApuestas& destino, InteraccionConsola& consola) {
  const ResultadoLectura lectura = LeerFicheroApuestas(std::string(ruta), destino);
  if (!InformarLectura(lectura, consola)) return std::nullopt;
  return lectura.apuestas;
}

}  // namespace tanteo::cli
