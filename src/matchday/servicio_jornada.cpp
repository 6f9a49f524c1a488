#include "matchday/servicio_jornada.h"

namespace tanteo {

std::string TemporadaServicio(std::string_view temporada) {
  std::string texto(temporada);
  for (char& c : texto) {
    if (c == '/') c = '-';
  }
  return texto;
}

}  // namespace tanteo
