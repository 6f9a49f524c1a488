#include "conditions/porcentajes_resultado.h"

#include <gtest/gtest.h>

#include "conditions/porcentajes_bloque.h"

namespace tanteo {
namespace {

TEST(PorcentajesResultado, ProductoDeLocalYVisitante) {
  TablaPorcentajes t;
  t(1, 1) = 40;  // home team of match 1, one goal
  t(2, 0) = 50;  // away team of match 1, no goal
  t(12, 3) = 30;
  t(11, 2) = 10;
  const PorcentajesResultado p = CalcularPorcentajesResultado(t);
  EXPECT_EQ(IndicePorcentajeResultado(5, 1), 24);
  EXPECT_DOUBLE_EQ(p[24], 20);
  EXPECT_DOUBLE_EQ(p[IndicePorcentajeResultado(ResultadoDeSignos(2, 3), 6)], 3);
  double suma = 0;
  for (double v : p) suma += v;
  EXPECT_DOUBLE_EQ(suma, 23);
}

TEST(PorcentajesResultado, ProductoCompletoYDeFactoresPositivos) {
  TablaPorcentajes t;
  for (int e = 1; e <= kEquipos; ++e) t(e, 0) = t(e, 1) = 50;
  t(3, 0) = 0;  // match 2: every result with home sign 0 has percentage 0
  const PorcentajesResultado p = CalcularPorcentajesResultado(t);
  const Apuesta conCero = DecodificarApuesta("000000000000", false).apuesta;
  const Apuesta sinCero = DecodificarApuesta("001000000000", false).apuesta;
  EXPECT_EQ(ProbabilidadApuesta(conCero.data(), p, ProductoProbabilidad::Completo), 0);
  // The zero factor of match 2 is left out: five factors of 0.25.
  EXPECT_DOUBLE_EQ(ProbabilidadApuesta(conCero.data(), p, ProductoProbabilidad::FactoresPositivos), 0.25 * 0.25 * 0.25 * 0.25 * 0.25);
  EXPECT_DOUBLE_EQ(ProbabilidadApuesta(sinCero.data(), p, ProductoProbabilidad::Completo), 0.25 * 0.25 * 0.25 * 0.25 * 0.25 * 0.25);
  EXPECT_EQ(ProbabilidadApuesta(sinCero.data(), p, ProductoProbabilidad::Completo),
            ProbabilidadApuesta(sinCero.data(), p, ProductoProbabilidad::FactoresPositivos));
}

TEST(BloquePorcentajes, TablaYTextosDeIdaYVuelta) {
  TablaPorcentajes t;
  t(1, 0) = 12.5;
  t(12, 3) = 100;
  t(6, 2) = 0.1 + 0.2;
  const BloquePorcentajes b = BloqueDeTabla(t);
  EXPECT_EQ(b(1, 0), "12,5");
  EXPECT_EQ(b(6, 2), "0,3");
  EXPECT_EQ(b(7, 1), "0");
  EXPECT_EQ(BloquePorcentajes{}(4, 3), "0");
  TablaPorcentajes esperada = t;
  esperada(6, 2) = 0.3;  // what the box shows is what is read back
  EXPECT_EQ(TablaDeBloque(b), esperada);
}

}  // namespace
}  // namespace tanteo
