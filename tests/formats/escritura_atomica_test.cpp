#include "formats/escritura_atomica.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "fakes/carpeta_temporal.h"

namespace tanteo {
namespace {

std::string Leer(const std::filesystem::path& p) {
  std::ifstream f(p, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

std::size_t Ficheros(const std::filesystem::path& carpeta) {
  std::size_t n = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(carpeta)) ++n;
  return n;
}

TEST(EscrituraAtomica, CreaYReemplazaSinDejarTemporales) {
  pruebas::CarpetaTemporal dir;
  const auto destino = dir / "apuestas.tto";
  ASSERT_TRUE(EscribirFicheroAtomicamente(destino, "uno").ok);
  EXPECT_EQ(Leer(destino), "uno");
  const std::string grande(3 << 20, 'x');  // larger than the buffer
  ASSERT_TRUE(EscribirFicheroAtomicamente(destino, grande).ok);
  EXPECT_EQ(Leer(destino), grande);
  EXPECT_EQ(Ficheros(dir.Ruta()), 1u);
}

TEST(EscrituraAtomica, UnFalloDejaElFicheroAnteriorIntacto) {
  pruebas::CarpetaTemporal dir;
  const auto destino = dir / "informe.txt";
  ASSERT_TRUE(EscribirFicheroAtomicamente(destino, "anterior").ok);

  const auto cancelado = EscribirAtomicamente(destino, [](SalidaFichero& s) {
    s.Escribir("a medias");
    return false;
  });
  EXPECT_FALSE(cancelado.ok);

  const auto excepcion = EscribirAtomicamente(destino, [](SalidaFichero& s) -> bool {
    s.Escribir("a medias");
    throw std::runtime_error("memoria agotada");
  });
  EXPECT_FALSE(excepcion.ok);
  EXPECT_EQ(excepcion.descripcion, "memoria agotada");

  EXPECT_EQ(Leer(destino), "anterior");
  EXPECT_EQ(Ficheros(dir.Ruta()), 1u);
}

TEST(EscrituraAtomica, CarpetaInexistenteONoEscribibleSeInforma) {
  pruebas::CarpetaTemporal dir;
  const auto r = EscribirFicheroAtomicamente(dir / "no-existe" / "a.txt", "x");
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.descripcion, "No existe el fichero o la carpeta");

  if (::geteuid() != 0) {  // root writes anywhere
    const auto destino = dir / "a.txt";
    ASSERT_TRUE(EscribirFicheroAtomicamente(destino, "anterior").ok);
    ::chmod(dir.Ruta().c_str(), 0555);
    EXPECT_FALSE(EscribirFicheroAtomicamente(destino, "nuevo").ok);
    ::chmod(dir.Ruta().c_str(), 0755);
    EXPECT_EQ(Leer(destino), "anterior");
  }
}

}  // namespace
}  // namespace tanteo
