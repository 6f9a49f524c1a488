#include "engine/combinacion.h"

#include <gtest/gtest.h>

#include "fakes/interaccion_guionizada.h"

namespace tanteo {
namespace {

using pruebas::InteraccionGuionizada;

TEST(Combinacion, EditarMarcaCambiosYRecuenta) {
  Combinacion c;
  EXPECT_TRUE(c.guardadaXML);
  EXPECT_FALSE(c.cambiadaDesdeGeneracion);
  c.AlternarResultado(1, 5);
  EXPECT_TRUE(c.cambiadaDesdeGeneracion);
  EXPECT_FALSE(c.guardadaXML);
  EXPECT_EQ(c.apuestas.TotalApuestas, 0);
  c.SeleccionarTodo();
  EXPECT_EQ(c.apuestas.TotalApuestas, 16'777'216);
  EXPECT_EQ(c.contadores.lblApuIniciales, "16.777.216");
  EXPECT_EQ(c.contadores.lblApuCondicionadas, "16.777.216");
  EXPECT_EQ(c.contadores.lblApuestasReduccion, "0");
}

TEST(Combinacion, LimpiarPoneCerosYQuitaGuardado) {
  Combinacion c;
  c.SeleccionarTodo();
  c.guardadaXML = true;
  c.apuestas.TotalImportadas = 12;
  c.contadores.tooltipApuestasReduccion = "Obtenida en el ciclo: 3";
  c.LimpiarPronostico();
  EXPECT_EQ(c.apuestas.TotalApuestas, 0);
  EXPECT_EQ(c.apuestas.TotalImportadas, 0);
  EXPECT_EQ(c.contadores.lblApuIniciales, "0");
  EXPECT_TRUE(c.contadores.tooltipApuestasReduccion.empty());
  EXPECT_FALSE(c.guardadaXML);
  EXPECT_EQ(c.base.Recuento(), 0);
}

TEST(Combinacion, CambiarVistaConCambiosPreguntaYNoLoDejaTodo) {
  Combinacion c;
  c.AlternarResultado(1, 5);
  for (int m = 2; m <= 6; ++m) c.AlternarResultado(m, 1);
  ASSERT_EQ(c.apuestas.TotalApuestas, 1);

  InteraccionGuionizada ui;
  ui.ResponderNo();
  EXPECT_FALSE(c.CambiarVista(ui));
  ASSERT_EQ(ui.preguntas.size(), 1u);
  EXPECT_EQ(ui.preguntas[0], kPreguntaCambiarVista);
  EXPECT_EQ(c.base.VistaActiva(), Vista::PorResultados);
  EXPECT_EQ(c.apuestas.TotalApuestas, 1);
  EXPECT_EQ(c.contadores.lblApuIniciales, "1");
  EXPECT_TRUE(c.base.ResultadoSeleccionado(1, 5));
  EXPECT_EQ(c.TextoCambiarVista(), "Cambiar a por Pronóstico");

  ui.ResponderSi();
  EXPECT_TRUE(c.CambiarVista(ui));
  EXPECT_EQ(c.base.VistaActiva(), Vista::PorPronostico);
  EXPECT_EQ(c.apuestas.TotalApuestas, 0);
  EXPECT_EQ(c.contadores.lblApuIniciales, "0");
  EXPECT_EQ(c.TextoCambiarVista(), "Cambiar a por Resultados");
}

TEST(Combinacion, CambiarVistaGuardadaNoPregunta) {
  Combinacion c;
  InteraccionGuionizada ui;
  EXPECT_TRUE(c.CambiarVista(ui));
  EXPECT_TRUE(ui.preguntas.empty());
}

TEST(Combinacion, DesarrollarLlenaElSistema) {
  Combinacion c;
  for (int m = 1; m <= 6; ++m) {
    c.AlternarResultado(m, 1);
    c.AlternarResultado(m, 16);
  }
  c.Desarrollar();
  ASSERT_EQ(c.apuestas.ApuestasSistema.Filas(), 64);
  EXPECT_EQ(c.apuestas.ApuestasSistema.ApuestaEn(64), (Apuesta{16, 16, 16, 16, 16, 16}));
}

}  // namespace
}  // namespace tanteo
