#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "fakes/carpeta_temporal.h"
#include "formats/encriptar_texto.h"

namespace tanteo {
namespace {

struct Salida {
  int estado = -1;
  std::string salida;
  std::string errores;
};

std::string Leer(const std::filesystem::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

class OrdenesCli : public ::testing::Test {
 protected:
  // Runs tanteo-cli with the arguments (single-quoted) in the test's folder.
  Salida Ejecutar(const std::vector<std::string>& argumentos) {
    std::string orden = "cd '" + dir.Ruta().string() + "' && '" TANTEO_CLI "'";
    for (const auto& a : argumentos) orden += " '" + a + "'";
    orden += " >salida.txt 2>errores.txt";
    const int estado = std::system(orden.c_str());
    return {WIFEXITED(estado) ? WEXITSTATUS(estado) : -1, Leer(dir / "salida.txt"), Leer(dir / "errores.txt")};
  }
  void Escribir(const std::string& nombre, const std::string& bytes) { std::ofstream(dir / nombre, std::ios::binary) << bytes; }

  pruebas::CarpetaTemporal dir;
};

TEST_F(OrdenesCli, ListarUnTXTConAvisos) {
  Escribir("semana.txt", "00,01,02,M0,MM,11\r\n000102M0MM11\r\nxx01000000mm\r\ncorta\r\n");
  const Salida s = Ejecutar({"listar", "semana.txt"});
  EXPECT_EQ(s.estado, 0);
  EXPECT_EQ(s.salida, "000102M0MM11\n000102M0MM11\n0001000000MM\n");
  EXPECT_EQ(s.errores,
            "AVISO : Se han detectado caracteres distintos de 0, 1, 2, M al importar algunas apuestas, \n"
            "dichos caracteres han sido sustituidos por el caracter 0.\n");
}

TEST_F(OrdenesCli, ConvertirYListarElTTO) {
  Escribir("semana.txt", "1000000000MM\r\n000000000011\r\n1000000000MM\r\n");
  Salida s = Ejecutar({"convertir", "semana.txt", "semana.tto"});
  ASSERT_EQ(s.estado, 0) << s.errores;
  EXPECT_EQ(s.salida, "");
  // Header: the system type of the results in the file (two results in matches 1 and 6).
  const std::string bytes = Leer(dir / "semana.tto");
  const std::string cabecera = EncriptarTexto("2-1-1-1-1-2", kClaveTTO);
  EXPECT_EQ(bytes.substr(0, 2 + cabecera.size()), (std::string{static_cast<char>(cabecera.size()), '\0'} + cabecera));

  s = Ejecutar({"listar", "semana.tto"});
  EXPECT_EQ(s.estado, 0);
  EXPECT_EQ(s.salida, "1000000000MM\n000000000011\n1000000000MM\n");
  EXPECT_EQ(s.errores, "");

  s = Ejecutar({"convertir", "--cabecera", "algebra", "semana.tto", "copia.TTO"});
  ASSERT_EQ(s.estado, 0) << s.errores;
  EXPECT_TRUE(Leer(dir / "copia.TTO").starts_with(std::string("\x07\x00", 2) + EncriptarTexto("algebra", kClaveTTO)));
  EXPECT_EQ(Ejecutar({"listar", "copia.TTO"}).salida, "1000000000MM\n000000000011\n1000000000MM\n");
}

TEST_F(OrdenesCli, ErroresYUso) {
  Escribir("rota.tto", std::string("\x01\x00x\x02\x00", 5));
  Escribir("vacia.txt", "corta\r\n");
  Escribir("anterior.tto", "anterior");
  struct Caso {
    std::vector<std::string> argumentos;
    int estado;
    std::string errores;
  };
  const std::vector<Caso> casos = {
      {{"listar", "rota.tto"}, 1, "ERROR AL IMPORTAR EL FICHERO, FICHERO NO IMPORTADO (El fichero termina antes de lo esperado)\n"},
      {{"listar", "vacia.txt"}, 0, "AVISO : Se han importado 0 apuestas.\n"},
      {{"convertir", "rota.tto", "anterior.tto"}, 1,
       "ERROR AL IMPORTAR EL FICHERO, FICHERO NO IMPORTADO (El fichero termina antes de lo esperado)\n"},
      {{"listar"}, 2, "Uso: tanteo-cli listar FICHERO\n"},
      {{"listar", "a", "b"}, 2, "Uso: tanteo-cli listar FICHERO\n"},
      {{"convertir", "vacia.txt"}, 2, "Uso: tanteo-cli convertir ENTRADA SALIDA [--cabecera TEXTO]\n"},
      {{"convertir", "vacia.txt", "x.tto", "--cabecera"}, 2, "Uso: tanteo-cli convertir ENTRADA SALIDA [--cabecera TEXTO]\n"},
  };
  for (const Caso& c : casos) {
    const Salida s = Ejecutar(c.argumentos);
    EXPECT_EQ(s.estado, c.estado) << c.argumentos[0] << " " << c.argumentos.size();
    EXPECT_EQ(s.errores, c.errores) << c.argumentos[0] << " " << c.argumentos.size();
  }
  EXPECT_EQ(Leer(dir / "anterior.tto"), "anterior");

  const Salida escritura = Ejecutar({"convertir", "vacia.txt", "no-existe/x.tto"});
  EXPECT_EQ(escritura.estado, 1);
  EXPECT_TRUE(escritura.errores.ends_with("ERROR AL GUARDAR EL FICHERO (No existe el fichero o la carpeta)\n")) << escritura.errores;

  const Salida desconocida = Ejecutar({"borrar"});
  EXPECT_EQ(desconocida.estado, 2);
  EXPECT_NE(desconocida.errores.find("listar FICHERO"), std::string::npos);
  const Salida ayuda = Ejecutar({"--help"});
  EXPECT_EQ(ayuda.estado, 0);
  EXPECT_NE(ayuda.salida.find("convertir ENTRADA SALIDA [--cabecera TEXTO]"), std::string::npos);
}

}  // namespace
}  // namespace tanteo
