// What a percentages table gives: the percentage of every result of every match, and the
// probability of a bet.
#pragma once

#include <array>
#include <cstdint>

#include "conditions/tabla_porcentajes.h"

namespace tanteo {

// 96 percentages, entry (resultado - 1) x 6 + (partido - 1): the six matches of "00" first,
// then the six of "01", up to "MM".
using PorcentajesResultado = std::array<double, kResultados * kPartidos>;

constexpr int IndicePorcentajeResultado(int resultado, int partido) {
  return (resultado - 1) * kPartidos + (partido - 1);
}

// Entry of result (x, y) of match k: P[home team][x] x P[away team][y] / 100.
PorcentajesResultado CalcularPorcentajesResultado(const TablaPorcentajes& tabla);

// The full product (a result of percentage 0 makes the bet 0), or the product of the
// positive factors only (a factor of 0 or less is left out).
enum class ProductoProbabilidad { Completo, FactoresPositivos };

// The probability 0..1 of a bet: the product over matches 1..6, in that order, of its
// result's percentage / 100.
inline double ProbabilidadApuesta(const std::uint8_t* apuesta, const PorcentajesResultado& porcentajes,
                                  ProductoProbabilidad producto) {
  double p = 1;
  for (int m = 1; m <= kPartidos; ++m) {
    const double e = porcentajes[IndicePorcentajeResultado(apuesta[m - 1], m)];
    if (producto == ProductoProbabilidad::Completo || e > 0) p *= e / 100;
  }
  return p;
}

}  // namespace tanteo
