#include "cli/orden_porcentajes.h"

#include <array>
#include <cstdio>
#include <string>

#include "cli/argumentos_jornada.h"
#include "cli/interaccion_consola.h"
#include "cli/orden.h"
#include "matchday/carga_jornada.h"
#include "matchday/servicio_predeterminado.h"

namespace tanteo::cli {
namespace {

// The --tipo values, by the percentage type item each stands for.
struct Tipo {
  std::string_view nombre;
  int indiceTipo;
};
constexpr std::array<Tipo, 4> kTipos = {{{"analisis", 2}, {"jugados", 3}, {"lae", 4}, {"mixto", 5}}};

}  // namespace

// Twelve lines, team 1 first, of the four boxes (signs 0, 1, 2, M) separated by spaces.
int OrdenPorcentajes(const std::vector<std::string_view>& argumentos) {
  std::vector<std::string_view> nombres;
  for (const Tipo& t : kTipos) nombres.push_back(t.nombre);
  const auto leidos = LeerArgumentosJornada(argumentos, nombres);
  if (!leidos) return kUso;
  int indiceTipo = 0;
  for (const Tipo& t : kTipos) {
    if (t.nombre == leidos->tipo) indiceTipo = t.indiceTipo;
  }
  InteraccionConsola interaccion;
  CajasPorcentajes cajas;
  if (!CargarTipoPorcentajesServicio(indiceTipo, *CrearServicioJornada(), leidos->jornada, leidos->temporada, cajas,
                                     interaccion)) {
    return kError;
  }
  std::string salida;
  for (int equipo = 1; equipo <= kEquipos; ++equipo) {
    for (int signo = 0; signo < kSignos; ++signo) salida += cajas.texto[signo][equipo] + (signo + 1 < kSignos ? " " : "\n");
  }
  std::fputs(salida.c_str(), stdout);
  return kExito;
}

}  // namespace tanteo::cli
