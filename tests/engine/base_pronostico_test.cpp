#include "engine/base_pronostico.h"

#include <gtest/gtest.h>

#include "engine/almacen_apuestas.h"

namespace tanteo {
namespace {

constexpr int k10 = 5;  // "1 0"
constexpr int k2M = 12;  // "2 M"

TablaApuestas Desarrollar(const BasePronostico& base) {
  TablaApuestas sistema;
  sistema.Redimensionar(base.Recuento());
  DesarrollarBase(base.ConstruirBase(), sistema, base.Recuento());
  return sistema;
}

TEST(BasePronostico, DesarrolloEnOrdenDeSistema) {
  BasePronostico base;
  for (int m = 1; m <= 6; ++m) {
    base.AlternarResultado(m, k2M);
    base.AlternarResultado(m, k10);
  }
  ASSERT_EQ(base.Recuento(), 64);
  const TablaApuestas s = Desarrollar(base);
  EXPECT_EQ(s.ApuestaEn(1), (Apuesta{k10, k10, k10, k10, k10, k10}));
  EXPECT_EQ(s.ApuestaEn(2), (Apuesta{k10, k10, k10, k10, k10, k2M}));
  EXPECT_EQ(s.ApuestaEn(3), (Apuesta{k10, k10, k10, k10, k2M, k10}));
  EXPECT_EQ(s.ApuestaEn(64), (Apuesta{k2M, k2M, k2M, k2M, k2M, k2M}));

  // Row i is the bet whose system position is i.
  TablaFrecuencias f{};
  ContarFrecuencias(s, 64, f);
  TablaResultadosPartido lista{};
  TablaNumResultados num{};
  DerivarResultadosPartido(f, lista, num);
  for (std::int32_t i = 1; i <= 64; ++i) EXPECT_EQ(PosicionSistema(s.Fila(i), lista, num), i);
  for (int m = 1; m <= 6; ++m) {
    EXPECT_EQ(num[m], 2);
    EXPECT_EQ(f[k10][m], 32);
    EXPECT_EQ(f[k2M][m], 32);
    EXPECT_EQ(f[1][m], 0);
  }
  EXPECT_EQ(TipoSistemaDe(num), "2-2-2-2-2-2");
}

TEST(BasePronostico, DesarrolloConRadicesDistintas) {
  BasePronostico base;
  const int aceptados[6] = {3, 1, 16, 2, 1, 5};
  for (int m = 1; m <= 6; ++m) {
    for (int r = 0; r < aceptados[m - 1]; ++r) base.AlternarResultado(m, 16 - 3 * r % 16);
  }
  const std::int32_t total = base.Recuento();
  ASSERT_EQ(total, 3 * 1 * 16 * 2 * 1 * 5);
  const TablaApuestas s = Desarrollar(base);
  TablaResultadosPartido lista{};
  TablaNumResultados num{};
  ListasDeBase(base.ConstruirBase(), lista, num);
  for (std::int32_t i = 1; i <= total; ++i) {
    ASSERT_EQ(PosicionSistema(s.Fila(i), lista, num), i) << i;
    ASSERT_EQ(ApuestaDePosicion(i, lista, num), s.ApuestaEn(i)) << i;
  }
}

TEST(BasePronostico, VistaPorPronosticoAceptaSignosCruzados) {
  BasePronostico base;
  base.CambiarVista();
  ASSERT_EQ(base.VistaActiva(), Vista::PorPronostico);
  base.AlternarSigno(1, 0);
  base.AlternarSigno(1, 1);
  base.AlternarSigno(2, 2);
  for (int t = 3; t <= 12; ++t) base.AlternarSigno(t, 3);
  EXPECT_EQ(base.CuentaSignos(1), 2);
  EXPECT_EQ(base.Recuento(), 2);
  const TablaBase b = base.ConstruirBase();
  for (int r = 1; r <= 16; ++r) {
    const bool esperado = r == ResultadoDeCodigo("02") || r == ResultadoDeCodigo("12");
    EXPECT_EQ(b[1][r] == 1, esperado) << r;
  }
  EXPECT_EQ(b[2][16], 1);  // M-M in every other match
}

TEST(BasePronostico, RecuentoEsProductoDeLosEquipos) {
  BasePronostico base;
  base.CambiarVista();
  base.SeleccionarTodo();
  EXPECT_EQ(base.Recuento(), 16'777'216);
  base.AlternarSigno(7, 2);
  EXPECT_EQ(base.CuentaSignos(7), 3);
  EXPECT_EQ(base.Recuento(), 16'777'216 / 4 * 3);
  // A team with no sign left empties the system whatever the others hold.
  BasePronostico unico;
  unico.CambiarVista();
  unico.SeleccionarTodo();
  for (int s = 0; s < 4; ++s) unico.AlternarSigno(5, s);
  EXPECT_EQ(unico.CuentaSignos(5), 0);
  EXPECT_EQ(unico.Recuento(), 0);
}

TEST(BasePronostico, SeleccionarTodoEnAmbasVistasYCambioDeVista) {
  BasePronostico base;
  base.SeleccionarTodo();
  EXPECT_EQ(base.Recuento(), 16'777'216);
  base.CambiarVista();  // the forecast view comes up cleared
  EXPECT_EQ(base.Recuento(), 0);
  base.SeleccionarTodo();
  EXPECT_EQ(base.Recuento(), 16'777'216);
  base.CambiarVista();  // and the results view too
  EXPECT_EQ(base.VistaActiva(), Vista::PorResultados);
  EXPECT_EQ(base.Recuento(), 0);
}

TEST(BasePronostico, DesarrolloCompletoCoincideConNumeroApuesta) {
  BasePronostico base;
  base.SeleccionarTodo();
  const TablaApuestas s = Desarrollar(base);
  ASSERT_EQ(s.Filas(), 16'777'216);
  for (std::int32_t i = 1; i <= 16'777'216; i += 4099) ASSERT_EQ(NumeroApuesta(s.Fila(i)), i - 1);
  EXPECT_EQ(NumeroApuesta(s.Fila(16'777'216)), 16'777'215);
}

}  // namespace
}  // namespace tanteo
