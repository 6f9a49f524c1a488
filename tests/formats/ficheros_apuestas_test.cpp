#include "formats/ficheros_apuestas.h"
#include "formats/nombres_fichero.h"

#include <gtest/gtest.h>

#include "ayudas_ficheros.h"
#include "fakes/carpeta_temporal.h"
#include "fakes/interaccion_guionizada.h"
#include "formats/fichero_tto.h"

namespace tanteo {
namespace {

TEST(FicherosApuestas, ExtensionesYNombres) {
  for (const char* tto : {"bets.tto", "/a/b/bets.TTO", "x.TtO", "a.txt.tto"}) EXPECT_TRUE(EsFicheroTTO(tto)) << tto;
  for (const char* txt : {"bets.dat", "bets.txt", "bets", "dir.tto/bets", "bets.ttox", "bets.tto.txt"}) {
    EXPECT_FALSE(EsFicheroTTO(txt)) << txt;
  }
  EXPECT_EQ(CambiarExtension("/x/semana.dat", ".TTO"), "/x/semana.TTO");
  EXPECT_EQ(CambiarExtension("/x/semana", ".TTO"), "/x/semana.TTO");
  EXPECT_EQ(CambiarExtension("/x.d/semana", ".TTO"), "/x.d/semana.TTO");
  EXPECT_EQ(CambiarExtension("a.b.c", ".xml"), "a.b.xml");
  EXPECT_EQ(CambiarExtension("Sin guardar.xml", ".TTO"), "Sin guardar.TTO");
  EXPECT_EQ(NombreSinCarpeta("/home/p/semana.tto"), "semana.tto");
  EXPECT_EQ(NombreSinCarpeta("semana.tto"), "semana.tto");
}

TEST(FicherosApuestas, ElLectorSeEligePorLaExtension) {
  pruebas::CarpetaTemporal dir;
  const TablaApuestas t = pruebas::TablaDe({"000102M0MM11"});
  ASSERT_TRUE(EscribirFicheroTTO(dir / "a.tto", "x", t, 1, nullptr).ok);
  TablaApuestas leidas;
  const ResultadoLectura tto = LeerFicheroApuestas(dir / "a.tto", leidas);
  ASSERT_TRUE(tto.ok);
  EXPECT_EQ(pruebas::Compactas(leidas, tto.apuestas), std::vector<std::string>{"000102M0MM11"});
  // Text named .TTO is read as TTO (and fails); the same text named .dat is read as text.
  pruebas::EscribirBytes(dir / "b.TTO", "000102M0MM11\r\n");
  std::filesystem::copy_file(dir / "b.TTO", dir / "b.dat");
  EXPECT_FALSE(LeerFicheroApuestas(dir / "b.TTO", leidas).ok);
  const ResultadoLectura txt = LeerFicheroApuestas(dir / "b.dat", leidas);
  ASSERT_TRUE(txt.ok);
  EXPECT_EQ(pruebas::Compactas(leidas, txt.apuestas), std::vector<std::string>{"000102M0MM11"});
}

TEST(FicherosApuestas, InformarLecturaMuestraLosAvisosEnOrden) {
  struct Caso {
    ResultadoLectura lectura;
    std::vector<std::string> textos;
  };
  const std::string limite(kAvisoLimiteApuestas), desconocidos(kAvisoCaracteresDesconocidos), cero(kAvisoCeroApuestas);
  const std::vector<Caso> casos = {
      {{true, "", 3, false, false}, {}},
      {{true, "", 0, false, false}, {cero}},
      {{true, "", 0, false, true}, {desconocidos}},
      {{true, "", 16'777'216, true, true}, {limite, desconocidos}},
      {{false, "roto", 0, true, false}, {limite, "ERROR AL IMPORTAR EL FICHERO, FICHERO NO IMPORTADO (roto)"}},
  };
  for (const Caso& c : casos) {
    pruebas::InteraccionGuionizada ui;
    EXPECT_EQ(InformarLectura(c.lectura, ui), c.lectura.ok);
    EXPECT_EQ(ui.Textos(), c.textos);
    for (const auto& m : ui.mensajes) EXPECT_EQ(m.icono, m.texto.starts_with("ERROR") ? Icono::Error : Icono::Aviso);
  }
}

}  // namespace
}  // namespace tanteo
