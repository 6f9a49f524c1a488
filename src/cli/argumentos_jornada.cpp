#include "cli/argumentos_jornada.h"

#include <algorithm>
#include <cstdio>

#include "matchday/selectores.h"

namespace tanteo::cli {
namespace {

std::nullopt_t ErrorUso(const std::string& texto) {
  std::fputs(("tanteo-cli: " + texto + "\n").c_str(), stderr);
  return std::nullopt;
}

bool EnSelector(const ListaDesplegable& selector, std::string_view texto) {
  return std::find(selector.entradas.begin(), selector.entradas.end(), texto) != selector.entradas.end();
}

}  // namespace

std::optional<ArgumentosJornada> LeerArgumentosJornada(const std::vector<std::string_view>& argumentos,
                                                       const std::vector<std::string_view>& tipos) {
  ArgumentosJornada leidos;
  for (std::size_t i = 0; i < argumentos.size(); i += 2) {
    const std::string_view opcion = argumentos[i];
    std::string* destino = opcion == "--jornada"                       ? &leidos.jornada
                           : opcion == "--temporada"                   ? &leidos.temporada
                           : (opcion == "--tipo" && !tipos.empty()) ? &leidos.tipo
                                                                       : nullptr;
    if (destino == nullptr) return ErrorUso("opción desconocida: " + std::string(opcion));
    if (i + 1 >= argumentos.size()) return ErrorUso("falta el valor de " + std::string(opcion));
    *destino = argumentos[i + 1];
  }
  ListaDesplegable jornadas;
  ListaDesplegable temporadas;
  RellenarJornadas(jornadas);
  RellenarTemporadas(temporadas, {});
  if (!EnSelector(jornadas, leidos.jornada)) return ErrorUso("--jornada debe ser un número de 1 a 99");
  if (!EnSelector(temporadas, leidos.temporada)) {
    return ErrorUso("--temporada debe ser una temporada de 1990/1991 a 2060/2061");
  }
  if (!tipos.empty() && std::find(tipos.begin(), tipos.end(), leidos.tipo) == tipos.end()) {
    std::string lista;
    for (const std::string_view t : tipos) lista += (lista.empty() ? "" : "|") + std::string(t);
    return ErrorUso("--tipo debe ser " + lista);
  }
  return leidos;
}

}  // namespace tanteo::cli
