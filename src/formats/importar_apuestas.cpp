#include "formats/importar_apuestas.h"

#include <cstring>
#include <exception>

#include "engine/texto_numeros.h"
#include "formats/ficheros_apuestas.h"
#include "formats/nombres_fichero.h"

namespace tanteo {
namespace {

void CopiarApuestas(const TablaApuestas& origen, std::int32_t cuenta, TablaApuestas& destino) {
  destino.Redimensionar(cuenta);
  if (cuenta > 0) std::memcpy(destino.Datos(), origen.Datos(), static_cast<std::size_t>(cuenta) * kBytesApuesta);
}

}  // namespace

FicheroImportado ImportarFicheroApuestas(Combinacion& combinacion, Interaccion& interaccion, Progreso& progreso) {
  FicheroImportado fichero;
  const auto elegido = interaccion.AbrirFichero(DialogoAbrirApuestas());
  if (!elegido) return fichero;
  fichero.elegido = true;
  fichero.ruta = *elegido;
  fichero.nombre = NombreSinCarpeta(*elegido);

  AlmacenApuestas& almacen = combinacion.apuestas;
  Contadores& contadores = combinacion.contadores;
  contadores.Reiniciar();
  almacen.TotalApuestas = 0;
  almacen.TotalImportadas = 0;
  almacen.ApuestasImportadas.Liberar();
  almacen.FrecuenciaResultados = {};

  OpcionesLectura opciones;
  opciones.cada = kApuestasAvanceImportacion;
  opciones.avance = [&](std::int32_t leidas) {
    contadores.lblApuIniciales = FormatoCuenta(leidas);
    progreso.Ceder();
  };
  ResultadoLectura lectura = LeerFicheroApuestas(fichero.ruta, almacen.ApuestasImportadas, opciones);
  if (lectura.ok) {
    try {
      CopiarApuestas(almacen.ApuestasImportadas, lectura.apuestas, almacen.ApuestasFinales);
      CopiarApuestas(almacen.ApuestasImportadas, lectura.apuestas, almacen.ApuestasCondicionadas);
    } catch (const std::exception& e) {
      lectura.ok = false;
      lectura.descripcion = e.what();
      almacen.ApuestasImportadas.Liberar();
      almacen.ApuestasFinales.Liberar();
      almacen.ApuestasCondicionadas.Liberar();
    }
  }
  if (!InformarLectura(lectura, interaccion)) {
    contadores.Reiniciar();
    return fichero;
  }

  almacen.TotalImportadas = lectura.apuestas;
  almacen.TotalFinales = lectura.apuestas;
  ContarFrecuencias(almacen.ApuestasImportadas, lectura.apuestas, almacen.FrecuenciaResultados);
  for (int m = 1; m <= kPartidos; ++m) {
    for (int r = 1; r <= kResultados; ++r) {
      combinacion.base.PonerResultado(m, r, almacen.FrecuenciaResultados[r][m] > 0);
    }
  }
  contadores.lblApuIniciales = FormatoCuenta(lectura.apuestas);
  contadores.lblApuCondicionadas = contadores.lblApuIniciales;
  contadores.lblApuestasReduccion = contadores.lblApuIniciales;
  combinacion.cambiadaDesdeGeneracion = false;
  fichero.importado = true;
  return fichero;
}

}  // namespace tanteo
