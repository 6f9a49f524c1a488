// The source of matchday data the program uses.
#pragma once

#include <filesystem>
#include <memory>

#include "matchday/servicio_jornada.h"

namespace tanteo {

// The source the window and tanteo-cli use: the service at the address in TANTEO_SERVICIO
// ("https://host"), or the bundled sample folder when the variable is unset or empty.
std::unique_ptr<ServicioJornada> CrearServicioJornada();
// The bundled sample folder (data/servicio).
std::filesystem::path CarpetaServicioEjemplo();

}  // namespace tanteo
