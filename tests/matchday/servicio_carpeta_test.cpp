#include "matchday/servicio_carpeta.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "engine/texto_numeros.h"
#include "fakes/carpeta_temporal.h"
#include "fakes/interaccion_guionizada.h"
#include "matchday/carga_jornada.h"
#include "matchday/servicio_predeterminado.h"
#include "respuestas_prueba.h"
#include "servidores_prueba.h"

namespace tanteo {
namespace {

using pruebas::InteraccionGuionizada;

// Every bundled answer gives twelve names and all 48 boxes of each kind, each row a full 100.
TEST(ServicioCarpeta, LasJornadasDeEjemploEstanCompletas) {
  ServicioCarpeta servicio(CarpetaServicioEjemplo());
  int jornadas = 0;
  for (const auto& temporada : std::filesystem::directory_iterator(CarpetaServicioEjemplo())) {
    if (!temporada.is_directory()) continue;
    std::string textoTemporada = temporada.path().filename().string();
    textoTemporada[4] = '/';
    for (const auto& fichero : std::filesystem::directory_iterator(temporada.path())) {
      const std::string jornada = fichero.path().stem().string();
      SCOPED_TRACE(textoTemporada + " jornada " + jornada);
      ++jornadas;
      InteraccionGuionizada interaccion;
      NombresEquipos nombres;
      ASSERT_TRUE(CargarPartidosJornada(servicio, jornada, textoTemporada, nombres, interaccion));
      for (int e = 1; e <= kEquipos; ++e) {
        EXPECT_FALSE(nombres.nombre[e].empty());
      }
      for (int tipo = 2; tipo <= 5; ++tipo) {
        CajasPorcentajes cajas;
        for (auto& signo : cajas.texto) signo.fill("");
        ASSERT_TRUE(CargarTipoPorcentajesServicio(tipo, servicio, jornada, textoTemporada, cajas, interaccion));
        for (int e = 1; e <= kEquipos; ++e) {
          double suma = 0;
          for (int s = 0; s < kSignos; ++s) {
            const auto valor = LeerReal(cajas.texto[s][e]);
            ASSERT_TRUE(valor.has_value()) << "tipo " << tipo << " equipo " << e << ": " << cajas.texto[s][e];
            EXPECT_GE(*valor, 0);
            suma += *valor;
          }
          // The mix shows M with two decimals, so its row may miss 100 by half a hundredth.
          EXPECT_NEAR(suma, 100, tipo == 5 ? 0.005 + 1e-9 : 1e-9) << "tipo " << tipo << " equipo " << e;
        }
      }
      EXPECT_TRUE(interaccion.mensajes.empty());
    }
  }
  EXPECT_GE(jornadas, 3);
}

TEST(ServicioCarpeta, JornadaSinDatosYNombresQueSalenDeLaCarpeta) {
  pruebas::CarpetaTemporal raiz;
  std::filesystem::create_directories(raiz / "datos" / "2024-2025");
  std::ofstream(raiz / "datos" / "2024-2025" / "3.xml") << pruebas::Respuesta({pruebas::PartidoEquipos(1, "Elche", "Eibar")});
  std::ofstream(raiz / "fuera.xml") << pruebas::Respuesta({pruebas::PartidoEquipos(1, "Fuera", "Fuera")});
  ServicioCarpeta servicio(raiz / "datos");

  EXPECT_TRUE(servicio.Consultar("3", "2024/2025").ok);
  const RespuestaServicio ausente = servicio.Consultar("4", "2024/2025");
  EXPECT_FALSE(ausente.ok);
  EXPECT_EQ(ausente.descripcion,
            "no hay datos de la jornada 4 de la temporada 2024/2025 en " + (raiz / "datos").string());
  for (const auto& [jornada, temporada] : std::vector<std::pair<std::string, std::string>>{
           {"../../fuera", "2024/2025"}, {"fuera", ".."}, {"", "2024/2025"}, {"3", ""}, {"3", std::string("2024\0", 5)}}) {
    const RespuestaServicio r = servicio.Consultar(jornada, temporada);
    EXPECT_FALSE(r.ok) << jornada << " " << temporada;
    EXPECT_EQ(r.descripcion, "jornada o temporada no válida");
  }

  InteraccionGuionizada interaccion;
  NombresEquipos nombres;
  EXPECT_FALSE(CargarPartidosJornada(servicio, "4", "2024/2025", nombres, interaccion));
  EXPECT_EQ(interaccion.Textos(), std::vector<std::string>{"ERROR AL ABRIR EL FICHERO DE JORNADA (" + ausente.descripcion + ")"});
}

TEST(ServicioPredeterminado, MuestraSinVariableYServicioRealConElla) {
  unsetenv("TANTEO_SERVICIO");
  InteraccionGuionizada interaccion;
  NombresEquipos muestra;
  EXPECT_TRUE(CargarPartidosJornada(*CrearServicioJornada(), "1", "2026/2027", muestra, interaccion));
  EXPECT_FALSE(muestra.nombre[1].empty());

  pruebas::ServidorHTTP servidor;
  servidor.Responder(pruebas::Respuesta({pruebas::PartidoEquipos(1, "Burgos", "Racing")}));
  setenv("TANTEO_SERVICIO", servidor.Base().c_str(), 1);
  NombresEquipos red;
  EXPECT_TRUE(CargarPartidosJornada(*CrearServicioJornada(), "1", "2026/2027", red, interaccion));
  unsetenv("TANTEO_SERVICIO");
  EXPECT_EQ(red.nombre[1], "Burgos");
  EXPECT_EQ(servidor.Peticiones().size(), 1u);
  EXPECT_TRUE(interaccion.mensajes.empty());
}

}  // namespace
}  // namespace tanteo
