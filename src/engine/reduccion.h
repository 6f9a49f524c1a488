// What the conditioning run hands to the reduction, and what it gets back.
#pragma once

#include <cstdint>
#include <string>

#include "engine/ajustes_reduccion.h"
#include "engine/almacen_apuestas.h"

namespace tanteo {

struct PeticionReduccion {
  // ApuestasCondicionadas rows 1..M in local-digit form (1..ki), OrdenApuestas the identity
  // over 1..M, MarcasEliminacion by system position, NumResultados the radices, and
  // TotalApuestas the size of the developed system. The reduction writes its bets into
  // ApuestasFinales (local-digit form) and may reorder ApuestasCondicionadas.
  AlmacenApuestas& apuestas;
  std::int32_t M;
  bool sinFiltrar;  // every bet of the developed system is a member
  const Reduccion& ajustes;
  // The main window's first two counters, shown again on the calculation window.
  std::string lblApuIniciales;
  std::string lblApuCondicionadas;
};

struct ResultadoReduccion {
  // Rows 1..apuestas of ApuestasFinales; below 1 when the reduction produced nothing.
  std::int32_t apuestas = 0;
  std::string lblApuestasReduccion = "0";
  std::string tooltip;  // "Obtenida en el ciclo: " + cycle
};

// The calculation window: runs the whole reduction and returns when it ends.
class Reductor {
 public:
  virtual ~Reductor() = default;
  virtual ResultadoReduccion Reducir(const PeticionReduccion& peticion) = 0;
};

}  // namespace tanteo
