#include "conditions/porcentajes_fichero.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "engine/texto_numeros.h"
#include "formats/escritura_atomica.h"
#include "formats/lector_fichero.h"
#include "formats/nombres_fichero.h"
#include "formats/windows_1252.h"

namespace tanteo {
namespace {

using Valores = std::array<double, kSignos>;

DialogoFichero DialogoPorcentajes(std::string titulo) {
  DialogoFichero d;
  d.titulo = std::move(titulo);
  d.filtro = kFiltroPorcentajes;
  return d;
}

// The first four numbers of a line, or nothing when it has fewer or one is not a number.
std::optional<Valores> LeerLinea(std::string linea) {
  std::replace(linea.begin(), linea.end(), ';', ' ');
  std::replace(linea.begin(), linea.end(), '-', ' ');
  Valores v{};
  std::size_t leidos = 0;
  std::size_t i = 0;
  while (leidos < v.size()) {
    i = linea.find_first_not_of(' ', i);
    if (i == std::string::npos) return std::nullopt;
    const std::size_t fin = std::min(linea.find(' ', i), linea.size());
    const auto valor = LeerReal(std::string_view(linea).substr(i, fin - i));
    if (!valor) return std::nullopt;
    v[leidos++] = std::clamp(*valor, 0.0, 100.0);
    i = fin;
  }
  return v;
}

// A partial sum that rounds above 100 zeroes the signs after it; true when one did.
bool AjustarSumas(Valores& v) {
  for (std::size_t ultimo = 1; ultimo < v.size(); ++ultimo) {
    double suma = 0;
    for (std::size_t s = 0; s <= ultimo; ++s) suma += v[s];
    if (RedondearEnteroPar(suma) > 100) {
      std::fill(v.begin() + static_cast<std::ptrdiff_t>(ultimo), v.end(), 0.0);
      return true;
    }
  }
  return false;
}

}  // namespace

std::string NombreFicheroPorcentajes(std::string_view elegido) {
  const std::string nombre = NombreSinCarpeta(elegido);
  const bool punto = nombre.find('.', nombre.size() > 6 ? nombre.size() - 6 : 0) != std::string::npos;
  return punto ? CambiarExtension(elegido, ".txt") : std::string(elegido) + ".txt";
}

std::string TextoFicheroPorcentajes(const BloquePorcentajes& bloque) {
  std::string texto;
  for (int t = 1; t <= kEquipos; ++t) {
    texto += bloque(t, 0) + " " + bloque(t, 1) + " " + bloque(t, 2) + " " + bloque(t, 3) + "\r\n";
  }
  return Utf8AWindows1252(texto);
}

bool GuardarPorcentajes(const BloquePorcentajes& bloque, Interaccion& interaccion) {
  const auto elegido = interaccion.GuardarFichero(DialogoPorcentajes("Guardar Porcentajes"));
  if (!elegido) return false;
  const ResultadoEscritura r =
      EscribirFicheroAtomicamente(NombreFicheroPorcentajes(*elegido), TextoFicheroPorcentajes(bloque));
  if (!r.ok) interaccion.Error("ERROR AL GUARDAR LOS PORCENTAJES (" + r.descripcion + ")");
  return r.ok;
}

bool LeerFicheroPorcentajes(const std::filesystem::path& ruta, BloquePorcentajes& bloque, Interaccion& interaccion) {
  LectorFichero fichero(ruta);
  LectorLineas lineas(fichero, true);
  std::string modificados;
  std::string linea;
  for (int t = 1; t <= kEquipos; ++t) {
    std::optional<Valores> v;
    if (fichero.Abierto() && lineas.Siguiente(linea)) v = LeerLinea(linea);
    if (!v || !fichero.Error().empty()) {
      interaccion.Error(kErrorCargarPorcentajes);
      return false;
    }
    if (AjustarSumas(*v)) modificados += std::to_string(t) + " ";
    for (int s = 0; s < kSignos; ++s) bloque(t, s) = TextoReal((*v)[s]);
  }
  if (!modificados.empty()) interaccion.Aviso(std::string(kAvisoPorcentajesModificados) + modificados);
  return true;
}

bool CargarPorcentajes(BloquePorcentajes& bloque, Interaccion& interaccion) {
  const auto elegido = interaccion.AbrirFichero(DialogoPorcentajes("Cargar Porcentajes"));
  return elegido && LeerFicheroPorcentajes(*elegido, bloque, interaccion);
}

}  // namespace tanteo
