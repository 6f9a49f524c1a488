#include "utilities/base_al_azar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "fakes/carpeta_temporal.h"
#include "fakes/plataforma_falsa.h"

namespace tanteo {
namespace {


TEST(BaseAlAzar, BarajarDaLosDieciseisResultadosUnaVezCada) {
  GeneradorAleatorio g;
  std::set<std::array<int, 16>> distintos;
  for (std::uint64_t semilla = 1; semilla <= 50; ++semilla) {
    auto orden = BarajarResultados(g, semilla);
    distintos.insert(orden);
    std::sort(orden.begin(), orden.end());
    for (int i = 0; i < 16; ++i) ASSERT_EQ(orden[i], i + 1);
  }
  EXPECT_GT(distintos.size(), 45u);
  EXPECT_EQ(BarajarResultados(g, 9), BarajarResultados(g, 9));  // reseeded on every call
}

TEST(BaseAlAzar, CuentasPorPartidoConYSinOrden) {
  GeneradorAleatorio g;
  pruebas::CarpetaTemporal dir;
  pruebas::PlataformaFalsa reloj(dir.Ruta());  // each clock seed differs from the last
  FrmAlazarLogica pantalla;
  for (int m = 1; m <= 6; ++m) {
    EXPECT_EQ(pantalla.Cuenta(m), 1);
    pantalla.PonerCuenta(m, m);
  }
  BasePronostico base;
  pantalla.respetarOrden = true;
  pantalla.Rellenar(base, g, reloj);
  for (int m = 1; m <= 6; ++m) EXPECT_EQ(base.AceptadosPartido(m), m);
  EXPECT_EQ(base.Recuento(), 720);

  pantalla.respetarOrden = false;
  bool algunoMovido = false;
  for (int vez = 0; vez < 20; ++vez) {
    pantalla.Rellenar(base, g, reloj);
    std::multiset<int> cuentas;
    for (int m = 1; m <= 6; ++m) {
      cuentas.insert(base.AceptadosPartido(m));
      algunoMovido |= base.AceptadosPartido(m) != m;
    }
    EXPECT_EQ(cuentas, (std::multiset<int>{1, 2, 3, 4, 5, 6}));
  }
  EXPECT_TRUE(algunoMovido);
}

TEST(BaseAlAzar, RellenarSustituyeLaBaseAnteriorYLlenaConDieciseis) {
  GeneradorAleatorio g;
  pruebas::CarpetaTemporal dir;
  pruebas::PlataformaFalsa reloj(dir.Ruta());  // each clock seed differs from the last
  BasePronostico base;
  base.SeleccionarTodo();
  FrmAlazarLogica pantalla;
  pantalla.Rellenar(base, g, reloj);
  EXPECT_EQ(base.Recuento(), 1);
  for (int m = 1; m <= 6; ++m) pantalla.PonerCuenta(m, 16);
  pantalla.Rellenar(base, g, reloj);
  EXPECT_EQ(base.Recuento(), 16'777'216);
}

}  // namespace
}  // namespace tanteo
