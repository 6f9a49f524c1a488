#include "formats/lectura_apuestas.h"

#include <algorithm>
#include <exception>
#include <utility>

namespace tanteo {

std::string ErrorImportarFichero(std::string_view descripcion) {
  return "ERROR AL IMPORTAR EL FICHERO, FICHERO NO IMPORTADO (" + std::string(descripcion) + ")";
}

bool InformarLectura(const ResultadoLectura& lectura, Interaccion& interaccion) {
  if (lectura.limiteSuperado) interaccion.Aviso(kAvisoLimiteApuestas);
  if (!lectura.ok) {
    interaccion.Error(ErrorImportarFichero(lectura.descripcion));
  } else if (lectura.caracteresDesconocidos) {
    interaccion.Aviso(kAvisoCaracteresDesconocidos);
  } else if (lectura.apuestas == 0) {
    interaccion.Aviso(kAvisoCeroApuestas);
  }
  return lectura.ok;
}

ResultadoLectura LecturaProtegida(TablaApuestas& destino, const std::function<void(ResultadoLectura&)>& leer) {
  ResultadoLectura r;
  try {
    leer(r);
  } catch (const std::exception& e) {
    r.ok = false;
    r.descripcion = e.what();
  }
  if (!r.ok) {
    destino.Liberar();
    r.apuestas = 0;
  }
  return r;
}

AcumuladorApuestas::AcumuladorApuestas(TablaApuestas& destino, std::int32_t reserva, const OpcionesLectura& opciones)
    : destino_(destino),
      opciones_(opciones),
      hastaAvance_(opciones.cada > 0 && opciones.avance ? opciones.cada : 0) {
  destino_.Redimensionar(std::clamp(reserva, 1, kEspacioApuestas));
}

std::int32_t AcumuladorApuestas::Cabida(std::int32_t n) {
  if (cuenta_ == destino_.Filas() && !Lleno()) Crecer();
  n = std::min(n, destino_.Filas() - cuenta_);
  return hastaAvance_ > 0 ? std::min(n, hastaAvance_) : n;
}

void AcumuladorApuestas::Crecer() {
  const std::int32_t filas = static_cast<std::int32_t>(std::min<std::int64_t>(2ll * destino_.Filas(), kEspacioApuestas));
  TablaApuestas mayor;
  mayor.Redimensionar(filas);
  std::memcpy(mayor.Datos(), destino_.Datos(), static_cast<std::size_t>(cuenta_) * kBytesApuesta);
  destino_ = std::move(mayor);
}

}  // namespace tanteo
