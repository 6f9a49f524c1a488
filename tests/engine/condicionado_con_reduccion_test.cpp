// The conditioning run with the real reduction behind it: what a player gets from
// "Cálculo de Prueba" with the reduction row active.
#include <gtest/gtest.h>

#include <set>

#include "engine/ejecucion_condicionado.h"
#include "engine/reduccion_voraz.h"
#include "fakes/interaccion_guionizada.h"
#include "fakes/pantalla_registrada.h"
#include "fakes/progreso_registrado.h"

namespace tanteo {
namespace {

int Distancia(const std::uint8_t* a, const std::uint8_t* b) {
  int d = 0;
  for (int m = 0; m < kPartidos; ++m) d += a[m] != b[m] ? 1 : 0;
  return d;
}

class CondicionadoConReduccion : public ::testing::Test {
 protected:
  Combinacion c;
  pruebas::InteraccionGuionizada ui;
  pruebas::ProgresoRegistrado progreso;
  pruebas::PantallaRegistrada pantalla;
  GeneradorAleatorio generador;
  VentanaProceso ventana{progreso};
  ReduccionVoraz reductor{ventana, generador};

  void Ejecutar() { EjecutarCondicionado(c, EntornoEjecucion{ui, progreso, reductor, pantalla}); }

  void BaseTresPorPartido() {
    for (int m = 1; m <= kPartidos; ++m) {
      for (int r : {1, 6, 11}) c.AlternarResultado(m, r);  // 0-0, 1-1, 2-2
    }
  }
  void CBQueQuitaLosPlenosDeEmpates() {
    auto& cb = c.filtros.cbResultados.CB(1);
    for (int m = 1; m <= kPartidos; ++m) cb.pronostico[m] = "0-0";
    for (int h = 0; h <= 5; ++h) cb.aciertos[h] = 1;  // six 0-0 are rejected
    c.lstFiltros.Activar(FilaFiltro::CBResultados);
  }
};

TEST_F(CondicionadoConReduccion, ReduceAlCincoYGarantizaCadaCondicionada) {
  BaseTresPorPartido();
  CBQueQuitaLosPlenosDeEmpates();
  c.reduccion.Tipo = 1;  // "al 5"
  c.reduccion.ActivarCiclos = 0;
  c.lstFiltros.Activar(FilaFiltro::Reduccion);
  Ejecutar();

  EXPECT_TRUE(ui.mensajes.empty()) << ui.Textos().front();
  EXPECT_EQ(c.contadores.lblApuIniciales, "729");
  EXPECT_EQ(c.contadores.lblApuCondicionadas, "728");
  const std::int32_t K = c.apuestas.TotalFinales;
  ASSERT_GT(K, 0);
  EXPECT_LT(K, 728);
  EXPECT_EQ(c.contadores.lblApuestasReduccion, std::to_string(K));
  EXPECT_EQ(c.contadores.tooltipApuestasReduccion, "Obtenida en el ciclo: 1");

  // Back in results: every final bet is a conditioned bet, and every conditioned bet has a
  // final bet within one match of it.
  const auto& cond = c.apuestas.ApuestasCondicionadas;
  const auto& fin = c.apuestas.ApuestasFinales;
  for (std::int32_t k = 1; k <= K; ++k) {
    for (int m = 0; m < kPartidos; ++m) ASSERT_TRUE(fin.Fila(k)[m] == 1 || fin.Fila(k)[m] == 6 || fin.Fila(k)[m] == 11);
    ASSERT_NE(ApuestaCompacta(fin.Fila(k)), "000000000000");
  }
  for (std::int32_t i = 1; i <= 728; ++i) {
    bool cubierta = false;
    for (std::int32_t k = 1; k <= K && !cubierta; ++k) cubierta = Distancia(cond.Fila(i), fin.Fila(k)) <= 1;
    ASSERT_TRUE(cubierta) << ApuestaCompacta(cond.Fila(i));
  }
  EXPECT_FALSE(c.bloqueada);
  EXPECT_FALSE(c.ocupada);
}

TEST_F(CondicionadoConReduccion, NumeroExactoRellenaHastaLoPedido) {
  BaseTresPorPartido();
  c.reduccion.Tipo = 2;
  c.reduccion.ActivarCiclos = 0;
  c.reduccion.ActivarNumeroApuestas = 1;
  c.reduccion.ApuestasExactas = 1;
  c.reduccion.NuApuestas = 300;
  c.lstFiltros.Activar(FilaFiltro::Reduccion);
  Ejecutar();
  EXPECT_TRUE(ui.mensajes.empty());
  EXPECT_EQ(c.apuestas.TotalFinales, 300);
  EXPECT_EQ(c.contadores.lblApuestasReduccion, "300");
  // The fill takes distinct system bets.
  std::set<std::string> distintas;
  for (std::int32_t k = 1; k <= 300; ++k) distintas.insert(ApuestaCompacta(c.apuestas.ApuestasFinales.Fila(k)));
  EXPECT_EQ(distintas.size(), 300u);
}

TEST_F(CondicionadoConReduccion, DetenerDuranteElAnalisisDejaElContadorACero) {
  BaseTresPorPartido();
  c.reduccion.Tipo = 1;
  c.lstFiltros.Activar(FilaFiltro::Reduccion);
  progreso.detenerTrasCesiones = 1;
  Ejecutar();
  EXPECT_EQ(ventana.Estado().lblCiclos, "0");
  EXPECT_EQ(c.contadores.lblApuestasReduccion, "0");
  EXPECT_TRUE(c.contadores.tooltipApuestasReduccion.empty());
  EXPECT_EQ(c.contadores.lblApuCondicionadas, "729");
  // The conditioned bets are back in results for whoever reads them next.
  EXPECT_EQ(ApuestaCompacta(c.apuestas.ApuestasCondicionadas.Fila(729)), "222222222222");
  EXPECT_FALSE(c.bloqueada);
}

}  // namespace
}  // namespace tanteo
