#include "conditions/frm_aciertos.h"

#include <gtest/gtest.h>

namespace tanteo {
namespace {

enum class Estado { Usable, Deshabilitada, Oculta };

Estado EstadoDe(const FrmAciertos& frm, int k) {
  if (!frm.Visible(k)) return Estado::Oculta;
  return frm.Habilitada(k) ? Estado::Usable : Estado::Deshabilitada;
}

TEST(FrmAciertos, MaximoTresSinBanderas) {
  SeleccionAciertos seleccion{};
  FrmAciertos frm(seleccion);
  frm.MaximoAcierto = 3;
  frm.Activar();
  for (int k = 0; k < kEtiquetasAciertos; ++k) {
    const Estado esperado = k <= 3 ? Estado::Usable : k <= 15 ? Estado::Deshabilitada : Estado::Oculta;
    EXPECT_EQ(EstadoDe(frm, k), esperado) << "etiqueta " << k;
  }
}

TEST(FrmAciertos, LasBanderasMuestranSusEtiquetasYVolverLasApaga) {
  SeleccionAciertos seleccion{};
  FrmAciertos frm(seleccion);
  frm.MaximoAcierto = 36;
  frm.Mostrar31aciertos = true;
  frm.Activar();
  EXPECT_TRUE(frm.Visible(16));
  EXPECT_TRUE(frm.Visible(31));
  EXPECT_FALSE(frm.Visible(32));
  frm.Mostrar32a36aciertos = true;
  EXPECT_TRUE(frm.Visible(36));
  frm.PulsarVolver();
  EXPECT_TRUE(frm.Cerrado());
  EXPECT_FALSE(frm.Mostrar31aciertos);
  EXPECT_FALSE(frm.Mostrar32a36aciertos);
}

TEST(FrmAciertos, MuestraElBufferYLasPulsacionesLoEscriben) {
  SeleccionAciertos seleccion{};
  seleccion[1] = 1;
  seleccion[5] = 1;  // above the maximum: neither shown nor touched
  FrmAciertos frm(seleccion);
  frm.MaximoAcierto = 3;
  frm.Activar();
  EXPECT_TRUE(frm.lblAciertos(1).Oscura());
  EXPECT_EQ(frm.lblAciertos(1).ColorFondo(), kColorGrisOscuro);
  EXPECT_EQ(frm.lblAciertos(1).ColorTexto(), kColorBlanco);
  EXPECT_EQ(frm.lblAciertos(0).ColorFondo(), kColorBlanco);
  EXPECT_EQ(frm.lblAciertos(0).ColorTexto(), kColorNegro);
  EXPECT_FALSE(frm.lblAciertos(5).Oscura());

  frm.PulsarEtiqueta(1);
  frm.PulsarEtiqueta(2);
  frm.PulsarEtiqueta(4);   // disabled
  frm.PulsarEtiqueta(20);  // hidden
  EXPECT_EQ(seleccion[1], 0);
  EXPECT_EQ(seleccion[2], 1);
  EXPECT_EQ(seleccion[4], 0);
  EXPECT_EQ(seleccion[20], 0);

  frm.PulsarTodos();
  for (int k = 0; k <= 3; ++k) EXPECT_EQ(seleccion[k], 1);
  EXPECT_EQ(seleccion[4], 0);
  EXPECT_EQ(seleccion[5], 1);
  frm.PulsarNinguno();
  for (int k = 0; k <= 3; ++k) EXPECT_FALSE(frm.lblAciertos(k).Oscura());
  EXPECT_EQ(seleccion[5], 1);
}

TEST(FrmAciertosPorcentajes, EmpiezaSinSeleccionYGuardaElOrigen) {
  SeleccionAciertos seleccion{};
  seleccion[3] = 1;
  FrmAciertosPorcentajes frm(seleccion, "12", "2023/2024");
  EXPECT_EQ(frm.lblJornada(), "J: 12 ; T: 2023/2024");
  EXPECT_EQ(frm.cboTipoPorcentajes(), 0);
  for (int k = 0; k < FrmAciertosPorcentajes::kRangos; ++k) EXPECT_FALSE(frm.lblAciertos(k).Oscura());

  frm.PulsarEtiqueta(0);
  EXPECT_EQ(seleccion[0], 1);
  frm.PulsarTodos();
  for (int k = 0; k < 16; ++k) EXPECT_EQ(seleccion[k], 1);
  EXPECT_EQ(seleccion[16], 0);
  frm.PulsarEtiqueta(15);
  EXPECT_EQ(seleccion[15], 0);
  frm.PulsarNinguno();
  for (int k = 0; k < 16; ++k) EXPECT_EQ(seleccion[k], 0);

  frm.ElegirTipoPorcentajes(2);
  EXPECT_EQ(frm.IDcboPorcentaje, 0);
  frm.PulsarVolver();
  EXPECT_EQ(frm.IDcboPorcentaje, 2);
}

}  // namespace
}  // namespace tanteo
