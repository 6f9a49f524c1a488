#include "cli/interaccion_consola.h"

#include <cstdio>
#include <string>

namespace tanteo::cli {
namespace {

void Escribir(std::string_view texto) {
  std::string linea;
  for (std::size_t i = 0; i < texto.size(); ++i) {
    if (texto[i] == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') continue;  // CR LF → LF
    linea += texto[i];
  }
  linea += '\n';
  std::fputs(linea.c_str(), stderr);
}

}  // namespace

void InteraccionConsola::Mensaje(Icono, std::string_view texto) { Escribir(texto); }

bool InteraccionConsola::Pregunta(std::string_view texto) {
  Escribir(texto);
  return false;
}

std::optional<std::string> InteraccionConsola::AbrirFichero(const DialogoFichero&) { return std::nullopt; }
std::optional<std::string> InteraccionConsola::GuardarFichero(const DialogoFichero&) { return std::nullopt; }

}  // namespace tanteo::cli
