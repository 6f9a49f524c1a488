#include "conditions/porcentajes_fichero.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "fakes/carpeta_temporal.h"
#include "fakes/interaccion_guionizada.h"

namespace tanteo {
namespace {

using pruebas::InteraccionGuionizada;
using Fila = std::array<std::string, kSignos>;

std::string LeerBytes(const std::filesystem::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

void Escribir(const std::filesystem::path& ruta, const std::string& bytes) { std::ofstream(ruta, std::ios::binary) << bytes; }

// Twelve lines: `primeras` first, then 10 20 30 40 up to twelve lines, each ended by CR LF.
std::string Fichero(const std::vector<std::string>& primeras, int lineas = kEquipos) {
  std::string texto;
  for (int t = 0; t < lineas; ++t) texto += (t < static_cast<int>(primeras.size()) ? primeras[t] : "10 20 30 40") + "\r\n";
  return texto;
}

Fila FilaDe(const BloquePorcentajes& b, int t) { return b.texto[t]; }

class FicheroPorcentajes : public ::testing::Test {
 protected:
  bool Cargar(const std::string& contenido) {
    const auto ruta = dir / "porcentajes.txt";
    Escribir(ruta, contenido);
    return LeerFicheroPorcentajes(ruta, bloque, ui);
  }
  pruebas::CarpetaTemporal dir;
  BloquePorcentajes bloque;
  InteraccionGuionizada ui;
};

TEST_F(FicheroPorcentajes, SeparadoresYAjustesDeCadaLinea) {
  struct Caso {
    const char* linea;
    Fila fila;
    bool modificada;
  };
  const std::vector<Caso> casos = {
      {"25;25;25;25", {"25", "25", "25", "25"}, false},
      {"25-25-25-25", {"25", "25", "25", "25"}, false},
      {"   25  25   25 25   ", {"25", "25", "25", "25"}, false},
      {"40 35,5 20 4,5 sobra", {"40", "35,5", "20", "4,5"}, false},
      {"60 50 10 0", {"60", "0", "0", "0"}, true},
      {"30 30 50 0", {"30", "30", "0", "0"}, true},
      {"30 30 30 30", {"30", "30", "30", "0"}, true},
      {"50,5 49,5 0,4 0", {"50,5", "49,5", "0,4", "0"}, false},
      {"150 0 0 0", {"100", "0", "0", "0"}, false},
      {"50,5 50 0 0", {"50,5", "50", "0", "0"}, false},  // 100,5 rounds to 100 (halves to even)
      {"50,5 51 0 0", {"50,5", "0", "0", "0"}, true},    // 101,5 rounds to 102
  };
  for (const Caso& c : casos) {
    ui.mensajes.clear();
    ASSERT_TRUE(Cargar(Fichero({"1 2 3 4", c.linea}))) << c.linea;
    EXPECT_EQ(FilaDe(bloque, 1), (Fila{"1", "2", "3", "4"}));
    EXPECT_EQ(FilaDe(bloque, 2), c.fila) << c.linea;
    EXPECT_EQ(FilaDe(bloque, 12), (Fila{"10", "20", "30", "40"}));
    if (c.modificada) {
      EXPECT_EQ(ui.Textos(), std::vector<std::string>{std::string(kAvisoPorcentajesModificados) + "2 "}) << c.linea;
      EXPECT_EQ(ui.mensajes[0].icono, Icono::Aviso);
    } else {
      EXPECT_TRUE(ui.mensajes.empty()) << c.linea;
    }
  }
}

TEST_F(FicheroPorcentajes, ElAvisoNombraTodosLosEquiposModificadosConFinesDeLineaLF) {
  std::string texto;
  for (int t = 1; t <= kEquipos; ++t) texto += (t == 1 || t == 3 || t == 12 ? "60 50 10 0" : "1 2 3 4") + std::string("\n");
  ASSERT_TRUE(Cargar(texto));
  EXPECT_EQ(FilaDe(bloque, 3), (Fila{"60", "0", "0", "0"}));
  EXPECT_EQ(ui.Textos(), std::vector<std::string>{
                             "AVISO : La suma de los 4 valores de algún partido es mayor de 100 y ha sido cambiada a 0.\r\n"
                             "Número Partido Modificado: 1 3 12 "});
}

TEST_F(FicheroPorcentajes, UnFalloDejaLoLeidoYElRestoComoEstaba) {
  const std::string error(kErrorCargarPorcentajes);
  struct Caso {
    const char* nombre;
    std::string contenido;
    int equiposLeidos;
  };
  const std::vector<Caso> casos = {
      {"tres números", Fichero({"1 2 3 4", "1 2 3 4", "5 6 7"}), 2},
      {"once líneas", Fichero({}, 11), 11},
      {"no es un número", Fichero({"1 2 3 4", "1 2 tres 4"}), 1},
      {"línea vacía", Fichero({"1 2 3 4", ""}), 1},
      {"vacío", "", 0},
  };
  for (const Caso& c : casos) {
    bloque = BloquePorcentajes{};
    bloque(12, 0) = "7";
    ui.mensajes.clear();
    EXPECT_FALSE(Cargar(c.contenido)) << c.nombre;
    EXPECT_EQ(ui.Textos(), std::vector<std::string>{error}) << c.nombre;
    EXPECT_EQ(ui.mensajes[0].icono, Icono::Error);
    for (int t = 1; t <= kEquipos; ++t) {
      if (t <= c.equiposLeidos) {
        EXPECT_NE(bloque(t, 3), "0") << c.nombre << " equipo " << t;
      } else {
        EXPECT_EQ(FilaDe(bloque, t), (Fila{t == 12 ? "7" : "0", "0", "0", "0"})) << c.nombre << " equipo " << t;
      }
    }
  }
  ui.mensajes.clear();
  EXPECT_FALSE(LeerFicheroPorcentajes(dir / "no-existe.txt", bloque, ui));
  EXPECT_EQ(ui.Textos(), std::vector<std::string>{error});
}

TEST_F(FicheroPorcentajes, GuardarYLeerDanLasMismasCajas) {
  for (int t = 1; t <= kEquipos; ++t) bloque.texto[t] = {std::to_string(t), "35,5", "20", "4,25"};
  bloque(1, 0) = "40";
  ui.ElegirFichero((dir / "semana.TXT").string());
  ASSERT_TRUE(GuardarPorcentajes(bloque, ui));
  ASSERT_EQ(ui.dialogos.size(), 1u);
  EXPECT_EQ(ui.dialogos[0].titulo, "Guardar Porcentajes");
  EXPECT_EQ(ui.dialogos[0].filtro, kFiltroPorcentajes);

  const std::string bytes = LeerBytes(dir / "semana.txt");
  EXPECT_TRUE(bytes.starts_with("40 35,5 20 4,25\r\n2 35,5 20 4,25\r\n")) << bytes;
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), kEquipos);

