#include "matchday/fichero_partidos.h"

#include <gtest/gtest.h>

#include <fstream>

#include "fakes/carpeta_temporal.h"
#include "fakes/interaccion_guionizada.h"

namespace tanteo {
namespace {

using pruebas::InteraccionGuionizada;

class FicheroPartidos : public ::testing::Test {
 protected:
  std::string Escribir(const std::string& bytes) {
    const auto ruta = carpeta / "jornada.txt";
    std::ofstream(ruta, std::ios::binary) << bytes;
    return ruta.string();
  }

  pruebas::CarpetaTemporal carpeta;
  InteraccionGuionizada interaccion;
  NombresEquipos nombres;
};

TEST_F(FicheroPartidos, DoceLineasRecortadasA16Caracteres) {
  interaccion.ElegirFichero(Escribir(
      "ABCDEFGHIJKLMNOPQRST\r\n   \r\n  Real Betis  \r\nM\xE1laga\r\nLegan\xE9s\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n"
      "  12345678901234567  \r\ntrece\r\n"));
  EXPECT_TRUE(CargarFicheroPartidos(nombres, interaccion));
  EXPECT_TRUE(interaccion.mensajes.empty());
  ASSERT_EQ(interaccion.dialogos.size(), 1u);
  EXPECT_EQ(interaccion.dialogos[0].titulo, "Cargar partidos");
  EXPECT_EQ(interaccion.dialogos[0].filtro,
            "Fichero de partidos (*.TXT)|*.TXT|Fichero de partidos (*.ASC)|*.ASC|Todos los archivos (*.*)|*.*|");
  EXPECT_EQ(interaccion.dialogos[0].nombreInicial, "");
  EXPECT_EQ(nombres.nombre[1], "ABCDEFGHIJKLMNOP");
  EXPECT_EQ(nombres.nombre[2], "");
  EXPECT_EQ(nombres.nombre[3], "Real Betis");
  EXPECT_EQ(nombres.nombre[4], "Málaga");  // the file is not UTF-8: Windows-1252
  EXPECT_EQ(nombres.nombre[5], "Leganés");
  EXPECT_EQ(nombres.nombre[12], "1234567890123456");
}

TEST_F(FicheroPartidos, EnUtf8SeCuentanCaracteresNoBytes) {
  std::string texto = "\xEF\xBB\xBF" "Atlético de Málaga Club\n";
  for (int t = 2; t <= 12; ++t) texto += "Córdoba\n";
  interaccion.ElegirFichero(Escribir(texto));
  EXPECT_TRUE(CargarFicheroPartidos(nombres, interaccion));
  EXPECT_EQ(nombres.nombre[1], "Atlético de Mála");
  EXPECT_EQ(nombres.nombre[12], "Córdoba");
}

TEST_F(FicheroPartidos, MenosDeDoceLineasOFicheroIlegible) {
  for (int e = 1; e <= kEquipos; ++e) nombres.nombre[e] = "Antes";
  std::string once;
  for (int t = 1; t <= 11; ++t) once += "Equipo " + std::to_string(t) + "\n";
  EXPECT_FALSE(LeerFicheroPartidos(Escribir(once), nombres, interaccion));
  EXPECT_EQ(nombres.nombre[11], "Equipo 11");
  EXPECT_EQ(nombres.nombre[12], "Antes");

  EXPECT_FALSE(LeerFicheroPartidos(carpeta / "no-existe.txt", nombres, interaccion));
  EXPECT_FALSE(LeerFicheroPartidos(carpeta.Ruta(), nombres, interaccion));  // a folder
  EXPECT_EQ(interaccion.Textos(), std::vector<std::string>(3, "ERROR AL CARGAR LOS PARTIDOS"));
  EXPECT_EQ(interaccion.mensajes[0].icono, Icono::Error);
  EXPECT_EQ(nombres.nombre[1], "Equipo 1");
}

TEST_F(FicheroPartidos, CancelarNoCambiaNada) {
  nombres.nombre[1] = "Sevilla";
  interaccion.CancelarDialogo();
  EXPECT_FALSE(CargarFicheroPartidos(nombres, interaccion));
  EXPECT_EQ(nombres.nombre[1], "Sevilla");
  EXPECT_TRUE(interaccion.mensajes.empty());
}

}  // namespace
}  // namespace tanteo
