#include "conditions/cb_resultados.h"

#include <gtest/gtest.h>

#include <random>

#include "fakes/progreso_registrado.h"
#include "sistema_prueba.h"

namespace tanteo {
namespace {

using pruebas::DesarrollarSistema;
using pruebas::ProgresoRegistrado;

// Results by name, for readable cases.
int R(std::string_view nombre) { return ResultadoDeCelda(nombre); }

ColumnaBaseResultados CB(std::array<std::string_view, 6> celdas, std::initializer_list<int> aceptados) {
  ColumnaBaseResultados cb;
  for (int m = 1; m <= kPartidos; ++m) cb.pronostico[m] = std::string(celdas[m - 1]);
  for (int h : aceptados) cb.aciertos[h] = 1;
  return cb;
}

// Rows 1..n whose mark is 1.
std::vector<Apuesta> Eliminadas(const AlmacenApuestas& a) {
  std::vector<Apuesta> v;
  for (std::int32_t i = 1; i <= a.TotalApuestas; ++i) {
    if (a.MarcasEliminacion[i - 1] == 1) v.push_back(a.ApuestasSistema.ApuestaEn(i));
  }
  return v;
}

TEST(CBResultados, CeldasDecodificadasExactamente) {
  EXPECT_EQ(ResultadoDeCelda("0-0"), 1);
  EXPECT_EQ(ResultadoDeCelda("M-M"), 16);
  EXPECT_EQ(ResultadoDeCelda("---"), 0);
  EXPECT_EQ(ResultadoDeCelda("m-m"), 0);
  EXPECT_EQ(ResultadoDeCelda("1-0 "), 0);
}

TEST(CBResultados, DosResultadosConDosAciertosAceptados) {
  AlmacenApuestas a;
  DesarrollarSistema(a, {{R("0-0"), R("1-0")}, {1}, {1}, {1}, {1}, {R("0-0"), R("2-2")}});
  FiltroCBResultados filtro;
  filtro.CB(1) = CB({"1-0", "---", "---", "---", "---", "2-2"}, {2});
  ProgresoRegistrado progreso;
  EXPECT_EQ(EvaluarCBResultados(filtro, 1, a, progreso), 3);
  // Row order: (0-0,0-0) (0-0,2-2) (1-0,0-0) (1-0,2-2); only the last has both results.
  EXPECT_EQ(a.MarcasEliminacion, (std::vector<std::uint8_t>{1, 1, 1, 0}));
}

TEST(CBResultados, CeroAciertosEliminaLoQueTengaAlgunResultado) {
  AlmacenApuestas a;
  DesarrollarSistema(a, {{1, 2, 3}, {1, 2}, {1}, {1}, {1}, {1, 5}});
  FiltroCBResultados filtro;
  filtro.CB(9) = CB({"0-1", "0-1", "---", "---", "---", "1-0"}, {0});
  ProgresoRegistrado progreso;
  const std::int32_t n = EvaluarCBResultados(filtro, 9, a, progreso);
  for (const Apuesta& e : Eliminadas(a)) EXPECT_TRUE(e[0] == 2 || e[1] == 2 || e[5] == 5);
  // 12 bets, of which 2 x 1 x 1 have none of the three results.
  EXPECT_EQ(n, 12 - 2 * 1 * 1);
}

TEST(CBResultados, SinCeldasNoEliminaNadaYSinAciertosEliminaLoVivo) {
  AlmacenApuestas a;
  DesarrollarSistema(a, {{1, 2}, {1, 2}, {1}, {1}, {1}, {1}});
  a.MarcasEliminacion[0] = 1;
  FiltroCBResultados filtro;
  filtro.CB(1) = CB({"---", "---", "---", "---", "---", "---"}, {0, 1, 2});
  filtro.CB(2) = CB({"M-M", "---", "---", "---", "---", "---"}, {});
  ProgresoRegistrado progreso;
  EXPECT_EQ(EvaluarCBResultados(filtro, 1, a, progreso), 0);
  EXPECT_EQ(EvaluarFiltroCBResultados(filtro, a, progreso), 3);  // the row marked before is not counted
  EXPECT_EQ(a.MarcasEliminacion, (std::vector<std::uint8_t>{1, 1, 1, 1}));
}

TEST(CBResultados, CedeCadaSeisMilFilas) {
  AlmacenApuestas a;
  DesarrollarSistema(a, {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},
                         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, {1, 2, 3, 4}, {1}, {1}});
  ASSERT_EQ(a.TotalApuestas, 16384);
  FiltroCBResultados filtro;
  filtro.CB(5) = CB({"0-0", "---", "---", "---", "---", "---"}, {0});
  ProgresoRegistrado uno;
  EvaluarCBResultados(filtro, 5, a, uno);
  EXPECT_EQ(uno.cesiones, 2);  // rows 6000 and 12000
  a.MarcasEliminacion.assign(16384, 0);
  ProgresoRegistrado fusionado;
  EvaluarFiltroCBResultados(filtro, a, fusionado);
  EXPECT_EQ(fusionado.cesiones, 2);
}

// The one-pass evaluation must leave exactly the marks and the total of CB 1..100 one
// after another, on systems of every shape, with rows already marked beforehand.
std::int32_t BloqueABloque(const FiltroCBResultados& filtro, AlmacenApuestas& a) {
  ProgresoRegistrado progreso;
  std::int32_t total = 0;
  for (int c = 1; c <= kBloquesFiltro; ++c) total += EvaluarCBResultados(filtro, c, a, progreso);
  return total;
}

// From a few strict CBs to a hundred lenient ones, so that every trial keeps some bets.
FiltroCBResultados FiltroAlAzar(std::mt19937& azar, int prueba) {
  constexpr std::string_view kOtras[] = {"---", "---", "---", "xyz", ""};
  constexpr double kAceptacion[] = {0.6, 0.9, 0.98};
  const double aceptacion = kAceptacion[prueba % 3];
  FiltroCBResultados filtro;
  const int cuantas = std::uniform_int_distribution<int>(1, prueba % 3 == 2 ? kBloquesFiltro : 8)(azar);
  for (int c = 1; c <= cuantas; ++c) {
    auto& cb = filtro.CB(c);
    for (int m = 1; m <= kPartidos; ++m) {
      const int r = std::uniform_int_distribution<int>(-4, 16)(azar);
      cb.pronostico[m] = r >= 1 ? std::string(NombreResultado(r)) : std::string(kOtras[-r]);
    }
    for (int h = 0; h <= 6; ++h) cb.aciertos[h] = std::bernoulli_distribution(aceptacion)(azar) ? 1 : 0;
  }
  return filtro;
}

TEST(CBResultados, UnaPasadaIgualQueBloqueABloque) {
  std::mt19937 azar(20240611);
  for (int prueba = 0; prueba < 40; ++prueba) {
    std::vector<std::vector<int>> aceptados(kPartidos);
    for (auto& lista : aceptados) {
      const int k = std::uniform_int_distribution<int>(1, prueba < 35 ? 6 : 16)(azar);
      for (int r = 1; r <= kResultados && static_cast<int>(lista.size()) < k; ++r) {
        if (std::bernoulli_distribution(0.5)(azar) || kResultados - r < k - static_cast<int>(lista.size())) lista.push_back(r);
      }
    }
    AlmacenApuestas a;
    DesarrollarSistema(a, aceptados);
    if (a.TotalApuestas > 300'000) continue;
    for (auto& marca : a.MarcasEliminacion) marca = std::bernoulli_distribution(0.1)(azar) ? 1 : 0;
    AlmacenApuestas b;
    DesarrollarSistema(b, aceptados);
    b.MarcasEliminacion = a.MarcasEliminacion;

    const FiltroCBResultados filtro = FiltroAlAzar(azar, prueba);
    ProgresoRegistrado progreso;
    const std::int32_t fusionado = EvaluarFiltroCBResultados(filtro, a, progreso);
    EXPECT_EQ(fusionado, BloqueABloque(filtro, b)) << "prueba " << prueba;
    EXPECT_EQ(a.MarcasEliminacion, b.MarcasEliminacion) << "prueba " << prueba;
  }
}

TEST(CBResultados, UnaPasadaConLosCienCBDeLaMedida) {
  std::vector<int> ocho = {1, 3, 6, 8, 9, 12, 14, 16};
  for (int primero : {0, 1}) {
    FiltroCBResultados filtro;
    for (int c = 1; c <= kBloquesFiltro; ++c) {
      for (int m = 1; m <= kPartidos; ++m) filtro.CB(c).pronostico[m] = std::string(NombreResultado((7 * c + 3 * m) % 16 + 1));
      for (int h = primero; h < primero + 6; ++h) filtro.CB(c).aciertos[h] = 1;
    }
    AlmacenApuestas a, b;
    DesarrollarSistema(a, {ocho, ocho, ocho, ocho, ocho, ocho});
    DesarrollarSistema(b, {ocho, ocho, ocho, ocho, ocho, ocho});
    ProgresoRegistrado progreso;
    EXPECT_EQ(EvaluarFiltroCBResultados(filtro, a, progreso), BloqueABloque(filtro, b));
    EXPECT_EQ(a.MarcasEliminacion, b.MarcasEliminacion);
  }
}

TEST(CBResultados, FilasQueNoSonUnSistemaDesarrolladoSeEvaluanFilaAFila) {
  AlmacenApuestas a;
  DesarrollarSistema(a, {{1, 2}, {1, 2}, {1}, {1}, {1}, {1, 2}});
  // Rows in an order of their own: the lists no longer describe them.
  for (std::int32_t i = 1; i <= 4; ++i) {
    Apuesta x = a.ApuestasSistema.ApuestaEn(i);
    Apuesta y = a.ApuestasSistema.ApuestaEn(9 - i);
    a.ApuestasSistema.Poner(i, y);
    a.ApuestasSistema.Poner(9 - i, x);
  }
  a.NumResultados = {};
  FiltroCBResultados filtro;
  filtro.CB(3) = CB({"0-0", "0-0", "---", "---", "---", "0-1"}, {1, 2});
  ProgresoRegistrado progreso;
  // Hits 3 (0-0, 0-0, 0-1) and 0 (0-1, 0-1, 0-0) fail; they now sit in rows 7 and 2.
  EXPECT_EQ(EvaluarFiltroCBResultados(filtro, a, progreso), 2);
  EXPECT_EQ(a.MarcasEliminacion, (std::vector<std::uint8_t>{0, 1, 0, 0, 0, 0, 1, 0}));
}

}  // namespace
}  // namespace tanteo
