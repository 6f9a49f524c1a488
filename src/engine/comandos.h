// The main window's commands without the window: start-up, shut-down, the matchday
// selectors, the combination types, New, the calculations with their checks, and the
// locking of the screen. Every question goes through Interaccion, so each path runs
// headless; the window routes its controls here and then shows `estado` and the combination.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/acciones_lista_filtros.h"
#include "engine/combinacion.h"
#include "engine/estado_principal.h"
#include "engine/interaccion.h"
#include "engine/plataforma.h"
#include "engine/servicios_principal.h"

namespace tanteo {

inline constexpr std::string_view kPreguntaSalir =
    "NO HA GUARDADO LA COMBINACION ACTUAL EN XML, ¿ DESEA SALIR DE TODAS FORMAS ?";
inline constexpr std::string_view kPreguntaManual =
    "NO HA GUARDADO LA COMBINACION ACTUAL EN XML, ¿ DESEA CONTINUAR DE TODAS FORMAS ?";
inline constexpr std::string_view kPreguntaNuevo =
    "NO HA GUARDADO LA COMBINACION ACTUAL EN XML, ¿ DESEA INICIALIZARLA DE TODAS FORMAS ?";
inline constexpr std::string_view kAvisoAleatorioEnPronostico =
    "AVISO: EN LA VISTA POR PRONOSTICO NO SE PERMITE LA GENERACION ALEATORIA";

class ComandosPrincipal {
 public:
  ComandosPrincipal(Combinacion& combinacion, Interaccion& interaccion, Plataforma& plataforma,
                    ServiciosPrincipal& servicios);

  Combinacion& combinacion;
  Interaccion& interaccion;
  Plataforma& plataforma;
  ServiciosPrincipal& servicios;
  EstadoPrincipal estado;

  // The window is loaded: selectors, empty base, configuration file, filters, type 0.
  void Arrancar();
  // The close box: false while a calculation works or the screen is locked (an import or a
  // save holds the bets), or when the player stays.
  bool PedirCierre();
  // "Salir": true when the window is to close (without asking again).
  bool Salir();
  // The window unloads: the bets are released and the configuration file written anew.
  void Descargar();

  // The player picks an entry of a selector: the team names of that matchday are loaded
  // (nothing happens during start-up).
  void ElegirJornada(int indice);
  void ElegirTemporada(int indice);

  // The player picks a combination type (index of cboTipoCombinacion).
  void ElegirTipo(int indice);
  // "NUEVO" / "Nueva Base en XML": false when the player keeps the combination.
  bool Nuevo();

  // The filter list, `fila` the selected row (-1: none): the right button toggles it, a
  // double click opens its screen.
  void AlternarFiltro(int fila);
  void DobleClicFiltros(int fila, PantallasFiltros& pantallas);

  void CalculoPrueba();
  void Analisis();
  void CalculoDefinitivo();
  void Garantias();
  void Escrutinio();
  void SistemasPropios();

  void Bloquear() { estado.Bloquear(); }
  void Desbloquear() { estado.Desbloquear(combinacion.tipo); }

 private:
  void LeerFicheroConfiguracion();
  void CargarPartidos();
  void Inicializar();
  void TipoManual();
  void TipoAleatorio();
  void TipoDesdeArchivo();
  void LimpiarAmbasVistas(Vista visible);
};

}  // namespace tanteo
