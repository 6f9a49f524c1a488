#include "conditions/frm_reduccion.h"

#include <gtest/gtest.h>

#include <functional>

namespace tanteo {
namespace {

TEST(FrmReduccion, ListaDePorcentajesYSeleccionDelGuardado) {
  Reduccion r;
  r.Porcentaje = 75;
  ListaFiltros lista;
  const FrmReduccion frm(r, lista);
  ASSERT_EQ(frm.ElementosPorcentaje().size(), 100u);
  EXPECT_EQ(frm.ElementosPorcentaje().front(), "Asegurar el 100%");
  EXPECT_EQ(frm.ElementosPorcentaje().back(), "Asegurar el 1%");
  EXPECT_EQ(frm.cboPorcentaje(), 25);
  EXPECT_EQ(frm.PulsarVolver().Porcentaje, 75);
}

TEST(FrmReduccion, AbrirYCerrarSinTocarNadaNoCambiaNada) {
  Reduccion r;
  r.Tipo = 2;
  r.Porcentaje = 90;
  r.NuApuestas = 340;
  r.ActivarNumeroApuestas = 1;
  r.ApuestasExactas = 1;
  r.ActivarCiclos = 0;
  r.Aleatorio = 1;
  for (bool activa : {false, true}) {
    ListaFiltros lista;
    if (activa) lista.Activar(FilaFiltro::Reduccion);
    const FrmReduccion frm(r, lista);
    EXPECT_FALSE(frm.RechazaCierreDelMarco());  // closing it otherwise stores nothing
    EXPECT_EQ(frm.ImagenActiva(), activa);
    EXPECT_EQ(frm.PulsarVolver(), r);
    EXPECT_EQ(lista.Activa(FilaFiltro::Reduccion), activa);
  }
}

TEST(FrmReduccion, ReglasDeHabilitacionDeLasDosOpciones) {
  Reduccion r;
  r.ActivarNumeroApuestas = 1;
  r.ApuestasExactas = 1;
  ListaFiltros lista;
  FrmReduccion frm(r, lista);
  EXPECT_EQ(frm.optTipo(), 0);
  EXPECT_TRUE(frm.txtNColumnasVisible());
  EXPECT_TRUE(frm.txtNColumnasHabilitado());
  EXPECT_FALSE(frm.cboPorcentajeHabilitado());
  EXPECT_TRUE(frm.chkApuestasExactasHabilitado());
  EXPECT_TRUE(frm.chkApuestasExactas());

  frm.ElegirOptTipo(1);
  EXPECT_FALSE(frm.txtNColumnasVisible());
  EXPECT_FALSE(frm.txtNColumnasHabilitado());
  EXPECT_TRUE(frm.cboPorcentajeHabilitado());
  EXPECT_FALSE(frm.chkApuestasExactasHabilitado());
  EXPECT_FALSE(frm.chkApuestasExactas());
  frm.PulsarApuestasExactas(true);  // disabled
  EXPECT_FALSE(frm.chkApuestasExactas());
  EXPECT_EQ(frm.PulsarVolver().ActivarNumeroApuestas, 0);

  frm.ElegirOptTipo(0);
  EXPECT_TRUE(frm.chkApuestasExactasHabilitado());
  EXPECT_FALSE(frm.chkApuestasExactas());
  EXPECT_EQ(frm.PulsarVolver().ActivarNumeroApuestas, 1);
}

TEST(FrmReduccion, QueClicsActivanLaFilaDeReduccion) {
  const std::pair<const char*, std::function<void(FrmReduccion&)>> casos[] = {
      {"tipo", [](FrmReduccion& f) { f.ElegirTipoReduccion(3); }},
      {"porcentaje", [](FrmReduccion& f) { f.ElegirPorcentaje(10); }},
      {"aleatorio", [](FrmReduccion& f) { f.PulsarAleatorio(true); }},
      {"ciclos", [](FrmReduccion& f) { f.PulsarActivarCiclos(false); }},
      {"opción", [](FrmReduccion& f) { f.ElegirOptTipo(0); }},
  };
  for (const auto& [nombre, clic] : casos) {
    ListaFiltros lista;
    FrmReduccion frm(Reduccion{}, lista);
    clic(frm);
    EXPECT_TRUE(lista.Activa(FilaFiltro::Reduccion)) << nombre;
    EXPECT_TRUE(frm.ImagenActiva()) << nombre;
  }
  ListaFiltros lista;
  Reduccion r;
  r.ActivarNumeroApuestas = 1;
  FrmReduccion frm(r, lista);
  frm.PulsarApuestasExactas(true);
  frm.EscribirNColumnas("25");
  EXPECT_FALSE(lista.Activa(FilaFiltro::Reduccion));
  const Reduccion guardada = frm.PulsarVolver();
  EXPECT_EQ(guardada.ApuestasExactas, 1);
  EXPECT_EQ(guardada.NuApuestas, 25);
  frm.PulsarActivar();
  EXPECT_TRUE(lista.Activa(FilaFiltro::Reduccion));
  frm.PulsarActivar();
  EXPECT_FALSE(frm.ImagenActiva());
}

TEST(FrmReduccion, GuardaLoQueMuestraYUnaCajaVaciaEsUnaApuesta) {
  ListaFiltros lista;
  FrmReduccion frm(Reduccion{}, lista);
  frm.ElegirTipoReduccion(4);
  frm.ElegirPorcentaje(99);
  frm.PulsarAleatorio(true);
  frm.PulsarActivarCiclos(false);
  frm.ElegirOptTipo(0);
  frm.EscribirNColumnas("   ");
  const Reduccion r = frm.PulsarVolver();
  EXPECT_EQ(r.Tipo, 4);
  EXPECT_EQ(r.Porcentaje, 1);
  EXPECT_EQ(r.Aleatorio, 1);
  EXPECT_EQ(r.ActivarCiclos, 0);
  EXPECT_EQ(r.ActivarNumeroApuestas, 1);
  EXPECT_EQ(r.NuApuestas, 1);
  frm.EscribirNColumnas("99999999999");
  EXPECT_EQ(frm.PulsarVolver().NuApuestas, 2'147'483'647);
}

}  // namespace
}  // namespace tanteo
