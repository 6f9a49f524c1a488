#include "engine/ventana_proceso.h"

#include <utility>

#include "engine/texto_numeros.h"

namespace tanteo {

void VentanaProceso::Abrir(std::string_view lblApuIniciales, std::string_view lblApuCondicionadas) {
  estado_ = EstadoVentanaProceso{};
  estado_.lblApuestasInicialesVP = lblApuIniciales;
  estado_.lblApuestasCondicionadasVP = lblApuCondicionadas;
  PonerCiclos("0");
  MostrarAvance(0);
}

void VentanaProceso::MostrarAnalizando() { PonerCiclos(std::string(kTextoAnalizando)); }

void VentanaProceso::MostrarCiclos(std::int64_t ciclos) { PonerCiclos(TextoReal(static_cast<double>(ciclos))); }

void VentanaProceso::PonerCiclos(std::string texto) {
  estado_.lblCiclos = std::move(texto);
  progreso_.Texto(estado_.lblCiclos);
}

void VentanaProceso::MostrarAvance(std::int64_t porcentaje) {
  estado_.avance = porcentaje;
  progreso_.Avance(porcentaje, 100);
}

void VentanaProceso::MostrarMejorResultado(std::int32_t apuestas, std::int64_t ciclo) {
  MostrarApuestas(apuestas);
  estado_.tooltipApuestasReduccion = std::string(kPrefijoCicloObtenido) + TextoReal(static_cast<double>(ciclo));
}

void VentanaProceso::MostrarApuestas(std::int32_t apuestas) {
  estado_.apuestas = apuestas;
  estado_.lblApuestasReduccion = FormatoCuenta(apuestas);
}

void VentanaProceso::OcultarDetener() { estado_.imgDetenerVisible = false; }

ResultadoReduccion VentanaProceso::Resultado() const {
  ResultadoReduccion r;
  r.apuestas = estado_.apuestas;
  r.lblApuestasReduccion = estado_.lblApuestasReduccion;
  r.tooltip = estado_.tooltipApuestasReduccion;
  return r;
}

}  // namespace tanteo
