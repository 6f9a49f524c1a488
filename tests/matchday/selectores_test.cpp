#include "matchday/selectores.h"

#include <gtest/gtest.h>

namespace tanteo {
namespace {

TEST(Selectores, JornadasDel1Al99ConLaPrimeraElegida) {
  ListaDesplegable s;
  s.entradas = {"x"};
  RellenarJornadas(s);
  ASSERT_EQ(s.entradas.size(), 99u);
  EXPECT_EQ(s.entradas.front(), "1");
  EXPECT_EQ(s.entradas.back(), "99");
  EXPECT_EQ(s.Texto(), "1");
  EXPECT_TRUE(s.PonerTexto("12"));
  EXPECT_EQ(s.indice, 11);
  EXPECT_FALSE(s.PonerTexto("100"));
  EXPECT_EQ(s.Texto(), "12");
}

TEST(Selectores, TemporadaActualSegunElMes) {
  struct Caso {
    FechaHora hoy;
    std::string elegida;
  };
  const Caso casos[] = {
      {{2025, 7, 15}, "2024/2025"}, {{2025, 8, 1}, "2025/2026"},  {{2025, 1, 1}, "2024/2025"},
      {{2025, 12, 31}, "2025/2026"}, {{2061, 7, 31}, "2060/2061"}, {{2061, 8, 1}, "1990/1991"},
      {{1990, 7, 31}, "1990/1991"},  // 1989/1990 is not on the list either
  };
  for (const Caso& c : casos) {
    ListaDesplegable s;
    RellenarTemporadas(s, c.hoy);
    ASSERT_EQ(s.entradas.size(), 71u);
    EXPECT_EQ(s.entradas.front(), "1990/1991");
    EXPECT_EQ(s.entradas.back(), "2060/2061");
    EXPECT_EQ(s.Texto(), c.elegida) << c.hoy.dia << "/" << c.hoy.mes << "/" << c.hoy.anio;
  }
}

}  // namespace
}  // namespace tanteo
