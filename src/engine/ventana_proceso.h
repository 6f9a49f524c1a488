// The calculation window "Cálculo del sistema" (frmVentanaProceso) without its widgets:
// what it shows while the reduction works and the value it hands back to the main window.
// The reduction writes here; the screen shows Estado() whenever the Progreso lets the
// interface run. The caption of the Progreso follows lblCiclos and its bar lblProgressBar.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/progreso.h"
#include "engine/reduccion.h"

namespace tanteo {

struct EstadoVentanaProceso {
  std::string lblApuestasInicialesVP;      // "En directo", copied from the main window
  std::string lblApuestasCondicionadasVP;  // "Condicionado", copied from the main window
  std::string lblCiclos = "0";             // "Ciclo Actual :"
  std::string lblApuestasReduccion = "0";  // "En reducción": the best result so far
  std::string tooltipApuestasReduccion;    // "Obtenida en el ciclo: " + its cycle
  std::int64_t avance = 0;                 // lblProgressBar, percent of its full width
  bool imgDetenerVisible = true;           // the stop button, hidden for the exact adjustment
  std::int32_t apuestas = 0;               // the number lblApuestasReduccion shows
};

inline constexpr std::string_view kTextoAnalizando = "Analizando ...";
inline constexpr std::string_view kPrefijoCicloObtenido = "Obtenida en el ciclo: ";

class VentanaProceso {
 public:
  explicit VentanaProceso(Progreso& progreso) : progreso_(progreso) {}

  const EstadoVentanaProceso& Estado() const { return estado_; }

  // On opening: the main window's first two counters, cycle "0", empty bar, no result yet.
  void Abrir(std::string_view lblApuIniciales, std::string_view lblApuCondicionadas);
  void MostrarAnalizando();
  void MostrarCiclos(std::int64_t ciclos);
  void MostrarAvance(std::int64_t porcentaje);
  // A new best result of `apuestas` bets, found in cycle `ciclo`.
  void MostrarMejorResultado(std::int32_t apuestas, std::int64_t ciclo);
  // The result after the exact adjustment (its cycle stays in the tooltip).
  void MostrarApuestas(std::int32_t apuestas);
  void OcultarDetener();

  void Ceder() { progreso_.Ceder(); }
  bool DetencionPedida() const { return progreso_.DetencionPedida(); }

  // What the window copies into the main window's lblApuestasReduccion when it closes.
  ResultadoReduccion Resultado() const;

 private:
  void PonerCiclos(std::string texto);

  Progreso& progreso_;
  EstadoVentanaProceso estado_;
};

}  // namespace tanteo
