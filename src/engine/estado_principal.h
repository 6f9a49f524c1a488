// What the main window shows besides the combination itself: the matchday selectors, the
// team names, the imported file, the captions that change with the combination type, the
// enabled state of the controls and the name of the XML base file. The commands change it;
// the window only applies it.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/combinacion.h"
#include "engine/lista_desplegable.h"
#include "engine/vocabulario.h"

namespace tanteo {

inline constexpr std::string_view kVersion = "3.4";
inline constexpr std::string_view kSinGuardar = "Sin guardar.xml";
inline constexpr std::string_view kApuestasEnDirecto = "Apuestas en Directo";
inline constexpr std::string_view kApuestasImportadas = "Apuestas Importadas";

struct EstadoPrincipal {
  EstadoPrincipal();

  ListaDesplegable cboNumeroJornada;
  ListaDesplegable cboTemporada;
  std::array<std::string, kEquipos> txtPartido;  // index team - 1

  std::string txtFicheroASCII;  // the imported file's name, without its folder
  std::string tooltipFicheroASCII;  // its full path
  bool txtFicheroASCIIVisible = false;
  std::string cmdCuadroApuDirecto{kApuestasEnDirecto};
  bool imagenesPronosticoVisibles = true;  // imgINIPronostico and imgALLPronostico

  // Enabled by the combination type (the imported type leaves the base alone).
  bool cmdSwitchHabilitado = true;
  bool vistaResultadosHabilitada = true;
  bool vistaPronosticoHabilitada = true;
  // Locked while a calculation, an import or a save works: every control of ControlesBloqueo() off.
  bool bloqueada = false;

  std::string ficheroXML{kSinGuardar};

  // "TANTEO 3.4 - Fichero : " + the XML base file's name.
  std::string Titulo() const;

  void Bloquear() { bloqueada = true; }
  // Everything on again, except the switch button and the results view in the imported type.
  void Desbloquear(TipoCombinacion tipo);
  // Whether `control` (one of ControlesBloqueo()) is enabled now.
  bool Habilitado(std::string_view control) const;
};

// The controls that locking disables, by their window names (arrays as name_index).
const std::vector<std::string>& ControlesBloqueo();

}  // namespace tanteo
