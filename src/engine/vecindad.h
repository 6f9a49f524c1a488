// The bets near a bet of a developed system: those that differ from it in 1..R matches,
// staying inside the system (a match takes only its own digits; a match with a single
// result never varies). Bets are handled by their 0-based system index, PosicionSistema - 1,
// and their digits, so that neighbours are reached by adding multiples of a match's stride.
#pragma once

#include <array>
#include <cstdint>

#include "engine/vocabulario.h"

namespace tanteo {

class Vecindad {
 public:
  // 0-based local digits of the matches that vary (more than one result), in match order.
  using Digitos = std::array<std::int32_t, kPartidos>;

  explicit Vecindad(const TablaNumResultados& num);

  std::int32_t TotalApuestas() const { return total_; }

  // A row in local-digit form (1..k per match, match 1 first) and its digits and index.
  Digitos DigitosDeFila(const std::uint8_t* fila) const;
  std::int32_t IndiceDeFila(const std::uint8_t* fila) const;
  std::int32_t Indice(const Digitos& d) const;
  // The row (1..k per match) of a system index.
  void FilaDeIndice(std::int32_t indice, std::uint8_t* fila) const;
  // The digits of the next bet in system order (match 1 slowest).
  void Siguiente(Digitos& d) const;

  // Calls f(indice, distancia, digitos) once for every bet at distance 1..radio from the bet
  // with digits `d` and index `indice`. `d` holds the visited bet's digits during each call
  // and is back to its value on return.
  template <class F>
  void Recorrer(Digitos& d, std::int32_t indice, int radio, F&& f) const {
    if (radio > 0) RecorrerDesde(d, indice, 0, radio, 1, f);
  }

 private:
  // Changes one more match, chosen after the ones already changed, to each of its other
  // digits: every set of up to `quedan` matches is reached exactly once.
  template <class F>
  void RecorrerDesde(Digitos& d, std::int32_t indice, int desde, int quedan, int distancia, F& f) const {
    for (int j = desde; j < variables_; ++j) {
      const std::int32_t propio = d[j];
      const std::int32_t base = indice - propio * paso_[j];
      for (std::int32_t digito = 0; digito < k_[j]; ++digito) {
        if (digito == propio) continue;
        d[j] = digito;
        const std::int32_t vecino = base + digito * paso_[j];
        f(vecino, distancia, d);
        if (quedan > 1) RecorrerDesde(d, vecino, j + 1, quedan - 1, distancia + 1, f);
      }
      d[j] = propio;
    }
  }

  int variables_ = 0;                           // how many matches vary
  std::array<int, kPartidos> partido_{};        // the match (1..6) of each varying one
  std::array<std::int32_t, kPartidos> k_{};     // its number of results
  std::array<std::int32_t, kPartidos> paso_{};  // its stride in the system index
  std::int32_t total_ = 1;
};

}  // namespace tanteo
