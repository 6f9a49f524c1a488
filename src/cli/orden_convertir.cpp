// tanteo-cli convertir ENTRADA SALIDA [--cabecera TEXTO]: the bets of a TXT or TTO file,
// in file order, written as a TTO file. The header is by default the system type of the
// results that occur in the file, as an import shows it.
#include <cstdio>
#include <string>

#include "cli/apuestas_consola.h"
#include "cli/orden.h"
#include "engine/almacen_apuestas.h"
#include "formats/fichero_tto.h"

namespace tanteo::cli {
namespace {

std::string TipoSistemaPresente(const TablaApuestas& apuestas, std::int32_t cuenta) {
  TablaFrecuencias frecuencias;
  ContarFrecuencias(apuestas, cuenta, frecuencias);
  TablaResultadosPartido resultados;
  TablaNumResultados num;
  DerivarResultadosPartido(frecuencias, resultados, num);
  return TipoSistemaDe(num);
}

}  // namespace

int OrdenConvertir(const std::vector<std::string_view>& argumentos) {
  std::vector<std::string_view> ficheros;
  std::optional<std::string_view> cabecera;
  bool usoCorrecto = true;
  for (std::size_t i = 0; i < argumentos.size(); ++i) {
    if (argumentos[i] != "--cabecera") {
      ficheros.push_back(argumentos[i]);
    } else if (i + 1 < argumentos.size() && !cabecera) {
      cabecera = argumentos[++i];
    } else {
      usoCorrecto = false;
    }
  }
  if (!usoCorrecto || ficheros.size() != 2) return ErrorUso(kUsoConvertir);
  InteraccionConsola consola;
  const auto leidas = LeerApuestasConsola(ficheros[0], consola);
  if (!leidas) return kError;
  const std::string texto = cabecera ? std::string(*cabecera) : TipoSistemaPresente(leidas->tabla, leidas->cuenta);
  return GuardarFicheroApuestas(std::string(ficheros[1]), texto, leidas->tabla, leidas->cuenta, nullptr, consola)
             ? kExito
             : kError;
}

}  // namespace tanteo::cli
