#include "formats/fichero_txt.h"

#include <gtest/gtest.h>

#include "ayudas_ficheros.h"
#include "fakes/carpeta_temporal.h"

namespace tanteo {
namespace {

using pruebas::Compactas;
using Lista = std::vector<std::string>;

TEST(FicheroTXT, LineasSeparadoresYCodigos) {
  struct Caso {
    const char* nombre;
    std::string contenido;
    Lista apuestas;
    bool desconocidos;
  };
  const std::vector<Caso> casos = {
      {"compacta", "000102M0MM11\r\n", {"000102M0MM11"}, false},
      {"sin fin de línea al final", "000102M0MM11\r\n111111111111", {"000102M0MM11", "111111111111"}, false},
      {"con comas, luego compacta", "00,01,02,M0,MM,11\r\n000102M0MM11\r\n", {"000102M0MM11", "000102M0MM11"}, false},
      {"compacta, luego con guiones", "000102M0MM11\r\n00-01-02-M0-MM-11\r\n", {"000102M0MM11", "000000020000"}, true},
      {"espacios y guiones", "0-0 0-1 0-2 M-0 M-M 1-1\r\n", {"000102M0MM11"}, false},
      {"CR solo termina la línea", "000102M0MM11\r111111111111\r", {"000102M0MM11", "111111111111"}, false},
      {"LF solo no termina la línea", "000102M0MM11\n111111111111\r\n", {"000102M0MM11"}, false},
      {"línea de once caracteres", "00010200MM1\r\n111111111111\r\n\r\n", {"111111111111"}, false},
      {"minúsculas y sobrantes", "mmMm0m000000resto\r\n", {"MMMM0M000000"}, false},
      {"pares desconocidos", "3-1 0-0 0-0 0-0 0-0 0-0\r\nxx1111111111\r\n", {"000000000000", "001111111111"}, true},
      {"vacío", "", {}, false},
      {"solo líneas cortas", "0001\r\n\r\nabc\r\n", {}, false},
  };
  pruebas::CarpetaTemporal dir;
  for (const Caso& c : casos) {
    const auto ruta = dir / "apuestas.txt";
    pruebas::EscribirBytes(ruta, c.contenido);
    TablaApuestas t;
    const ResultadoLectura r = LeerFicheroTXT(ruta, t);
    ASSERT_TRUE(r.ok) << c.nombre << ": " << r.descripcion;
    EXPECT_EQ(Compactas(t, r.apuestas), c.apuestas) << c.nombre;
    EXPECT_EQ(r.caracteresDesconocidos, c.desconocidos) << c.nombre;
    EXPECT_FALSE(r.limiteSuperado);
  }
}

TEST(FicheroTXT, CreceMasAllaDeLaPrimeraEstimacionYAvisaDelAvance) {
  // Lines ended by a lone CR take 13 bytes, fewer than the estimate counts on.
  pruebas::CarpetaTemporal dir;
  const auto ruta = dir / "largo.txt";
  std::string contenido;
  Lista esperadas;
  for (int i = 0; i < 20'000; ++i) {
    esperadas.push_back(ApuestaCompacta(ApuestaDeNumero(i * 769)));
    contenido += esperadas.back() + "\r";
  }
  pruebas::EscribirBytes(ruta, contenido);
  std::vector<std::int32_t> avisos;
  TablaApuestas t;
  const ResultadoLectura r = LeerFicheroTXT(ruta, t, {7000, [&](std::int32_t n) { avisos.push_back(n); }});
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(Compactas(t, r.apuestas), esperadas);
  EXPECT_EQ(avisos, (std::vector<std::int32_t>{7000, 14'000}));
}

TEST(FicheroTXT, FicheroIlegibleFalla) {
  pruebas::CarpetaTemporal dir;
  for (const auto& ruta : {dir / "no-existe.txt", dir.Ruta()}) {
    TablaApuestas t = pruebas::TablaDe({"111111111111"});
    const ResultadoLectura r = LeerFicheroTXT(ruta, t);
    EXPECT_FALSE(r.ok) << ruta;
    EXPECT_FALSE(r.descripcion.empty()) << ruta;
    EXPECT_TRUE(t.Vacia());
  }
}

}  // namespace
}  // namespace tanteo
