#include "formats/importar_apuestas.h"

#include <gtest/gtest.h>

#include "ayudas_ficheros.h"
#include "fakes/carpeta_temporal.h"
#include "fakes/interaccion_guionizada.h"
#include "fakes/progreso_registrado.h"
#include "formats/ficheros_apuestas.h"

namespace tanteo {
namespace {

using pruebas::Compactas;
using pruebas::InteraccionGuionizada;
using Lista = std::vector<std::string>;

class Importacion : public ::testing::Test {
 protected:
  FicheroImportado Importar(const std::string& nombre, const std::string& bytes) {
    const auto ruta = dir / nombre;
    pruebas::EscribirBytes(ruta, bytes);
    ui.ElegirFichero(ruta.string());
    return ImportarFicheroApuestas(c, ui, progreso);
  }

  pruebas::CarpetaTemporal dir;
  Combinacion c;
  InteraccionGuionizada ui;
  pruebas::ProgresoRegistrado progreso;
};

TEST_F(Importacion, LasApuestasDelFicheroSonLasFinalesYLaBase) {
  c.cambiadaDesdeGeneracion = true;
  c.AlternarResultado(3, 16);  // cleared by the import: 0-0 is the only result of match 3 in the file
  const Lista apuestas = {"000102M0MM11", "100000000000", "000102M0MM11"};
  const FicheroImportado f = Importar("semana.txt", "000102M0MM11\r\n100000000000\r\n000102M0MM11\r\n");

  ASSERT_EQ(ui.dialogos.size(), 1u);
  EXPECT_EQ(ui.dialogos[0].titulo, "Abrir Fichero");
  EXPECT_EQ(ui.dialogos[0].filtro, kFiltroAbrirApuestas);
  EXPECT_EQ(ui.dialogos[0].filtroInicial, 2);
  EXPECT_TRUE(ui.mensajes.empty());
  EXPECT_TRUE(f.importado);
  EXPECT_EQ(f.nombre, "semana.txt");
  EXPECT_EQ(f.ruta, (dir / "semana.txt").string());

  const AlmacenApuestas& a = c.apuestas;
  EXPECT_EQ(a.TotalImportadas, 3);
  EXPECT_EQ(a.TotalApuestas, 0);
  EXPECT_EQ(Compactas(a.ApuestasImportadas, 3), apuestas);
  EXPECT_EQ(Compactas(a.ApuestasFinales, 3), apuestas);
  EXPECT_EQ(Compactas(a.ApuestasCondicionadas, 3), apuestas);
  EXPECT_EQ(a.FrecuenciaResultados[1][1], 2);  // 0-0 in match 1
  EXPECT_EQ(a.FrecuenciaResultados[5][1], 1);  // 1-0 in match 1
  EXPECT_EQ(a.FrecuenciaResultados[3][3], 2);
  EXPECT_EQ(a.FrecuenciaResultados[1][3], 1);
  for (int r = 1; r <= kResultados; ++r) {
    EXPECT_EQ(c.base.ResultadoSeleccionado(1, r), r == 1 || r == 5) << r;
    EXPECT_EQ(c.base.ResultadoSeleccionado(3, r), r == 1 || r == 3) << r;
  }
  EXPECT_EQ(c.contadores.lblApuIniciales, "3");
  EXPECT_EQ(c.contadores.lblApuCondicionadas, "3");
  EXPECT_EQ(c.contadores.lblApuestasReduccion, "3");
  EXPECT_FALSE(c.cambiadaDesdeGeneracion);
}

// Records the first counter each time the interface gets its turn.
class ProgresoContador : public pruebas::ProgresoRegistrado {
 public:
  explicit ProgresoContador(const Contadores& contadores) : contadores_(contadores) {}
  void Ceder() override {
    ProgresoRegistrado::Ceder();
    vistos.push_back(contadores_.lblApuIniciales);
  }
  std::vector<std::string> vistos;

 private:
  const Contadores& contadores_;
};

TEST_F(Importacion, CadaCincoMilApuestasMuestraLaCuentaYCede) {
  std::string contenido;
  for (int i = 0; i < 12'000; ++i) contenido += "111111111111\r\n";
  pruebas::EscribirBytes(dir / "a.txt", contenido);
  ui.ElegirFichero((dir / "a.txt").string());
  ProgresoContador visto(c.contadores);
  ASSERT_TRUE(ImportarFicheroApuestas(c, ui, visto).importado);
  EXPECT_EQ(visto.vistos, (Lista{"5.000", "10.000"}));
  EXPECT_EQ(c.contadores.lblApuIniciales, "12.000");
}

TEST_F(Importacion, SinFicheroNoCambiaNada) {
  c.AlternarResultado(1, 1);
  ui.CancelarDialogo();
  const FicheroImportado f = ImportarFicheroApuestas(c, ui, progreso);
  EXPECT_FALSE(f.elegido);
  EXPECT_TRUE(c.base.ResultadoSeleccionado(1, 1));
  EXPECT_EQ(c.contadores.lblApuIniciales, "0");
  EXPECT_TRUE(c.cambiadaDesdeGeneracion);
  EXPECT_TRUE(ui.mensajes.empty());
}

TEST_F(Importacion, AvisosDeCaracteresYDeCeroApuestas) {
  Importar("a.txt", "0-0 0-1\r\nXX0000000000\r\n");
  EXPECT_EQ(ui.Textos(), Lista{std::string(kAvisoCaracteresDesconocidos)});
  EXPECT_EQ(c.apuestas.TotalImportadas, 1);

  ui.mensajes.clear();
  const FicheroImportado f = Importar("b.txt", "0001\r\n");
  EXPECT_TRUE(f.importado);
  EXPECT_EQ(ui.Textos(), Lista{std::string(kAvisoCeroApuestas)});
  EXPECT_EQ(c.apuestas.TotalImportadas, 0);
  EXPECT_EQ(c.contadores.lblApuestasReduccion, "0");
}

TEST_F(Importacion, UnFicheroRotoNoImportaNada) {
  Importar("bien.txt", "111111111111\r\n");
  ASSERT_EQ(c.apuestas.TotalImportadas, 1);
  c.cambiadaDesdeGeneracion = true;

  const FicheroImportado f = Importar("roto.TTO", pruebas::FicheroTTO({"x", "tres"}));
  EXPECT_TRUE(f.elegido);
  EXPECT_FALSE(f.importado);
  EXPECT_EQ(f.nombre, "roto.TTO");
  ASSERT_EQ(ui.mensajes.size(), 1u);
  EXPECT_EQ(ui.mensajes[0].icono, Icono::Error);
  EXPECT_EQ(ui.mensajes[0].texto, ErrorImportarFichero("El número de apuestas del fichero no es válido"));
  EXPECT_EQ(c.apuestas.TotalImportadas, 0);
  EXPECT_TRUE(c.apuestas.ApuestasImportadas.Vacia());
  EXPECT_EQ(c.apuestas.FrecuenciaResultados, TablaFrecuencias{});
  EXPECT_EQ(c.contadores.lblApuIniciales, "0");
  EXPECT_EQ(c.contadores.lblApuestasReduccion, "0");
  EXPECT_TRUE(c.cambiadaDesdeGeneracion);
}

}  // namespace
}  // namespace tanteo
