#include "engine/configuracion.h"

#include <gtest/gtest.h>

#include <fstream>

#include "fakes/carpeta_temporal.h"

namespace tanteo {
namespace {

using pruebas::CarpetaTemporal;

void Escribir(const std::filesystem::path& fichero, const std::string& bytes) {
  std::ofstream(fichero, std::ios::binary) << bytes;
}

TEST(Configuracion, TextoConDosLineasCRLF) {
  EXPECT_EQ(TextoConfiguracion("12", "2023/2024"), "JORNADA=12\r\nTEMPORADA=2023/2024\r\n");
}

TEST(Configuracion, LeeLasDosLineasPartidasEnElPrimerIgual) {
  CarpetaTemporal carpeta;
  const auto fichero = carpeta / "TANTEO_CONFIG.txt";
  EXPECT_FALSE(LeerConfiguracion(fichero).existe);

  for (const std::string contenido : {"jornada=07\r\nTEMPORADA=2023/2024\r\n", "jornada=07\rTEMPORADA=2023/2024",
                                      "jornada=07\nTEMPORADA=2023/2024\n"}) {
    Escribir(fichero, contenido);
    const auto l = LeerConfiguracion(fichero);
    EXPECT_TRUE(l.existe && l.legible) << contenido;
    EXPECT_EQ(l.primera.clave, "jornada");
    EXPECT_EQ(l.primera.valor, "07");
    EXPECT_EQ(l.segunda.clave, "TEMPORADA");
    EXPECT_EQ(l.segunda.valor, "2023/2024");
  }
  Escribir(fichero, "A=b=c\r\nB=\r\n");
  const auto l = LeerConfiguracion(fichero);
  EXPECT_EQ(l.primera.valor, "b=c");
  EXPECT_EQ(l.segunda.valor, "");
}

TEST(Configuracion, IlegibleSiFaltaUnaLineaOUnIgual) {
  CarpetaTemporal carpeta;
  const auto fichero = carpeta / "TANTEO_CONFIG.txt";
  for (const std::string contenido : {"", "JORNADA=7\r\n", "JORNADA=7\r\nTEMPORADA 2023/2024\r\n", "JORNADA7\r\nX=1"}) {
    Escribir(fichero, contenido);
    const auto l = LeerConfiguracion(fichero);
    EXPECT_TRUE(l.existe);
    EXPECT_FALSE(l.legible) << contenido;
  }
}

TEST(Configuracion, JornadaComoEnteroDe16Bits) {
  const std::pair<const char*, std::optional<std::string>> casos[] = {
      {"07", "7"}, {"12", "12"}, {" 3 ", "3"}, {"7,5", "8"}, {"6,5", "6"}, {"-2", "-2"},
      {"32767", "32767"}, {"32768", std::nullopt}, {"1e9", std::nullopt}, {"abc", std::nullopt}, {"", std::nullopt},
  };
  for (const auto& [valor, esperado] : casos) EXPECT_EQ(JornadaDeConfiguracion(valor), esperado) << valor;
}

}  // namespace
}  // namespace tanteo
