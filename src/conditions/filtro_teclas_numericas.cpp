#include "conditions/filtro_teclas_numericas.h"

namespace tanteo {

bool FiltroTeclasNumericas(int tecla, std::string_view texto, ModoTeclas modo) {
  if (tecla == kTeclaRetroceso || tecla == kTeclaEscape || (tecla >= '0' && tecla <= '9')) return true;
  if (modo == ModoTeclas::Entero) return false;
  if (tecla == '.') return true;
  return tecla == ',' && texto.find(',') == std::string_view::npos;
}

}  // namespace tanteo
