#include "matchday/carga_jornada.h"

#include <pugixml.hpp>

#include <array>
#include <charconv>
#include <functional>
#include <optional>
#include <string>

#include "engine/texto_numeros.h"
#include "formats/windows_1252.h"

namespace tanteo {
namespace {

constexpr std::array<std::string_view, kSignos> kSufijosSigno = {"0", "1", "2", "M"};
constexpr std::array<std::string_view, 2> kLados = {"_local", "_visitante"};

std::string_view Prefijo(ClasePorcentajes clase) {
  switch (clase) {
    case ClasePorcentajes::Analisis:
      return "pta";
    case ClasePorcentajes::Jugados:
      return "pt";
    case ClasePorcentajes::LAE:
      break;
  }
  return "ptl";
}

// "pta1_visitante": the attribute of one kind, sign and side (0 home, 1 away).
std::string NombreAtributo(std::string_view prefijo, int signo, int lado) {
  return std::string(prefijo) + std::string(kSufijosSigno[signo]) + std::string(kLados[lado]);
}

bool EsPartido(const pugi::xml_node& nodo) {
  constexpr std::string_view kNombre = "partido";
  const std::string_view nombre = nodo.name();
  if (nodo.type() != pugi::node_element || nombre.size() != kNombre.size()) return false;
  for (std::size_t i = 0; i < nombre.size(); ++i) {
    const char c = nombre[i];
    if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != kNombre[i]) return false;
  }
  return true;
}

// What one `partido` element gives, attribute by attribute; a failure is thrown as its
// description and stops the walk.
class Partido {
 public:
  explicit Partido(const pugi::xml_node& nodo) : nodo_(nodo) {}

  std::string_view Texto(const std::string& atributo) const {
    const pugi::xml_attribute a = nodo_.attribute(atributo.c_str());
    if (!a) throw Fallo("falta el atributo " + atributo + Donde());
    return a.value();
  }

  // `num`, the match number 1..6.
  int Numero() {
    const std::string_view texto = Texto("num");
    int n = 0;
    const auto [fin, ec] = std::from_chars(texto.data(), texto.data() + texto.size(), n);
    if (texto.empty() || ec != std::errc{} || fin != texto.data() + texto.size()) {
      throw Fallo("número de partido no válido: " + std::string(texto));
    }
    if (n < 1 || n > kPartidos) throw Fallo("número de partido fuera de rango: " + std::to_string(n));
    numero_ = n;
    return n;
  }

  // A percentage written with a decimal point.
  double Real(const std::string& atributo) const {
    std::string_view texto = Texto(atributo);
    while (!texto.empty() && texto.front() == ' ') texto.remove_prefix(1);
    while (!texto.empty() && texto.back() == ' ') texto.remove_suffix(1);
    double valor = 0;
    const auto [fin, ec] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    if (texto.empty() || ec != std::errc{} || fin != texto.data() + texto.size()) {
      throw Fallo("valor no numérico en " + atributo + Donde() + ": " + std::string(texto));
    }
    return valor;
  }

  struct Fallo {
    std::string descripcion;
  };

 private:
  std::string Donde() const { return numero_ > 0 ? " del partido " + std::to_string(numero_) : ""; }

  pugi::xml_node nodo_;
  int numero_ = 0;
};

// Asks for the answer and parses it; shows the failure under `titulo` and gives nothing
// when there is no document.
std::optional<pugi::xml_document> Documento(ServicioJornada& servicio, std::string_view jornada,
                                            std::string_view temporada, std::string_view titulo,
                                            Interaccion& interaccion) {
  const RespuestaServicio respuesta = servicio.Consultar(jornada, temporada);
  if (!respuesta.ok) {
    interaccion.Error(std::string(titulo) + " (" + respuesta.descripcion + ")");
    return std::nullopt;
  }
  std::optional<pugi::xml_document> documento(std::in_place);
  const pugi::xml_parse_result analisis = documento->load_buffer(respuesta.texto.data(), respuesta.texto.size());
  if (!analisis) {
    interaccion.Error(std::string(titulo) + " (" + std::to_string(static_cast<int>(analisis.status)) + ")\r\n" +
                      "PUEDE QUE EL FICHERO NO ESTE DISPONIBLE, CONSULTE EN " + std::string(kDireccionBoletia));
    return std::nullopt;
  }
  return documento;
}

// Every `partido` of every top-level element that has children, in document order.
bool Recorrer(const pugi::xml_document& documento, std::string_view titulo, Interaccion& interaccion,
              const std::function<void(Partido&)>& aplicar) {
  try {
    for (const pugi::xml_node& superior : documento.children()) {
      if (!superior.first_child()) continue;
      for (const pugi::xml_node& hijo : superior.children()) {
        if (!EsPartido(hijo)) continue;
        Partido partido(hijo);
        aplicar(partido);
      }
    }
  } catch (const Partido::Fallo& fallo) {
    interaccion.Error(std::string(titulo) + " (" + fallo.descripcion + ")");
    return false;
  }
  return true;
}

constexpr int EquipoLocal(int partido) { return 2 * partido - 1; }

}  // namespace

