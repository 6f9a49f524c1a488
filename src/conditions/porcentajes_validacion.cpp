#include "conditions/porcentajes_validacion.h"

#include <string>
#include <string_view>

#include "engine/texto_numeros.h"

namespace tanteo {
namespace {

struct Textos {
  std::string_view enBlanco;
  std::string_view excede;
  std::string_view menor;
};

Textos TextosDe(PalabrasPorcentajes palabras) {
  switch (palabras) {
    case PalabrasPorcentajes::Apostados:
      return {": ALGUN % APOSTADO ESTA EN BLANCO", ": LA SUMA DE LOS CUATRO % APOSTADOS NO PUEDE EXCEDER DE 100",
              "AVISO: HAY EQUIPOS QUE SU SUMA DE % APOSTADOS ES MENOR DE 100 Y ESTO PUEDE PROVOCAR QUE EL CALCULO NO "
              "SEA CORRECTO, % EN EQUIPOS: "};
    case PalabrasPorcentajes::Reales:
      return {": ALGUN % REAL ESTA EN BLANCO", ": LA SUMA DE LOS CUATRO % REALES NO PUEDE EXCEDER DE 100",
              "AVISO: HAY EQUIPOS QUE SU SUMA DE % REALES ES MENOR DE 100 Y ESTO PUEDE PROVOCAR QUE EL CALCULO NO "
              "SEA CORRECTO, % EN EQUIPOS: "};
    case PalabrasPorcentajes::Equipo:
      break;
  }
  return {": ALGUN % ESTA EN BLANCO", ": LA SUMA DE LOS CUATRO % NO PUEDE EXCEDER DE 100",
          "AVISO: HAY EQUIPOS QUE SU SUMA DE % ES MENOR DE 100 Y ESTO PUEDE PROVOCAR QUE EL CALCULO NO SEA "
          "CORRECTO, % EN EQUIPOS: "};
}

std::string_view SinEspacios(std::string_view t) {
  const std::size_t a = t.find_first_not_of(' ');
  if (a == std::string_view::npos) return {};
  return t.substr(a, t.find_last_not_of(' ') - a + 1);
}

}  // namespace

bool ValidarPorcentajes(const BloquePorcentajes& bloque, Interaccion& interaccion, PalabrasPorcentajes palabras) {
  const Textos textos = TextosDe(palabras);
  std::string menores;
  for (int t = 1; t <= kEquipos; ++t) {
    const std::string equipo = "ERROR EN EQUIPO " + std::to_string(t);
    double suma = 0;
    for (int s = 0; s < kSignos; ++s) {
      const std::string_view caja = SinEspacios(bloque(t, s));
      const auto valor = caja.empty() ? std::nullopt : LeerReal(caja);
      if (!valor) {
        interaccion.Error(equipo + std::string(textos.enBlanco));
        return false;
      }
      suma += *valor;
    }
    if (suma > 100) {
      interaccion.Error(equipo + std::string(textos.excede));
      return false;
    }
    if (suma < 100) menores += std::to_string(t) + "(" + TextoReal(suma) + "), ";
  }
  if (!menores.empty()) {
    std::string lista(SinEspacios(menores));
    lista.pop_back();  // the final comma
    interaccion.Aviso(std::string(textos.menor) + lista);
  }
  return true;
}

}  // namespace tanteo
