#include "cli/apuestas_consola.h"

#include <string>

#include "formats/ficheros_apuestas.h"

namespace tanteo::cli {

std::optional<ApuestasLeidas> LeerApuestasConsola(std::string_view ruta, InteraccionConsola& consola) {
  ApuestasLeidas leidas;
  const ResultadoLectura lectura = LeerFicheroApuestas(std::string(ruta), leidas.tabla);
  if (!InformarLectura(lectura, consola)) return std::nullopt;
  leidas.cuenta = lectura.apuestas;
  return leidas;
}

}  // namespace tanteo::cli
