#include "engine/comprobaciones.h"

#include <string>

#include "engine/texto_numeros.h"

namespace tanteo {

std::string PreguntaCambios(std::string_view pregunta) {
  return std::string(kCambiosDesdeGeneracion) + "\n" + std::string(pregunta);
}

std::int32_t CuentaDeContador(std::string_view texto) {
  const auto cuenta = LeerEntero(texto);
  return cuenta && *cuenta > 0 && *cuenta <= kEspacioApuestas ? static_cast<std::int32_t>(*cuenta) : 0;
}

namespace {

// What (A) and (B) share: there are bets to use, and the player accepts bets older than
// the base on the screen.
bool HayApuestas(Combinacion& c, Interaccion& interaccion, std::string_view errorSinGenerar) {
  if (c.apuestas.TotalApuestas == 0 && c.apuestas.TotalImportadas == 0) {
    interaccion.Error(kErrorTotalesCero);
    return false;
  }
  c.apuestas.TotalFinales = CuentaDeContador(c.contadores.lblApuestasReduccion);
  if (c.apuestas.TotalImportadas == 0 && c.apuestas.TotalFinales == 0) {
    interaccion.Error(errorSinGenerar);
    return false;
  }
  return true;
}

bool AceptaCambios(const Combinacion& c, Interaccion& interaccion, std::string_view pregunta) {
  return !c.cambiadaDesdeGeneracion || interaccion.Pregunta(PreguntaCambios(pregunta));
}

}  // namespace

bool ComprobacionesA(Combinacion& c, Interaccion& interaccion, std::string_view pregunta) {
  return HayApuestas(c, interaccion, kErrorSinGenerarA) && AceptaCambios(c, interaccion, pregunta);
}

bool ComprobacionesB(Combinacion& c, Interaccion& interaccion) {
  if (!HayApuestas(c, interaccion, kErrorSinGenerarB)) return false;
  if (c.apuestas.TotalFinales > kMaximoSinPreguntar && !interaccion.Pregunta(kPreguntaMasDeTresMillones)) {
    return false;
  }
  return AceptaCambios(c, interaccion, kPreguntaContinuar);
}

bool ComprobacionesC(Combinacion& c, Interaccion& interaccion) {
  c.apuestas.TotalFinales = CuentaDeContador(c.contadores.lblApuestasReduccion);
  return c.apuestas.TotalFinales <= 0 || AceptaCambios(c, interaccion, kPreguntaVerEscrutinio);
}

}  // namespace tanteo
