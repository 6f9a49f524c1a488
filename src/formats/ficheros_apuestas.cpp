#include "formats/ficheros_apuestas.h"

#include <cctype>

#include "formats/fichero_tto.h"
#include "formats/fichero_txt.h"

namespace tanteo {
namespace {

// Start of the file name within the path.
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

DialogoFichero DialogoAbrirApuestas() {
  DialogoFichero d;
  d.titulo = "Abrir Fichero";
  d.filtro = kFiltroAbrirApuestas;
  d.filtroInicial = 2;
  return d;
}

bool EsFicheroTTO(std::string_view ruta) {
  const std::size_t punto = PuntoExtension(ruta);
  if (punto == std::string_view::npos) return false;
  const std::string_view extension = ruta.substr(punto + 1);
  return extension.size() == 3 && std::toupper(static_cast<unsigned char>(extension[0])) == 'T' &&
         std::toupper(static_cast<unsigned char>(extension[1])) == 'T' &&
         std::toupper(static_cast<unsigned char>(extension[2])) == 'O';
}

std::string CambiarExtension(std::string_view ruta, std::string_view extension) {
  return std::string(ruta.substr(0, PuntoExtension(ruta))) + std::string(extension);
}

std::string NombreSinCarpeta(std::string_view ruta) { return std::string(ruta.substr(InicioNombre(ruta))); }

ResultadoLectura LeerFicheroApuestas(const std::filesystem::path& ruta, TablaApuestas& destino,
                                     const OpcionesLectura& opciones) {
  return EsFicheroTTO(ruta.string()) ? LeerFicheroTTO(ruta, destino, opciones) : LeerFicheroTXT(ruta, destino, opciones);
}

}  // namespace tanteo
