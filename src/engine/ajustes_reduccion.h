// The reduction settings of the current combination.
#pragma once

#include <cstdint>

namespace tanteo {

struct Reduccion {
  std::int16_t Tipo = 0;                   // guarantee radius R: 0 "Sin reducción", 1 "al 5" .. 4 "al 2"
  std::int16_t Porcentaje = 100;           // share of the conditioned bets to cover, 1..100
  std::int32_t NuApuestas = 1;             // number of bets asked for
  std::int16_t ActivarNumeroApuestas = 0;  // 1 = reduce to NuApuestas bets, 0 = to Porcentaje
  std::int16_t ActivarCiclos = 1;          // 1 = keep improving in cycles until stopped
  std::int16_t Aleatorio = 0;              // 1 = seed the cycle shuffles from a random base
  std::int16_t ApuestasExactas = 0;        // 1 = exactly NuApuestas bets (with ActivarNumeroApuestas)

  friend bool operator==(const Reduccion&, const Reduccion&) = default;
};

}  // namespace tanteo
