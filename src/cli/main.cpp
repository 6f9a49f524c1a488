// tanteo-cli: the program's core from the command line.
#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/orden.h"
#include "cli/orden_jornada.h"
#include "cli/orden_porcentajes.h"

namespace {

using tanteo::cli::Orden;

// The subcommands, one source file each.
constexpr std::array kOrdenes = {
    Orden{"listar", tanteo::cli::kUsoListar, tanteo::cli::OrdenListar},
    Orden{"convertir", tanteo::cli::kUsoConvertir, tanteo::cli::OrdenConvertir},
    Orden{"jornada", "jornada --jornada N --temporada AAAA/AAAA", tanteo::cli::OrdenJornada},
    Orden{"porcentajes", "porcentajes --jornada N --temporada AAAA/AAAA --tipo analisis|jugados|lae|mixto",
          tanteo::cli::OrdenPorcentajes},
};

void Ayuda(std::FILE* salida) {
  std::string texto = "Uso: tanteo-cli ORDEN [ARGUMENTOS]\n\nÓrdenes:\n";
  for (const Orden& orden : kOrdenes) texto += "  " + std::string(orden.uso) + "\n";
  texto += "  --help\n";
  std::fputs(texto.c_str(), salida);
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::vector<std::string_view> argumentos(argv + 1, argv + argc);
  if (!argumentos.empty() && (argumentos[0] == "--help" || argumentos[0] == "-h")) {
    Ayuda(stdout);
    return tanteo::cli::kExito;
  }
  if (!argumentos.empty()) {
    for (const Orden& orden : kOrdenes) {
      if (orden.nombre == argumentos[0]) return orden.ejecutar({argumentos.begin() + 1, argumentos.end()});
    }
  }
  Ayuda(stderr);
  return tanteo::cli::kUso;
}
