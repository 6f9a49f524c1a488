#include "matchday/servicio_predeterminado.h"

#include <cstdlib>

#include "matchday/servicio_carpeta.h"
#include "matchday/servicio_http.h"

namespace tanteo {

std::unique_ptr<ServicioJornada> CrearServicioJornada() {
  if (const char* direccion = std::getenv("TANTEO_SERVICIO"); direccion != nullptr && *direccion != '\0') {
    return std::make_unique<ServicioHTTP>(direccion);
  }
  return std::make_unique<ServicioCarpeta>(CarpetaServicioEjemplo());
}

std::filesystem::path CarpetaServicioEjemplo() { return TANTEO_CARPETA_SERVICIO; }

}  // namespace tanteo
