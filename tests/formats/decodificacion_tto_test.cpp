#include "formats/decodificacion_tto.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "ayudas_ficheros.h"
#include "fakes/carpeta_temporal.h"
#include "formats/encriptar_texto.h"
#include "formats/fichero_tto.h"

namespace tanteo {
namespace {

constexpr std::size_t kBytesBloque = kApuestasBloqueVectorial * kBytesRegistroApuesta;

// Leaves the readers on the way chosen, and back on the usual one at the end.
class Via {
 public:
  explicit Via(ViaDecodificacion via) { ElegirViaDecodificacion(via); }
  ~Via() { ElegirViaDecodificacion(ViaDecodificacion::AVX512); }
};

// The ways this processor has.
std::vector<ViaDecodificacion> Vias() {
  std::vector<ViaDecodificacion> vias;
  for (ViaDecodificacion via : {ViaDecodificacion::Escalar, ViaDecodificacion::AVX2, ViaDecodificacion::AVX512}) {
    if (ViaDisponible(via)) vias.push_back(via);
  }
  return vias;
}

const char* Nombre(ViaDecodificacion via) {
  switch (via) {
    case ViaDecodificacion::Escalar: return "escalar";
    case ViaDecodificacion::AVX2: return "AVX2";
    case ViaDecodificacion::AVX512: return "AVX-512";
  }
  return "?";
}

// A code character: the writer's own, or with odds `rareza` one it never writes ('m', no
// code at all).
char CaracterAleatorio(std::mt19937& azar, double rareza) {
  static constexpr std::string_view kPropios = "012M";
  static constexpr std::string_view kRaros = "m3x-, \x80\xFF";
  const std::string_view juego = std::bernoulli_distribution(rareza)(azar) ? kRaros : kPropios;
  return juego[std::uniform_int_distribution<std::size_t>(0, juego.size() - 1)(azar)];
}

// `n` bet records of the usual shape with random code characters.
std::string RegistrosAleatorios(std::mt19937& azar, std::int32_t n, double rareza) {
  std::string registros;
  for (std::int32_t i = 0; i < n; ++i) {
    std::string texto = "xx,xx,xx,xx,xx,xx";
    for (int m = 0; m < kPartidos; ++m) {
      texto[3 * m] = CaracterAleatorio(azar, rareza);
      texto[3 * m + 1] = CaracterAleatorio(azar, rareza);
    }
    registros += std::string("\x11\x00", 2) + EncriptarTextoTTO(texto);
  }
  return registros;
}

// The row a record of the usual shape stands for, from its deciphered text.
Apuesta ApuestaDeRegistro(const char* registro) {
  const std::string texto = EncriptarTextoTTO(std::string_view(registro + 2, kLongitudApuesta));
  Apuesta a;
  for (int m = 0; m < kPartidos; ++m) a[m] = static_cast<std::uint8_t>(ResultadoDeCodigo(texto.substr(3 * m, 2)));
  return a;
}

// The byte of the records at `byte` that deciphers to `c` (length bytes are not enciphered).
char Cifrado(std::size_t byte, char c) {
  const std::size_t q = byte % kBytesRegistroApuesta;
  return q < 2 ? c : static_cast<char>(c ^ kFlujoClaveTTO[q - 2]);
}

bool PosicionFija(std::size_t byte) {
  const std::size_t q = byte % kBytesRegistroApuesta;
  return q < 2 || std::find(kComasApuesta.begin(), kComasApuesta.end(), q - 2) != kComasApuesta.end();
}

// Decodes `registros` by every way: each gives `esperadas` rows, those of their records.
void ComprobarVias(const std::string& registros, std::int32_t esperadas, const std::string& caso) {
  const auto n = static_cast<std::int32_t>(registros.size() / kBytesRegistroApuesta);
  std::vector<std::uint8_t> esperado;
  for (std::int32_t i = 0; i < esperadas; ++i) {
    const Apuesta a = ApuestaDeRegistro(registros.data() + i * kBytesRegistroApuesta);
    esperado.insert(esperado.end(), a.begin(), a.end());
  }
  for (ViaDecodificacion via : Vias()) {
    Via elegida(via);
    std::vector<std::uint8_t> filas(n * kBytesApuesta + 2);
    ASSERT_EQ(DecodificarApuestasTipicas(registros.data(), n, filas.data()), esperadas) << Nombre(via) << ", " << caso;
    filas.resize(esperado.size());
    ASSERT_EQ(filas, esperado) << Nombre(via) << ", " << caso;
  }
}

// Two of the largest blocks and a tail of records; every byte of both blocks in turn replaced. A length
// byte or a comma stops the decoding at its record; any code character decodes.
TEST(DecodificacionTTO, CadaByteDeUnBloqueCambiadoDaLoMismoPorCadaVia) {
  std::mt19937 azar(20240601);
  constexpr std::int32_t n = 2 * kApuestasBloqueVectorial + 11;
  const std::string registros = RegistrosAleatorios(azar, n, 0);
  for (std::size_t byte = 0; byte < 2 * kBytesBloque; ++byte) {
    std::string cambiados = registros;
    cambiados[byte] = std::bernoulli_distribution(0.5)(azar)
                          ? static_cast<char>(cambiados[byte] ^ std::uniform_int_distribution<int>(1, 255)(azar))
                          : Cifrado(byte, CaracterAleatorio(azar, 0.5));
    const bool corta = PosicionFija(byte) && cambiados[byte] != registros[byte];
    ComprobarVias(cambiados, corta ? static_cast<std::int32_t>(byte / kBytesRegistroApuesta) : n,
                  "byte " + std::to_string(byte));
  }
}

// Any number of records, now and then a code character the writer never writes.
TEST(DecodificacionTTO, RegistrosAleatoriosDanLoMismoPorCadaVia) {
  std::mt19937 azar(7);
  for (int caso = 0; caso < 100; ++caso) {
    const auto n = std::uniform_int_distribution<std::int32_t>(0, 5 * kApuestasBloqueVectorial)(azar);
    ComprobarVias(RegistrosAleatorios(azar, n, caso % 3 == 0 ? 0.0 : 0.002), n, "caso " + std::to_string(caso));
  }
}

// Whole files, each read by every way: the same result, rows and progress calls. Some
// records have another shape, some bytes are changed anywhere, some files are cut short.
TEST(DecodificacionTTO, FicherosAleatoriosSeLeenIgualPorCadaVia) {
  std::mt19937 azar(99);
  pruebas::CarpetaTemporal dir;
  for (int caso = 0; caso < 200; ++caso) {
    const auto ruta = dir / ("azar" + std::to_string(caso) + ".tto");  // new files: no flush on truncation
    const auto n = std::uniform_int_distribution<std::int32_t>(0, 4 * kApuestasBloqueVectorial)(azar);
    std::string bytes = pruebas::RegistroTTO("cabecera") + pruebas::RegistroTTO(std::to_string(n));
    for (std::int32_t i = 0; i < n; ++i) {
      bytes += std::bernoulli_distribution(0.01)(azar) ? pruebas::RegistroTTO("0-0,1,02,M0,MM,11,x")
                                                         : RegistrosAleatorios(azar, 1, 0.001);
    }
    const int cambios = std::uniform_int_distribution<int>(0, 3)(azar);
    for (int c = 0; c < cambios; ++c) {
      bytes[std::uniform_int_distribution<std::size_t>(0, bytes.size() - 1)(azar)] ^=
          static_cast<char>(std::uniform_int_distribution<int>(1, 255)(azar));
    }
    if (std::bernoulli_distribution(0.1)(azar)) bytes.resize(std::uniform_int_distribution<std::size_t>(0, bytes.size())(azar));
    pruebas::EscribirBytes(ruta, bytes);

    const std::int32_t cada = std::uniform_int_distribution<std::int32_t>(0, 100)(azar);
    std::vector<ResultadoLectura> resultados;
    std::vector<std::vector<std::string>> filas;
    std::vector<std::vector<std::int32_t>> avances;
    for (ViaDecodificacion via : Vias()) {
      Via elegida(via);
      avances.emplace_back();
      TablaApuestas leidas;
      resultados.push_back(LeerFicheroTTO(ruta, leidas, {cada, [&](std::int32_t k) { avances.back().push_back(k); }}));
      filas.push_back(pruebas::Compactas(leidas, resultados.back().apuestas));
    }
    for (std::size_t v = 1; v < resultados.size(); ++v) {
      EXPECT_EQ(resultados[v].ok, resultados[0].ok) << "caso " << caso;
      EXPECT_EQ(resultados[v].descripcion, resultados[0].descripcion) << "caso " << caso;
      EXPECT_EQ(resultados[v].limiteSuperado, resultados[0].limiteSuperado) << "caso " << caso;
      EXPECT_EQ(filas[v], filas[0]) << "caso " << caso;
      EXPECT_EQ(avances[v], avances[0]) << "caso " << caso;
    }
  }
}

}  // namespace
}  // namespace tanteo
