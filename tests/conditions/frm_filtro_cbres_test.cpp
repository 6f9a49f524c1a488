#include "conditions/frm_filtro_cbres.h"

#include <gtest/gtest.h>

#include <functional>

#include "fakes/interaccion_guionizada.h"

namespace tanteo {
namespace {

using pruebas::InteraccionGuionizada;

// Shows the hits dialog as a player would: records what it shows, then clicks.
class DialogoGuionizado : public DialogoAciertos {
 public:
  std::function<void(FrmAciertos&)> pulsaciones = [](FrmAciertos&) {};
  std::string titulo;
  int maximo = -1;
  std::vector<bool> oscuras;

  void Mostrar(FrmAciertos& frm) override {
    frm.Activar();
    titulo = frm.lblTitulo;
    maximo = frm.MaximoAcierto;
    oscuras.clear();
    for (int k = 0; k <= 6; ++k) oscuras.push_back(frm.lblAciertos(k).Oscura());
    pulsaciones(frm);
    frm.PulsarVolver();
  }
  void Mostrar(FrmAciertosPorcentajes&) override { ADD_FAILURE() << "diálogo equivocado"; }
};

class FrmFiltroCBRESPrueba : public ::testing::Test {
 protected:
  AjustesFiltros filtros;
  ListaFiltros lista;
  ColumnaBaseResultados& CB(int c) { return filtros.cbResultados.CB(c); }
};

TEST_F(FrmFiltroCBRESPrueba, CargaLaPaginaDesdeLosAjustes) {
  CB(2).pronostico[1] = "1-0";
  CB(2).pronostico[6] = " M-2 ";
  CB(3).pronostico[4] = "xyz";  // not an item: the list stays at "---"
  CB(2).aciertos[1] = 1;
  CB(2).aciertos[5] = 1;
  FrmFiltroCBRES frm(filtros, lista);
  EXPECT_EQ(frm.cboCB(2, 1), "1-0");
  EXPECT_EQ(frm.cboCB(2, 6), "M-2");
  EXPECT_EQ(frm.cboCB(3, 4), "---");
  EXPECT_EQ(frm.txtAciertos(2), "1,5");
  EXPECT_EQ(frm.txtAciertos(1), "");
  EXPECT_EQ(frm.cmdTituloCB(0), "CB1");
  EXPECT_EQ(frm.cmdTituloCB(3), "CB4");
  EXPECT_FALSE(frm.MenosHabilitado());
  EXPECT_TRUE(frm.MasHabilitado());
  EXPECT_FALSE(frm.ImagenActiva());
}

TEST_F(FrmFiltroCBRESPrueba, PaginasEscribenLoEditadoYHabilitanLosBotones) {
  FrmFiltroCBRES frm(filtros, lista);
  frm.ElegirCB(4, 3, "2-1");
  frm.PulsarMas();
  EXPECT_EQ(CB(4).pronostico[3], "2-1");
  EXPECT_EQ(frm.Pagina(), 2);
  EXPECT_EQ(filtros.BloqueCBResultados, 2);
  EXPECT_EQ(frm.cmdTituloCB(0), "CB5");
  EXPECT_EQ(frm.cboCB(4, 3), "---");
  EXPECT_TRUE(frm.MasHabilitado());
  EXPECT_TRUE(frm.MenosHabilitado());
  while (frm.MasHabilitado()) frm.PulsarMas();
  EXPECT_EQ(frm.Pagina(), 25);
  EXPECT_EQ(frm.cmdTituloCB(3), "CB100");
  EXPECT_TRUE(frm.MenosHabilitado());
  frm.PulsarMas();  // disabled: nothing happens
  EXPECT_EQ(frm.Pagina(), 25);
  while (frm.MenosHabilitado()) frm.PulsarMenos();
  EXPECT_EQ(frm.Pagina(), 1);
  EXPECT_TRUE(frm.MasHabilitado());
  EXPECT_EQ(frm.cboCB(4, 3), "2-1");
}

TEST_F(FrmFiltroCBRESPrueba, ElegirOEnfocarUnaListaActivaElFiltro) {
  FrmFiltroCBRES frm(filtros, lista);
  frm.FocoCB();
  EXPECT_TRUE(lista.Activa(FilaFiltro::CBResultados));
  EXPECT_TRUE(frm.ImagenActiva());
  frm.PulsarActivar();
  EXPECT_FALSE(lista.Activa(FilaFiltro::CBResultados));
  frm.ElegirCB(1, 1, "0-0");
  EXPECT_TRUE(frm.ImagenActiva());
  frm.ElegirCB(1, 2, "3-1");  // not an item
  EXPECT_EQ(frm.cboCB(1, 2), "---");
}

TEST_F(FrmFiltroCBRESPrueba, ModificarLimitaAlosResultadosElegidosYActiva) {
  CB(2).aciertos[1] = 1;
  CB(2).aciertos[5] = 1;
  FrmFiltroCBRES frm(filtros, lista);
  frm.ElegirCB(2, 1, "1-0");
  frm.ElegirCB(2, 3, "0-M");
  frm.ElegirCB(2, 6, "2-2");
  frm.PulsarActivar();  // off again: MODIFICAR must activate by itself
  DialogoGuionizado dialogo;
  dialogo.pulsaciones = [](FrmAciertos& d) {
    d.PulsarEtiqueta(0);
    d.PulsarEtiqueta(4);  // beyond three results: disabled
  };
  frm.PulsarModificar(1, dialogo);
  EXPECT_EQ(dialogo.titulo, "ACIERTOS EN CB2");
  EXPECT_EQ(dialogo.maximo, 3);
  EXPECT_EQ(dialogo.oscuras, (std::vector<bool>{false, true, false, false, false, false, false}));
  EXPECT_EQ(CB(2).aciertos, (std::array<std::uint8_t, 7>{1, 1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(frm.txtAciertos(2), "0,1");
  EXPECT_EQ(CB(2).pronostico[3], "0-M");
  EXPECT_TRUE(lista.Activa(FilaFiltro::CBResultados));
}

TEST_F(FrmFiltroCBRESPrueba, CerrarInformaDelPrimerCBQueFalla) {
  CB(30).pronostico[2] = "1-1";  // choices without counts
  CB(57).aciertos[0] = 1;        // counts without choices
  FrmFiltroCBRES frm(filtros, lista);
  EXPECT_TRUE(frm.RechazaCierreDelMarco());  // only imgVolver and its check close it
  frm.PulsarMas();
  InteraccionGuionizada ui;
  EXPECT_FALSE(frm.PulsarVolver(ui));
  CB(30).aciertos[1] = 1;
  EXPECT_FALSE(frm.PulsarVolver(ui));
  CB(57).pronostico[6] = "0-0";
  EXPECT_TRUE(frm.PulsarVolver(ui));
  EXPECT_EQ(ui.Textos(), (std::vector<std::string>{"ERROR en CB30 : Debe rellenar al menos un acierto",
                                                   "ERROR en CB57 : No ha rellenado ningún partido"}));
  EXPECT_EQ(ui.mensajes[0].icono, Icono::Error);
  EXPECT_EQ(frm.Pagina(), 2);
}

TEST_F(FrmFiltroCBRESPrueba, ElTituloBorraLosResultadosPeroNoLosAciertos) {
  CB(3).pronostico[1] = "1-0";
  CB(3).pronostico[5] = "0-1";
  CB(3).aciertos[2] = 1;
  FrmFiltroCBRES frm(filtros, lista);
  frm.PulsarTituloCB(2);
  for (int m = 1; m <= kPartidos; ++m) {
    EXPECT_EQ(frm.cboCB(3, m), "---");
    EXPECT_EQ(CB(3).pronostico[m], "---");
  }
  EXPECT_EQ(frm.txtAciertos(3), "2");
  InteraccionGuionizada ui;
  EXPECT_FALSE(frm.PulsarVolver(ui));
  EXPECT_EQ(ui.Textos(), std::vector<std::string>{"ERROR en CB3 : No ha rellenado ningún partido"});
}

}  // namespace
}  // namespace tanteo
