#include "formats/fichero_txt.h"

#include <algorithm>

#include "formats/lector_fichero.h"

namespace tanteo {
namespace {

// A bet line takes at least 14 bytes with its CR LF.
constexpr std::int64_t kBytesMinimosLinea = 14;

}  // namespace

ResultadoLectura LeerFicheroTXT(const std::filesystem::path& ruta, TablaApuestas& destino,
                                const OpcionesLectura& opciones) {
  return LecturaProtegida(destino, [&](ResultadoLectura& r) {
    LectorFichero fichero(ruta);
    if (!fichero.Abierto()) {
      r.descripcion = fichero.Error();
      return;
    }
    const auto reserva = std::min<std::int64_t>(fichero.Tamano() / kBytesMinimosLinea + 2, kEspacioApuestas);
    AcumuladorApuestas acumulador(destino, static_cast<std::int32_t>(reserva), opciones);
    LectorLineas lineas(fichero, false);
    std::string linea;
    bool primera = true;
    bool separada = false;
    while (lineas.Siguiente(linea)) {
      if (primera) separada = TieneSeparadores(linea);
      primera = false;
      const LineaDecodificada d = DecodificarApuesta(linea, separada);
      if (!d.tieneApuesta) continue;
      if (acumulador.Lleno()) {
        r.limiteSuperado = true;
        break;
      }
      if (d.desconocidos > 0) r.caracteresDesconocidos = true;
      acumulador.Anadir(d.apuesta.data());
    }
    r.apuestas = acumulador.Cuenta();
    r.descripcion = fichero.Error();
    r.ok = r.descripcion.empty();
  });
}

}  // namespace tanteo
