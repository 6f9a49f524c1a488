#include "evaluation/analisis.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "fakes/carpeta_temporal.h"
#include "fakes/interaccion_guionizada.h"
#include "fakes/plataforma_falsa.h"
#include "evaluation/tres_apuestas.h"

namespace tanteo {
namespace {

using pruebas::k10;

TEST(Analisis, ConteosPorResultadoYPorSigno) {
  const Analisis a = AnalizarApuestas(pruebas::TresApuestas(), 3);
  EXPECT_EQ(a.ConteoResultados[1][k10], 3);
  for (int r = 1; r <= 16; ++r) {
    if (r != k10) {
      EXPECT_EQ(a.ConteoResultados[1][r], 0) << r;
    }
  }
  EXPECT_EQ(a.ConteoResultados[2][6], 2);
  EXPECT_EQ(a.ConteoSignos[1][1], 3);  // home team of match 1 always scores one
  EXPECT_EQ(a.ConteoSignos[2][0], 3);  // away team never scores: only its sign-0 cell
  EXPECT_EQ(a.ConteoSignos[2][1] + a.ConteoSignos[2][2] + a.ConteoSignos[2][3], 0);
  for (int e = 1; e <= 12; ++e) {
    EXPECT_EQ(a.ConteoSignos[e][0] + a.ConteoSignos[e][1] + a.ConteoSignos[e][2] + a.ConteoSignos[e][3], 3);
  }
}

TEST(Analisis, CeldasEnCuentasYPorcentajes) {
  FrmAnalisisLogica pantalla(AnalizarApuestas(pruebas::TresApuestas(), 3));
  EXPECT_EQ(pantalla.TextoCmdSwitch(), "%");
  EXPECT_EQ(pantalla.TextoResultado(1, k10), "3");
  EXPECT_EQ(pantalla.TextoResultado(1, 1), "");
  EXPECT_EQ(pantalla.TextoResultado(3, 16), "1");
  pantalla.Cambiar();
  EXPECT_EQ(pantalla.TextoCmdSwitch(), "Nº");
  EXPECT_EQ(pantalla.TextoResultado(1, k10), "100%");
  EXPECT_EQ(pantalla.TextoResultado(3, 16), "33,33%");
  EXPECT_EQ(pantalla.TextoResultado(2, 6), "66,67%");
  EXPECT_EQ(pantalla.TextoResultado(1, 1), "");
  pantalla.Cambiar();
  EXPECT_EQ(pantalla.TextoResultado(3, 16), "1");
}

TEST(Analisis, AyudaDeCadaPartidoConSusDosEquipos) {
  std::array<std::string, kEquipos> equipos;
  for (int t = 1; t <= kEquipos; ++t) equipos[t - 1] = "Equipo" + std::to_string(t);
  EXPECT_EQ(FrmAnalisisLogica::AyudaPartido(equipos, 1), "Equipo1-Equipo2");
  EXPECT_EQ(FrmAnalisisLogica::AyudaPartido(equipos, 6), "Equipo11-Equipo12");
}

TEST(Analisis, InformeConSuDisposicion) {
  FrmAnalisisLogica pantalla(AnalizarApuestas(pruebas::TresApuestas(), 3));
  const std::string informe = pantalla.Informe();
  std::vector<std::string> lineas;
  std::size_t ini = 0;
  for (std::size_t fin; (fin = informe.find("\r\n", ini)) != std::string::npos; ini = fin + 2) {
    lineas.push_back(informe.substr(ini, fin - ini));
  }
  ASSERT_EQ(lineas.size(), 2u + 1 + 2 * 8 + 2 + 12);
  EXPECT_EQ(lineas[0], "TANTEO ANALISIS: ");
  EXPECT_EQ(lineas[1], "");
  EXPECT_EQ(lineas[2], "Análisis por Resultados");
  EXPECT_EQ(lineas[3], "   0 0      0 1      0 2      0 M      1 0      1 1      1 2      1 M      ");
  EXPECT_EQ(lineas[4], "1. --       --       --       --       3        --       --       --       ");
  EXPECT_EQ(lineas[5], "2. 1        --       --       --       --       2        --       --       ");
  EXPECT_EQ(lineas[10], "");
  EXPECT_EQ(lineas[11], "   2 0      2 1      2 2      2 M      M 0      M 1      M 2      M M      ");
  EXPECT_EQ(lineas[13], "2. --       --       --       --       --       --       --       --       ");
  EXPECT_EQ(lineas[14], "3. --       --       --       --       --       --       --       1        ");
  EXPECT_EQ(lineas[19], "Análisis por Pronósticos");
  EXPECT_EQ(lineas[20], "    0      1      2      M");
  const std::string vacia(7, ' ');
  const std::string tres = "3" + std::string(6, ' ');
  EXPECT_EQ(lineas[21], "1.  " + vacia + tres + vacia + vacia);
  EXPECT_EQ(lineas[22], "2.  " + tres + vacia + vacia + vacia);
  EXPECT_EQ(lineas[32], "12. " + tres + vacia + vacia + vacia);

  pantalla.Cambiar();
  const std::string enPorcentajes = pantalla.Informe();
  EXPECT_NE(enPorcentajes.find("1. --       --       --       --       100%     --"), std::string::npos);
  EXPECT_NE(enPorcentajes.find("33,33%   "), std::string::npos);
}

TEST(Analisis, CuentaMasAnchaQueSuColumnaNoRompeElInforme) {
  Analisis a;
  a.K = 12'345'678;
  a.ConteoSignos[1][0] = a.K;
  a.ConteoSignos[1][1] = 1;
  const std::string informe = FrmAnalisisLogica(a).Informe();
  EXPECT_NE(informe.find("\r\n1.  12345678 1      "), std::string::npos);
}

TEST(Analisis, VerInformeEscribeEnWindows1252YAbreElEditor) {
  pruebas::CarpetaTemporal dir;
  pruebas::PlataformaFalsa plataforma(dir.Ruta());
  pruebas::InteraccionGuionizada ui;
  FrmAnalisisLogica pantalla(AnalizarApuestas(pruebas::TresApuestas(), 3));
  ASSERT_TRUE(pantalla.VerInforme(plataforma, ui));
  const auto fichero = dir / "TANTEO_ANALISIS.txt";
  ASSERT_EQ(plataforma.abiertosEnEditor.size(), 1u);
  EXPECT_EQ(plataforma.abiertosEnEditor[0], fichero);
  std::ifstream f(fichero, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  EXPECT_EQ(s.str().substr(0, 19), "TANTEO ANALISIS: \r\n");
  EXPECT_NE(s.str().find("An\xE1lisis por Resultados"), std::string::npos);
  EXPECT_EQ(s.str().substr(s.str().size() - 4), "\r\n\r\n");
  EXPECT_TRUE(ui.mensajes.empty());
}

TEST(Analisis, FalloAlEscribirSeInforma) {
  pruebas::CarpetaTemporal dir;
  pruebas::PlataformaFalsa plataforma(dir.Ruta());
  std::filesystem::remove_all(dir.Ruta());
  pruebas::InteraccionGuionizada ui;
  FrmAnalisisLogica pantalla(AnalizarApuestas(pruebas::TresApuestas(), 3));
  EXPECT_FALSE(pantalla.VerInforme(plataforma, ui));
  ASSERT_EQ(ui.mensajes.size(), 1u);
  EXPECT_EQ(ui.mensajes[0].icono, Icono::Error);
  EXPECT_EQ(ui.mensajes[0].texto.rfind("ERROR AL GENERAR EL FICHERO EN EL BLOC DE NOTAS (", 0), 0u);
  EXPECT_TRUE(plataforma.abiertosEnEditor.empty());
}

}  // namespace
}  // namespace tanteo
