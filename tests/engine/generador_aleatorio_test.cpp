#include "engine/generador_aleatorio.h"

#include <gtest/gtest.h>

#include <array>

namespace tanteo {
namespace {

TEST(GeneradorAleatorio, MismaSemillaMismaSecuenciaYRangoSemiabierto) {
  GeneradorAleatorio a;
  GeneradorAleatorio b;
  a.Reiniciar();
  a.Sembrar(7);
  b.Sembrar(8);
  b.Reiniciar();
  b.Sembrar(7);
  for (int i = 0; i < 1000; ++i) {
    const double x = a.Siguiente();
    ASSERT_EQ(x, b.Siguiente());
    ASSERT_GE(x, 0.0);
    ASSERT_LT(x, 1.0);
  }
  GeneradorAleatorio c;
  c.Sembrar(8);
  GeneradorAleatorio d;
  d.Sembrar(7);
  EXPECT_NE(c.Siguiente(), d.Siguiente());
}

TEST(GeneradorAleatorio, EnteroUniformeCubreTodoElRango) {
  GeneradorAleatorio g;
  g.Sembrar(1);
  std::array<int, 7> veces{};
  for (int i = 0; i < 60000; ++i) {
    const auto v = g.Entre1Y(6);
    ASSERT_GE(v, 1);
    ASSERT_LE(v, 6);
    ++veces[v];
  }
  for (int v = 1; v <= 6; ++v) EXPECT_NEAR(veces[v], 10000, 500) << v;
}

}  // namespace
}  // namespace tanteo
