// tanteo-cli listar FICHERO: the bets of a TXT or TTO file, one per line in compact form,
// in file order.
#include <cstdio>
#include <string>

#include "cli/apuestas_consola.h"
#include "cli/orden.h"

namespace tanteo::cli {

int OrdenListar(const std::vector<std::string_view>& argumentos) {
  if (argumentos.size() != 1) return ErrorUso(kUsoListar);
  InteraccionConsola consola;
  const auto leidas = LeerApuestasConsola(argumentos[0], consola);
  if (!leidas) return kError;

  std::string bloque;
  for (std::int32_t fila = 1; fila <= leidas->cuenta; ++fila) {
    bloque += ApuestaCompacta(leidas->tabla.Fila(fila));
    bloque += '\n';
    if (bloque.size() >= (1u << 16) || fila == leidas->cuenta) {
      if (std::fwrite(bloque.data(), 1, bloque.size(), stdout) != bloque.size()) return kError;
      bloque.clear();
    }
  }
  return std::fflush(stdout) == 0 ? kExito : kError;
}

}  // namespace tanteo::cli