bool CargarPartidosJornada(ServicioJornada& servicio, std::string_view jornada, std::string_view temporada,
                           DestinoEquipos& destino, Interaccion& interaccion) {
  const auto documento = Documento(servicio, jornada, temporada, kErrorJornada, interaccion);
  if (!documento) return false;
  return Recorrer(*documento, kErrorJornada, interaccion, [&](Partido& partido) {
    const int local = EquipoLocal(partido.Numero());
    // Answers without an encoding declaration may come in the old single-byte code page.
    destino.PonerEquipo(local, TextoLeidoAUtf8(partido.Texto("equipo1")));
    destino.PonerEquipo(local + 1, TextoLeidoAUtf8(partido.Texto("equipo2")));
  });
}

bool CargarPorcentajesJornada(ServicioJornada& servicio, std::string_view jornada, std::string_view temporada,
                              DestinoPorcentajes& destino, ClasePorcentajes clase, Interaccion& interaccion) {
  const auto documento = Documento(servicio, jornada, temporada, kErrorPorcentajes, interaccion);
  if (!documento) return false;
  const std::string_view prefijo = Prefijo(clase);
  return Recorrer(*documento, kErrorPorcentajes, interaccion, [&](Partido& partido) {
    const int local = EquipoLocal(partido.Numero());
    for (int lado = 0; lado < 2; ++lado) {
      for (int signo = 0; signo < kSignos; ++signo) {
        std::string texto(partido.Texto(NombreAtributo(prefijo, signo, lado)));
        for (char& c : texto) {
          if (c == '.') c = ',';
        }
        destino.PonerPorcentaje(local + lado, signo, texto);
      }
    }
  });
}

bool CargarPorcentajesMixtos(ServicioJornada& servicio, std::string_view jornada, std::string_view temporada,
                             DestinoPorcentajes& destino, double pesoLAE, double pesoJugados,
                             Interaccion& interaccion) {
  const auto documento = Documento(servicio, jornada, temporada, kErrorPorcentajes, interaccion);
  if (!documento) return false;
  using Tabla = std::array<std::array<double, kSignos>, kEquipos + 1>;  // [equipo][signo]
  Tabla lae{};
  Tabla jugados{};
  const bool completo = Recorrer(*documento, kErrorPorcentajes, interaccion, [&](Partido& partido) {
    const int local = EquipoLocal(partido.Numero());
    for (int lado = 0; lado < 2; ++lado) {
      for (int signo = 0; signo < kSignos; ++signo) {
        lae[local + lado][signo] = partido.Real(NombreAtributo(Prefijo(ClasePorcentajes::LAE), signo, lado));
      }
      for (int signo = 0; signo < kSignos; ++signo) {
        jugados[local + lado][signo] = partido.Real(NombreAtributo(Prefijo(ClasePorcentajes::Jugados), signo, lado));
      }
    }
  });
  if (!completo) return false;
  for (int equipo = 1; equipo <= kEquipos; ++equipo) {
    double mostrado = 0;
    for (int signo = 0; signo < kSignos - 1; ++signo) {
      const double valor = pesoLAE * lae[equipo][signo] / 100 + pesoJugados * jugados[equipo][signo] / 100;
      const std::string texto = TextoReal(valor);
      destino.PonerPorcentaje(equipo, signo, texto);
      // M completes what the boxes show; exponent forms of tiny values read as computed.
      mostrado += LeerReal(texto).value_or(valor);
    }
    destino.PonerPorcentaje(equipo, kSignos - 1, Formato2Decimales(100 - mostrado));
  }
  return true;
}

bool EsTipoPorcentajesServicio(int indiceTipo) { return indiceTipo >= 2 && indiceTipo <= 5; }

bool CargarTipoPorcentajesServicio(int indiceTipo, ServicioJornada& servicio, std::string_view jornada,
                                   std::string_view temporada, DestinoPorcentajes& destino,
                                   Interaccion& interaccion) {
  switch (indiceTipo) {
    case 2:
      return CargarPorcentajesJornada(servicio, jornada, temporada, destino, ClasePorcentajes::Analisis, interaccion);
    case 3:
      return CargarPorcentajesJornada(servicio, jornada, temporada, destino, ClasePorcentajes::Jugados, interaccion);
    case 4:
      return CargarPorcentajesJornada(servicio, jornada, temporada, destino, ClasePorcentajes::LAE, interaccion);
    case 5:
      return CargarPorcentajesMixtos(servicio, jornada, temporada, destino, 80, 20, interaccion);
    default:
      return false;
  }
}

}  // namespace tanteo
