#include "formats/nombres_fichero.h"

namespace tanteo {
namespace {

std::size_t InicioNombre(std::string_view ruta) {
  const std::size_t barra = ruta.find_last_of('/');
  return barra == std::string_view::npos ? 0 : barra + 1;
}

// Position of the last "." of the file name, or npos.
std::size_t PuntoExtension(std::string_view ruta) {
  const std::size_t punto = ruta.find_last_of('.');
  return punto == std::string_view::npos || punto < InicioNombre(ruta) ? std::string_view::npos : punto;
}

}  // namespace

std::string NombreSinCarpeta(std::string_view ruta) { return std::string(ruta.substr(InicioNombre(ruta))); }

std::string_view ExtensionDe(std::string_view ruta) {
  const std::size_t punto = PuntoExtension(ruta);
  return punto == std::string_view::npos ? std::string_view{} : ruta.substr(punto + 1);
}

std::string CambiarExtension(std::string_view ruta, std::string_view extension) {
  return std::string(ruta.substr(0, PuntoExtension(ruta))) + std::string(extension);
}

}  // namespace tanteo
