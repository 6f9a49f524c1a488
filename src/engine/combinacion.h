// The current combination: the base in its two views, the bet store, the counters shown on
// the main window and the flags of the combination state. One object for the whole run of
// the program, passed by reference to whoever needs it.
#pragma once

#include <cstdint>
#include <string>

#include "conditions/ajustes_filtros.h"
#include "conditions/lista_filtros.h"
#include "engine/ajustes_reduccion.h"
#include "engine/almacen_apuestas.h"
#include "engine/base_pronostico.h"
#include "engine/interaccion.h"

namespace tanteo {

// The three counters of the main window, as texts: during a run the middle one also
// shows the caption of the filter that works.
struct Contadores {
  std::string lblApuIniciales = "0";
  std::string lblApuCondicionadas = "0";
  std::string lblApuestasReduccion = "0";
  std::string tooltipApuestasReduccion;

  void Reiniciar();
};

enum class TipoCombinacion { PronosticoManual = 0, PronosticoAleatorio = 1, DesdeArchivo = 2 };

class Combinacion {
 public:
  BasePronostico base;
  AlmacenApuestas apuestas;
  Contadores contadores;
  ListaFiltros lstFiltros;
  AjustesFiltros filtros;  // every filter's settings, their pages and EliminadasFiltro
  Reduccion reduccion;

  bool cambiadaDesdeGeneracion = false;
  bool guardadaXML = true;
  bool ocupada = false;   // busy mark: a conditioning run works
  bool bloqueada = false;  // screen locked: the controls that start operations are disabled
  bool indicacionProgreso = false;  // Timer1 recolours the conditioned-bets counter
  bool cargando = false;  // loading mark: start-up in progress
  TipoCombinacion tipo = TipoCombinacion::PronosticoManual;
  TipoCombinacion tipoAnterior = TipoCombinacion::PronosticoManual;

  // Editing the base: each marks the combination changed and recounts.
  void AlternarResultado(int partido, int resultado);
  void AlternarSigno(int equipo, int signo);
  void SeleccionarTodo();
  // Clears the active view, the counters and both totals.
  void LimpiarPronostico();
  // Swaps the visible view after asking when there are unsaved changes; false on No.
  bool CambiarVista(Interaccion& interaccion);
  // The caption of the switch button for the visible view.
  std::string TextoCambiarVista() const;

  // TotalApuestas from the active view, shown in the first two counters, "0" in the third.
  void Recontar();
  // Develops the active view into ApuestasSistema (TotalApuestas rows).
  void Desarrollar();

  void MarcarCambiada();

  // Filter and reduction settings to their defaults, counters 0, pages 1, and the filter
  // list as a new combination shows it.
  void ReiniciarFiltros();
};

inline constexpr std::string_view kPreguntaCambiarVista =
    "Ha habido cambios en su pronóstico y estos se perderán al cambiar de vista, ¿ desea cambiar de todas formas ?";

}  // namespace tanteo
