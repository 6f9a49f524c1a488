#include "engine/vecindad.h"

#include <gtest/gtest.h>

#include <vector>

namespace tanteo {
namespace {

TablaNumResultados Radices(std::initializer_list<int> k) {
  TablaNumResultados num{};
  int m = 1;
  for (const int v : k) num[m++] = v;
  return num;
}

// Against the definition: every bet of the system at distance 1..R, once each, with its
// distance and digits; and the index of a row is its PosicionSistema - 1.
TEST(Vecindad, RecorreCadaVecinoUnaVezDentroDelSistema) {
  for (const TablaNumResultados& num : {Radices({3, 1, 4, 2, 1, 3}), Radices({2, 2, 2, 2, 2, 2}), Radices({5, 1, 1, 1, 1, 1})}) {
    const Vecindad vecindad(num);
    const std::int32_t total = vecindad.TotalApuestas();
    // With results 1..k accepted, a row of local digits is also a row of results.
    TablaResultadosPartido resultados{};
    for (int m = 1; m <= kPartidos; ++m) {
      for (int r = 1; r <= num[m]; ++r) resultados[r][m] = static_cast<std::uint8_t>(r);
    }
    std::vector<std::array<std::uint8_t, 8>> filas(static_cast<std::size_t>(total));
    for (std::int32_t i = 0; i < total; ++i) {
      vecindad.FilaDeIndice(i, filas[i].data());
      ASSERT_EQ(vecindad.IndiceDeFila(filas[i].data()), i);
      ASSERT_EQ(PosicionSistema(filas[i].data(), resultados, num), i + 1);
    }
    for (std::int32_t x = 0; x < total; x += 7) {
      for (int radio = 0; radio <= 4; ++radio) {
        std::vector<int> visitas(static_cast<std::size_t>(total), 0);
        Vecindad::Digitos d = vecindad.DigitosDeFila(filas[x].data());
        const Vecindad::Digitos antes = d;
        vecindad.Recorrer(d, x, radio, [&](std::int32_t y, int distancia, const Vecindad::Digitos& dy) {
          ++visitas[y];
          EXPECT_EQ(vecindad.Indice(dy), y);
          int distintos = 0;
          for (int m = 0; m < kPartidos; ++m) distintos += filas[x][m] != filas[y][m] ? 1 : 0;
          EXPECT_EQ(distintos, distancia);
        });
        EXPECT_EQ(d, antes);
        for (std::int32_t y = 0; y < total; ++y) {
          int distintos = 0;
          for (int m = 0; m < kPartidos; ++m) distintos += filas[x][m] != filas[y][m] ? 1 : 0;
          EXPECT_EQ(visitas[y], distintos >= 1 && distintos <= radio ? 1 : 0) << "x " << x << " y " << y << " R " << radio;
        }
      }
    }
  }
}

TEST(Vecindad, SiguienteAvanzaEnOrdenDeSistema) {
  const Vecindad vecindad(Radices({2, 1, 3, 1, 1, 2}));
  Vecindad::Digitos d{};
  for (std::int32_t i = 0; i < vecindad.TotalApuestas(); ++i) {
    ASSERT_EQ(vecindad.Indice(d), i);
    vecindad.Siguiente(d);
  }
}

}  // namespace
}  // namespace tanteo
