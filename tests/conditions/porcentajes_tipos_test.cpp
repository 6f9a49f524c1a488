#include "conditions/porcentajes_tipos.h"

#include <gtest/gtest.h>

#include <fstream>

#include "conditions/fuente_porcentajes_servicio.h"
#include "fakes/carpeta_temporal.h"
#include "fakes/interaccion_guionizada.h"

namespace tanteo {
namespace {

using pruebas::InteraccionGuionizada;
using Lista = std::vector<std::string_view>;

// Fills team 1 sign 0 with the type's index, as a fetch would write one box.
class ServicioFalso : public FuentePorcentajesServicio {
 public:
  void RellenarPorcentajes(TipoPorcentajes tipo, BloquePorcentajes& bloque) override {
    pedidos.push_back(tipo);
    cerosAlPedir = bloque == BloquePorcentajes{};
    bloque(1, 0) = std::to_string(static_cast<int>(tipo));
  }
  std::vector<TipoPorcentajes> pedidos;
  bool cerosAlPedir = false;
};

TEST(TiposPorcentajes, ListasDeCadaPantalla) {
  const Lista cinco = {"Manuales", "Propios", "Análisis de Estadisto", "Jugados en Estadisto", "LAE"};
  Lista seis = cinco;
  seis.push_back("LAE/Estadisto (80/20)");
  EXPECT_EQ(ItemsTipoPorcentajes(ListaPorcentajes::Rangos), seis);
  EXPECT_EQ(ItemsTipoPorcentajes(ListaPorcentajes::CRApostados), seis);
  EXPECT_EQ(ItemsTipoPorcentajes(ListaPorcentajes::CRReales), cinco);
  EXPECT_EQ(ItemsTipoPorcentajes(ListaPorcentajes::Probabilidad), cinco);
  EXPECT_EQ(ItemsTipoPorcentajes(ListaPorcentajes::OrdenarPorProbabilidad), cinco);
  EXPECT_EQ(TextoTipoPorcentajes(TipoPorcentajes::LAEEstadisto8020), "LAE/Estadisto (80/20)");
}

TEST(TiposPorcentajes, ElegirPoneACeroRellenaYActiva) {
  ServicioFalso servicio;
  InteraccionGuionizada ui;
  int activaciones = 0;
  const auto activar = [&] { ++activaciones; };
  BloquePorcentajes bloque;
  bloque(5, 2) = "33";

  ElegirTipoPorcentajes(TipoPorcentajes::Manuales, bloque, ui, servicio, activar);
  EXPECT_EQ(bloque, BloquePorcentajes{});
  EXPECT_EQ(activaciones, 1);

  for (auto tipo : {TipoPorcentajes::AnalisisEstadisto, TipoPorcentajes::JugadosEstadisto, TipoPorcentajes::LAE,
                    TipoPorcentajes::LAEEstadisto8020}) {
    bloque(5, 2) = "33";
    ElegirTipoPorcentajes(tipo, bloque, ui, servicio, activar);
    EXPECT_TRUE(servicio.cerosAlPedir);
    EXPECT_EQ(bloque(1, 0), std::to_string(static_cast<int>(tipo)));
  }
  EXPECT_EQ(servicio.pedidos.size(), 4u);
  EXPECT_EQ(activaciones, 5);

  // Propios with the dialog cancelled: zeros, and still active. The sort utility activates nothing.
  ui.CancelarDialogo();
  ElegirTipoPorcentajes(TipoPorcentajes::Propios, bloque, ui, servicio, {});
  EXPECT_EQ(bloque, BloquePorcentajes{});
  EXPECT_EQ(activaciones, 5);
  ASSERT_EQ(ui.dialogos.size(), 1u);
  EXPECT_EQ(ui.dialogos[0].titulo, "Cargar Porcentajes");
}

TEST(TiposPorcentajes, PropiosLeeElFichero) {
  pruebas::CarpetaTemporal dir;
  std::ofstream(dir / "p.txt", std::ios::binary) << "25 25 25 25\r\n";  // one line: team 1 only, then the error
  ServicioFalso servicio;
  InteraccionGuionizada ui;
  ui.ElegirFichero((dir / "p.txt").string());
  BloquePorcentajes bloque;
  bool activado = false;
  ElegirTipoPorcentajes(TipoPorcentajes::Propios, bloque, ui, servicio, [&] { activado = true; });
  EXPECT_EQ(bloque(1, 3), "25");
  EXPECT_EQ(bloque(2, 0), "0");
  EXPECT_EQ(ui.Textos(), std::vector<std::string>{"ERROR AL CARGAR ALGUNOS O TODOS LOS VALORES DE LOS PORCENTAJES"});
  EXPECT_TRUE(activado);
  EXPECT_TRUE(servicio.pedidos.empty());
}

}  // namespace
}  // namespace tanteo
