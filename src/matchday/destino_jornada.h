// What the matchday loads write into: the team fields of a screen and the 48 percentage
// boxes of a percentage block. Any screen's controls can receive them through these.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/vocabulario.h"

namespace tanteo {

class DestinoEquipos {
 public:
  virtual ~DestinoEquipos() = default;
  // The name of team 1..12 (`txtPartido`(equipo - 1)).
  virtual void PonerEquipo(int equipo, std::string_view nombre) = 0;
};

class DestinoPorcentajes {
 public:
  virtual ~DestinoPorcentajes() = default;
  // The box of team 1..12 for sign 0..3 (`txtPorcentajes`(signo + 1)(equipo - 1)), as text.
  virtual void PonerPorcentaje(int equipo, int signo, std::string_view texto) = 0;
};

// Twelve team names held as plain texts.
struct NombresEquipos final : DestinoEquipos {
  std::array<std::string, kEquipos + 1> nombre;  // by team, index 0 unused

  void PonerEquipo(int equipo, std::string_view texto) override { nombre[equipo] = texto; }
  void Vaciar() { nombre.fill({}); }
};

// The 48 boxes held as plain texts, all "0" to begin with, as a block shows them.
struct CajasPorcentajes final : DestinoPorcentajes {
  CajasPorcentajes() {
    for (auto& signo : texto) signo.fill("0");
  }
  std::array<std::array<std::string, kEquipos + 1>, kSignos> texto;  // texto[signo][equipo]

  void PonerPorcentaje(int equipo, int signo, std::string_view valor) override { texto[signo][equipo] = valor; }
};

}  // namespace tanteo
