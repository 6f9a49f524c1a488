#include "matchday/fichero_partidos.h"

#include <fstream>
#include <string>
#include <vector>

#include "formats/windows_1252.h"

namespace tanteo {
namespace {

std::string_view SinBlancos(std::string_view texto) {
  const auto inicio = texto.find_first_not_of(" \t");
  if (inicio == std::string_view::npos) return {};
  return texto.substr(inicio, texto.find_last_not_of(" \t") - inicio + 1);
}

// The first `letras` characters of a UTF-8 text (continuation bytes do not count).
std::string_view PrimerasLetras(std::string_view utf8, int letras) {
  int vistas = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if ((static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) continue;
    if (vistas == letras) return utf8.substr(0, i);
    ++vistas;
  }
  return utf8;
}

}  // namespace

bool CargarFicheroPartidos(DestinoEquipos& destino, Interaccion& interaccion) {
  DialogoFichero dialogo;
  dialogo.titulo = "Cargar partidos";
  dialogo.filtro = "Fichero de partidos (*.TXT)|*.TXT|Fichero de partidos (*.ASC)|*.ASC|Todos los archivos (*.*)|*.*|";
  const auto fichero = interaccion.AbrirFichero(dialogo);
  if (!fichero) return false;
  return LeerFicheroPartidos(*fichero, destino, interaccion);
}

bool LeerFicheroPartidos(const std::filesystem::path& fichero, DestinoEquipos& destino, Interaccion& interaccion) {
  std::ifstream entrada(fichero, std::ios::binary);
  std::vector<std::string> lineas;
  std::string bytes;  // the lines read, to tell the file's encoding
  for (std::string linea; static_cast<int>(lineas.size()) < kEquipos && std::getline(entrada, linea);) {
    if (!linea.empty() && linea.back() == '\r') linea.pop_back();
    bytes += linea;
    lineas.push_back(std::move(linea));
  }
  if (!lineas.empty() && lineas.front().starts_with("\xEF\xBB\xBF")) lineas.front().erase(0, 3);
  const bool utf8 = EsUtf8Valido(bytes);
  for (std::size_t i = 0; i < lineas.size(); ++i) {
    const std::string texto = utf8 ? lineas[i] : Windows1252AUtf8(lineas[i]);
    destino.PonerEquipo(static_cast<int>(i) + 1, PrimerasLetras(SinBlancos(texto), kLetrasNombreEquipo));
  }
  if (static_cast<int>(lineas.size()) < kEquipos || entrada.bad()) {
    interaccion.Error(kErrorFicheroPartidos);
    return false;
  }
  return true;
}

}  // namespace tanteo