  BloquePorcentajes leido;
  ui.ElegirFichero((dir / "semana.txt").string());
  ASSERT_TRUE(CargarPorcentajes(leido, ui));
  EXPECT_EQ(ui.dialogos[1].titulo, "Cargar Porcentajes");
  EXPECT_EQ(leido, bloque);
  EXPECT_TRUE(ui.mensajes.empty());
}

TEST_F(FicheroPorcentajes, LasCajasSeEscribenTalCualEnWindows1252) {
  bloque(3, 2) = "ñ 1.5";
  EXPECT_EQ(TextoFicheroPorcentajes(bloque).substr(2 * 9, 13), "0 0 \xF1 1.5 0\r\n");
}

TEST_F(FicheroPorcentajes, NombreDelFichero) {
  for (const auto& [elegido, nombre] : std::vector<std::pair<std::string, std::string>>{
           {"/p/semana.TXT", "/p/semana.txt"},
           {"/p/semana", "/p/semana.txt"},
           {"/p/semana.porcentajes", "/p/semana.porcentajes.txt"},
           {"/p/a.b", "/p/a.txt"},
           {"/p.d/semana", "/p.d/semana.txt"},
           {"/p/x.d/ab", "/p/x.d/ab.txt"},
       }) {
    EXPECT_EQ(NombreFicheroPorcentajes(elegido), nombre) << elegido;
  }
}

TEST_F(FicheroPorcentajes, CanceladoOFallidoNoCambiaNada) {
  ui.CancelarDialogo();
  EXPECT_FALSE(CargarPorcentajes(bloque, ui));
  ui.CancelarDialogo();
  EXPECT_FALSE(GuardarPorcentajes(bloque, ui));
  EXPECT_EQ(bloque, BloquePorcentajes{});

  ui.ElegirFichero((dir / "no-existe" / "semana").string());
  EXPECT_FALSE(GuardarPorcentajes(bloque, ui));
  ASSERT_EQ(ui.mensajes.size(), 1u);
  EXPECT_TRUE(ui.mensajes[0].texto.starts_with("ERROR AL GUARDAR LOS PORCENTAJES (")) << ui.mensajes[0].texto;
  EXPECT_TRUE(ui.mensajes[0].texto.ends_with(")"));

  if (::geteuid() != 0) {  // root writes anywhere
    Escribir(dir / "semana.txt", "anterior");
    std::filesystem::permissions(dir.Ruta(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    ui.ElegirFichero((dir / "semana").string());
    EXPECT_FALSE(GuardarPorcentajes(bloque, ui));
    std::filesystem::permissions(dir.Ruta(), std::filesystem::perms::owner_all);
    EXPECT_EQ(LeerBytes(dir / "semana.txt"), "anterior");
  }
}

}  // namespace
}  // namespace tanteo
