#include "formats/guardar_combinacion.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "ayudas_ficheros.h"
#include "fakes/carpeta_temporal.h"
#include "fakes/interaccion_guionizada.h"
#include "fakes/progreso_registrado.h"
#include "formats/fichero_tto.h"

namespace tanteo {
namespace {

using pruebas::InteraccionGuionizada;
using Lista = std::vector<std::string>;

class Guardado : public ::testing::Test {
 protected:
  Guardado() {
    // A 2-1-1-1-1-3 results view and three final bets.
    c.AlternarResultado(1, 1);
    c.AlternarResultado(1, 5);
    for (int m = 2; m <= 6; ++m) c.AlternarResultado(m, 16);
    c.AlternarResultado(6, 2);
    c.AlternarResultado(6, 3);
    c.apuestas.ApuestasFinales = pruebas::TablaDe(finales);
  }
  CombinacionGuardada Guardar(std::int32_t cuenta) {
    return GuardarApuestasCombinacion(c, cuenta, "Sin guardar.xml", ui, progreso,
                                      [&](const std::filesystem::path& xml) { xmls.push_back(xml.string()); });
  }

  const Lista finales = {"00MMMMMMMMMM", "10MMMMMMMM01", "00MMMMMMMMMM"};
  pruebas::CarpetaTemporal dir;
  Combinacion c;
  InteraccionGuionizada ui;
  pruebas::ProgresoRegistrado progreso;
  Lista xmls;
};

TEST_F(Guardado, EscribeLasFinalesConLaCabeceraDeLaVistaYElXMLAlLado) {
  ui.ElegirFichero((dir / "semana.dat").string());
  const CombinacionGuardada g = Guardar(3);

  ASSERT_EQ(ui.dialogos.size(), 1u);
  EXPECT_EQ(ui.dialogos[0].titulo, "Guardar Combinación");
  EXPECT_EQ(ui.dialogos[0].filtro, kFiltroGuardarCombinacion);
  EXPECT_EQ(ui.dialogos[0].filtroInicial, 1);
  EXPECT_EQ(ui.dialogos[0].nombreInicial, "Sin guardar.TTO");
  EXPECT_TRUE(ui.dialogos[0].confirmarSobrescritura);
  EXPECT_TRUE(g.apuestasEscritas);
  EXPECT_EQ(g.rutaTTO, (dir / "semana.TTO").string());
  EXPECT_EQ(xmls, Lista{(dir / "semana.xml").string()});
  EXPECT_TRUE(c.guardadaXML);
  EXPECT_EQ(progreso.textos, Lista{std::string(kTextoGuardando)});
  EXPECT_TRUE(ui.mensajes.empty());

  const std::string bytes = pruebas::LeerBytes(g.rutaTTO);
  EXPECT_TRUE(bytes.starts_with(pruebas::RegistroTTO("2-1-1-1-1-3") + pruebas::RegistroTTO("3")));
  TablaApuestas leidas;
  const ResultadoLectura r = LeerFicheroTTO(g.rutaTTO, leidas);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(pruebas::Compactas(leidas, r.apuestas), finales);
}

TEST_F(Guardado, CabeceraDeLaVistaPorPronostico) {
  c.base.CambiarVista();
  c.AlternarSigno(1, 0);
  c.AlternarSigno(1, 1);
  c.AlternarSigno(2, 3);
  c.SeleccionarTodo();  // every team four signs
  c.AlternarSigno(4, 2);
  EXPECT_EQ(TipoSistemaVistaActiva(c.base), "16-12-16-16-16-16");
}

TEST_F(Guardado, CanceladoNoEscribeNada) {
  c.guardadaXML = false;
  ui.CancelarDialogo();
  EXPECT_FALSE(Guardar(3).elegido);
  EXPECT_TRUE(xmls.empty());
  EXPECT_FALSE(c.guardadaXML);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Ruta()), {}), 0);
}

TEST_F(Guardado, ElXMLSeEscribeAunqueFalleElFicheroDeApuestas) {
  c.guardadaXML = false;
  ui.ElegirFichero((dir / "no-existe" / "semana").string());
  const CombinacionGuardada g = Guardar(3);
  EXPECT_FALSE(g.apuestasEscritas);
  ASSERT_EQ(ui.mensajes.size(), 1u);
  EXPECT_TRUE(ui.mensajes[0].texto.starts_with("ERROR AL GUARDAR EL FICHERO (")) << ui.mensajes[0].texto;
  EXPECT_EQ(xmls, Lista{(dir / "no-existe" / "semana.xml").string()});
  EXPECT_TRUE(c.guardadaXML);
}

TEST_F(Guardado, SinEscritorDelXMLLaCombinacionSigueSinGuardar) {
  c.guardadaXML = false;
  ui.ElegirFichero((dir / "semana.TTO").string());
  const CombinacionGuardada g = GuardarApuestasCombinacion(c, 3, "base.xml", ui, progreso, {});
  EXPECT_TRUE(g.apuestasEscritas);
  EXPECT_TRUE(ui.mensajes.empty());
  EXPECT_FALSE(c.guardadaXML);
  EXPECT_FALSE(std::filesystem::exists(dir / "semana.xml"));
}

TEST_F(Guardado, UnFalloPosteriorSeAnunciaComoFalloDeLaReduccion) {
  c.guardadaXML = false;
  ui.ElegirFichero((dir / "semana.TTO").string());
  const CombinacionGuardada g = GuardarApuestasCombinacion(
      c, 3, "base.xml", ui, progreso, [](const std::filesystem::path&) { throw std::runtime_error("disco lleno"); });
  EXPECT_TRUE(g.apuestasEscritas);
  EXPECT_EQ(ui.dialogos[0].nombreInicial, "base.TTO");
  EXPECT_EQ(ui.Textos(), Lista{"ERROR AL GUARDAR EL FICHERO CON LA REDUCCION (disco lleno)"});
  EXPECT_FALSE(c.guardadaXML);
}

}  // namespace
}  // namespace tanteo
