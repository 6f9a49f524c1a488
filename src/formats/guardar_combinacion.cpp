#include "formats/guardar_combinacion.h"

#include <exception>

#include "formats/fichero_tto.h"
#include "formats/nombres_fichero.h"

namespace tanteo {

std::string TipoSistemaVistaActiva(const BasePronostico& base) {
  std::array<std::int32_t, kPartidos> cuentas{};
  for (int m = 1; m <= kPartidos; ++m) {
    cuentas[m - 1] = base.VistaActiva() == Vista::PorResultados
                         ? base.AceptadosPartido(m)
                         : base.CuentaSignos(2 * m - 1) * base.CuentaSignos(2 * m);
  }
  return TipoSistema(cuentas);
}

CombinacionGuardada GuardarApuestasCombinacion(Combinacion& combinacion, std::int32_t cuenta, std::string_view ficheroXML,
                                               Interaccion& interaccion, Progreso& progreso,
                                               const EscritorBaseXML& escribirXML) {
  CombinacionGuardada guardada;
  const std::string cabecera = TipoSistemaVistaActiva(combinacion.base);

  DialogoFichero dialogo;
  dialogo.titulo = "Guardar Combinación";
  dialogo.filtro = kFiltroGuardarCombinacion;
  dialogo.filtroInicial = 1;
  dialogo.nombreInicial = CambiarExtension(ficheroXML, ".TTO");
  dialogo.confirmarSobrescritura = true;
  const auto elegido = interaccion.GuardarFichero(dialogo);
  if (!elegido) return guardada;
  guardada.elegido = true;
  guardada.rutaTTO = CambiarExtension(*elegido, ".TTO");

  try {
    progreso.Texto(kTextoGuardando);
    guardada.apuestasEscritas = GuardarFicheroApuestas(guardada.rutaTTO, cabecera, combinacion.apuestas.ApuestasFinales,
                                                       cuenta, &progreso, interaccion);
    // The XML base goes beside the bets file whatever the writer reported. Only a base
    // actually written counts as saved: without a writer the leaving question stays.
    if (escribirXML) {
      escribirXML(CambiarExtension(guardada.rutaTTO, ".xml"));
      combinacion.guardadaXML = true;
    }
  } catch (const std::exception& e) {
    interaccion.Error("ERROR AL GUARDAR EL FICHERO CON LA REDUCCION (" + std::string(e.what()) + ")");
  }
  return guardada;
}

}  // namespace tanteo
