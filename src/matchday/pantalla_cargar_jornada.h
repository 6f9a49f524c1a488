// What the load-matchday screen (`frmCargarJornada`) does; its window only shows these
// controls and forwards the clicks. It is opened from the main window, the scrutiny and
// the own-systems screens, and always hands its result to the main window.
#pragma once

#include <string_view>

#include "engine/interaccion.h"
#include "engine/plataforma.h"
#include "engine/progreso.h"
#include "matchday/controles_jornada.h"
#include "matchday/servicio_jornada.h"

namespace tanteo {

inline constexpr std::string_view kTituloCargarJornada = "Cargar Jornada";
inline constexpr std::string_view kTextoLabel2 = "Seleccione la jornada y la temporada que desea cargar:";
inline constexpr std::string_view kTextoLabel14 = "Jornada :";
inline constexpr std::string_view kTextoLabel1 = "Temporada :";
inline constexpr std::string_view kTextoDescargando = "Descargando por favor espere ...";
inline constexpr std::string_view kAyudaConectar = "Cargar desde internet una jornada";
inline constexpr std::string_view kAyudaCargarJornada = "Cargar desde fichero de texto una jornada";
inline constexpr std::string_view kAyudaInicializarPartidos = "Inicializa el nombre de los partidos";
inline constexpr std::string_view kAyudaVolver = "Cerrar";

class PantallaCargarJornada {
 public:
  // Opening: both selectors filled (the season from the platform's clock), then set to the
  // main window's entries, and the main window's twelve names copied.
  PantallaCargarJornada(ControlesJornada& principal, ServicioJornada& servicio, Plataforma& plataforma,
                        Interaccion& interaccion);

  // Loads the team names of this screen's matchday and season from the service, showing
  // `lblDescargando` (the caption of `progreso`) meanwhile.
  void imgConectar(Progreso& progreso);
  // Reads the names from a matchday text file.
  void imgCargarJornada();
  // Empties the twelve names.
  void imgInicializarPartidos();
  // Hands the names and then the selected entries to the main window; the screen closes after.
  void imgVolver();

  ControlesJornada controles;

 private:
  ControlesJornada& principal_;
  ServicioJornada& servicio_;
  Interaccion& interaccion_;
};

}  // namespace tanteo
