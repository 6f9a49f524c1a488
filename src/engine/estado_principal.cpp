#include "engine/estado_principal.h"

namespace tanteo {

EstadoPrincipal::EstadoPrincipal() {
  for (int t = 1; t <= kEquipos; ++t) txtPartido[t - 1] = "Equipo" + std::to_string(t);
}

std::string EstadoPrincipal::Titulo() const {
  return "TANTEO " + std::string(kVersion) + " - Fichero : " + ficheroXML;
}

void EstadoPrincipal::Desbloquear(TipoCombinacion tipo) {
  bloqueada = false;
  const bool directo = tipo != TipoCombinacion::DesdeArchivo;
  cmdSwitchHabilitado = directo;
  vistaResultadosHabilitada = directo;
  vistaPronosticoHabilitada = true;
}

bool EstadoPrincipal::Habilitado(std::string_view control) const {
  if (bloqueada) return false;
  if (control == "cmdSwitch") return cmdSwitchHabilitado;
  if (control == "picBASEporRESULTADOS") return vistaResultadosHabilitada;
  if (control == "picBASEporPRONOSTICO") return vistaPronosticoHabilitada;
  return true;
}

const std::vector<std::string>& ControlesBloqueo() {
  static const std::vector<std::string> controles = [] {
    std::vector<std::string> c = {"menuArchivo", "menuDesarrollos", "menuUtilidades", "menuAyuda"};
    for (int i = 0; i <= 6; ++i) {
      c.push_back("lblMenu_" + std::to_string(i));
      c.push_back("imgIco_" + std::to_string(i));
    }
    c.insert(c.end(), {"lstFiltros", "cboTipoCombinacion", "picBanner2"});
    for (int i = 0; i < kEquipos; ++i) c.push_back("txtPartido_" + std::to_string(i));
    c.insert(c.end(), {"cmdSwitch", "cmdCargarJornada", "picBASEporRESULTADOS", "picBASEporPRONOSTICO",
                       "cboNumeroJornada", "cboTemporada", "imgINIPronostico", "imgALLPronostico"});
    return c;
  }();
  return controles;
}

}  // namespace tanteo
