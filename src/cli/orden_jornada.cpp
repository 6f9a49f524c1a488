#include "cli/orden_jornada.h"

#include <cstdio>
#include <string>

#include "cli/argumentos_jornada.h"
#include "cli/interaccion_consola.h"
#include "cli/orden.h"
#include "matchday/carga_jornada.h"
#include "matchday/servicio_predeterminado.h"

namespace tanteo::cli {

// One name per line, team 1 first, from the same source as the window.
int OrdenJornada(const std::vector<std::string_view>& argumentos) {
  const auto leidos = LeerArgumentosJornada(argumentos);
  if (!leidos) return kUso;
  InteraccionConsola interaccion;
  NombresEquipos nombres;
  if (!CargarPartidosJornada(*CrearServicioJornada(), leidos->jornada, leidos->temporada, nombres, interaccion)) {
    return kError;
  }
  std::string salida;
  for (int equipo = 1; equipo <= kEquipos; ++equipo) salida += nombres.nombre[equipo] + "\n";
  std::fputs(salida.c_str(), stdout);
  return kExito;
}

}  // namespace tanteo::cli
