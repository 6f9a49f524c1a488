#include "engine/configuracion.h"

#include <cstdint>
#include <fstream>
#include <limits>

#include "engine/texto_numeros.h"

namespace tanteo {

namespace {

// A text line as the program reads it: CR LF, a lone CR or a lone LF end it.
bool LeerLinea(std::istream& entrada, std::string& linea) {
  linea.clear();
  char c;
  bool alguno = false;
  while (entrada.get(c)) {
    alguno = true;
    if (c == '\n') return true;
    if (c == '\r') {
      if (entrada.peek() == '\n') entrada.get();
      return true;
    }
    linea.push_back(c);
  }
  return alguno;
}

std::optional<LineaConfiguracion> Partir(const std::string& linea) {
  const auto igual = linea.find('=');
  if (igual == std::string::npos) return std::nullopt;
  return LineaConfiguracion{linea.substr(0, igual), linea.substr(igual + 1)};
}

}  // namespace

LecturaConfiguracion LeerConfiguracion(const std::filesystem::path& fichero) {
  LecturaConfiguracion lectura;
  std::error_code ec;
  lectura.existe = std::filesystem::is_regular_file(fichero, ec);
  if (!lectura.existe) return lectura;
  std::ifstream entrada(fichero, std::ios::binary);
  std::string linea1, linea2;
  if (!entrada || !LeerLinea(entrada, linea1) || !LeerLinea(entrada, linea2)) return lectura;
  const auto primera = Partir(linea1);
  const auto segunda = Partir(linea2);
  if (!primera || !segunda) return lectura;
  lectura.legible = true;
  lectura.primera = *primera;
  lectura.segunda = *segunda;
  return lectura;
}

std::string TextoConfiguracion(std::string_view jornada, std::string_view temporada) {
  return "JORNADA=" + std::string(jornada) + "\r\nTEMPORADA=" + std::string(temporada) + "\r\n";
}

std::optional<std::string> JornadaDeConfiguracion(std::string_view valor) {
  const auto numero = LeerReal(valor);
  // Far outside 16 bits before rounding too, so that the conversion never overflows.
  if (!numero || !(*numero > -40000.0 && *numero < 40000.0)) return std::nullopt;
  const std::int64_t entero = RedondearEnteroPar(*numero);
  if (entero < std::numeric_limits<std::int16_t>::min() || entero > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return std::to_string(entero);
}

}  // namespace tanteo
