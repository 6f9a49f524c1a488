#include "formats/ficheros_apuestas.h"

#include <cctype>

#include "formats/fichero_tto.h"
#include "formats/fichero_txt.h"

namespace tanteo {

DialogoFichero DialogoAbrirApuestas() {
  DialogoFichero d;
  d.titulo = "Abrir Fichero";
  d.filtro = kFiltroAbrirApuestas;
  d.filtroInicial = 2;
  return d;
}

bool EsFicheroTTO(std::string_view ruta) {
  const std::string_view extension = ExtensionDe(ruta);
  return extension.size() == 3 && std::toupper(static_cast<unsigned char>(extension[0])) == 'T' &&
         std::toupper(static_cast<unsigned char>(extension[1])) == 'T' &&
         std::toupper(static_cast<unsigned char>(extension[2])) == 'O';
}

ResultadoLectura LeerFicheroApuestas(const std::filesystem::path& ruta, TablaApuestas& destino,
                                     const OpcionesLectura& opciones) {
  return EsFicheroTTO(ruta.string()) ? LeerFicheroTTO(ruta, destino, opciones) : LeerFicheroTXT(ruta, destino, opciones);
}

}  // namespace tanteo
