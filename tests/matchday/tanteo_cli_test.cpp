// The `jornada` and `porcentajes` commands of tanteo-cli, run as a player's script would.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "fakes/carpeta_temporal.h"
#include "fakes/interaccion_guionizada.h"
#include "matchday/carga_jornada.h"
#include "matchday/servicio_carpeta.h"
#include "matchday/servicio_predeterminado.h"
#include "respuestas_prueba.h"
#include "servidores_prueba.h"

namespace tanteo {
namespace {

struct Ejecucion {
  int estado = -1;
  std::string salida;
  std::string errores;
};

// `servicio` empty: the bundled sample source.
Ejecucion Ejecutar(const std::string& argumentos, const std::string& servicio = {}) {
  pruebas::CarpetaTemporal carpeta;
  const std::string orden = "TANTEO_SERVICIO='" + servicio + "' " + TANTEO_CLI + " " + argumentos + " 2>" +
                            (carpeta / "errores").string();
  Ejecucion e;
  FILE* tubo = popen(orden.c_str(), "r");
  char bloque[4096];
  for (std::size_t n; (n = std::fread(bloque, 1, sizeof bloque, tubo)) > 0;) e.salida.append(bloque, n);
  const int estado = pclose(tubo);
  e.estado = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
  std::ifstream errores(carpeta / "errores");
  e.errores.assign(std::istreambuf_iterator<char>(errores), std::istreambuf_iterator<char>());
  return e;
}

TEST(TanteoCli, JornadaDeLaMuestraComoLaCargaLaVentana) {
  NombresEquipos nombres;
  pruebas::InteraccionGuionizada interaccion;
  ServicioCarpeta muestra(CarpetaServicioEjemplo());
  ASSERT_TRUE(CargarPartidosJornada(muestra, "2", "2025/2026", nombres, interaccion));
  std::string esperado;
  for (int e = 1; e <= kEquipos; ++e) esperado += nombres.nombre[e] + "\n";

  const Ejecucion e = Ejecutar("jornada --jornada 2 --temporada 2025/2026");
  EXPECT_EQ(e.estado, 0) << e.errores;
  EXPECT_EQ(e.salida, esperado);
  EXPECT_EQ(e.errores, "");
}

TEST(TanteoCli, PorcentajesDesdeUnServidorHTTP) {
  pruebas::ServidorHTTP servidor;
  servidor.Responder(R"(<q><partido num="2" ptl0_local="50" ptl1_local="30" ptl2_local="15" ptlM_local="5"
      pt0_local="40" pt1_local="40" pt2_local="10" ptM_local="10" ptl0_visitante="0" ptl1_visitante="0"
      ptl2_visitante="0" ptlM_visitante="100" pt0_visitante="0" pt1_visitante="0" pt2_visitante="0"
      ptM_visitante="100" pta0_local="45.5"/></q>)");
  const Ejecucion mixto = Ejecutar("porcentajes --jornada 12 --temporada 2024/2025 --tipo mixto", servidor.Base());
  EXPECT_EQ(mixto.estado, 0) << mixto.errores;
  std::string esperado;
  for (int e = 1; e <= kEquipos; ++e) esperado += e == 3 ? "48 32 14 6,00\n" : "0 0 0 100,00\n";
  EXPECT_EQ(mixto.salida, esperado);
  ASSERT_EQ(servidor.Peticiones().size(), 1u);
  EXPECT_EQ(servidor.Peticiones()[0].jornada, "12");
  EXPECT_EQ(servidor.Peticiones()[0].temporada, "2024-2025");

  // A load that fails half-way reports on standard error and prints nothing.
  const Ejecucion analisis = Ejecutar("porcentajes --jornada 12 --temporada 2024/2025 --tipo analisis", servidor.Base());
  EXPECT_EQ(analisis.estado, 1);
  EXPECT_EQ(analisis.salida, "");
  EXPECT_EQ(analisis.errores, "ERROR AL CARGAR EL FICHERO DE PORCENTAJES (falta el atributo pta1_local del partido 2)\n");
}

TEST(TanteoCli, ErroresDelServicioYDeUso) {
  pruebas::ServidorHTTP servidor;
  servidor.Responder("<html><body>Error<br></body></html>", 500);
  const Ejecucion html = Ejecutar("jornada --jornada 1 --temporada 2024/2025", servidor.Base());
  EXPECT_EQ(html.estado, 1);
  EXPECT_EQ(html.salida, "");
  EXPECT_EQ(html.errores,
            "ERROR AL ABRIR EL FICHERO DE JORNADA (14)\n"
            "PUEDE QUE EL FICHERO NO ESTE DISPONIBLE, CONSULTE EN https://www.boletia.es/quinigol\n");

  for (const char* argumentos : {"jornada --jornada 100 --temporada 2024/2025", "jornada --jornada 1",
                                 "jornada --jornada 1 --temporada 2024-2025", "jornada --tipo lae",
                                 "porcentajes --jornada 1 --temporada 2024/2025", "jornada --jornada"}) {
    const Ejecucion e = Ejecutar(argumentos, servidor.Base());
    EXPECT_EQ(e.estado, 2) << argumentos;
    EXPECT_EQ(e.salida, "") << argumentos;
    EXPECT_TRUE(e.errores.starts_with("tanteo-cli: ")) << argumentos << ": " << e.errores;
  }
  EXPECT_EQ(servidor.Peticiones().size(), 1u);
}

}  // namespace
}  // namespace tanteo
