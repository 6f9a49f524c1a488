#include "formats/fichero_tto.h"

#include <algorithm>
#include <array>
#include <memory>
#include <stdexcept>

#include "engine/texto_numeros.h"
#include "formats/decodificacion_tto.h"
#include "formats/encriptar_texto.h"
#include "formats/lector_fichero.h"
#include "formats/windows_1252.h"

namespace tanteo {
namespace {

// The shortest bet record that can hold six elements: two length bytes and five commas.
constexpr std::int64_t kBytesMinimosRegistro = 7;
constexpr std::int32_t kFilasAvance = 6000;

constexpr char kTextoSignos[] = "012M";

// Every record is XORed with the same keystream, so the enciphered bytes of each code at
// each place of a bet record are fixed: a bet is written by copying them.
struct CifradoApuestas {
  std::array<char, kBytesRegistroApuesta> plantilla{};  // length and enciphered commas
  std::array<std::array<std::array<char, 2>, kResultados + 1>, kPartidos> pares{};
};

constexpr CifradoApuestas CalcularCifrado() {
  CifradoApuestas c;
  c.plantilla[0] = static_cast<char>(kLongitudApuesta);
  for (std::size_t p : kComasApuesta) c.plantilla[2 + p] = static_cast<char>(',' ^ kFlujoClaveTTO[p]);
  for (int m = 0; m < kPartidos; ++m) {
    for (int r = 1; r <= kResultados; ++r) {
      c.pares[m][r][0] = static_cast<char>(kTextoSignos[SignoLocal(r)] ^ kFlujoClaveTTO[3 * m]);
      c.pares[m][r][1] = static_cast<char>(kTextoSignos[SignoVisitante(r)] ^ kFlujoClaveTTO[3 * m + 1]);
    }
  }
  return c;
}
constexpr CifradoApuestas kCifrado = CalcularCifrado();

bool ResultadosValidos(const std::uint8_t* a) {
  for (int m = 0; m < kPartidos; ++m) {
    if (static_cast<std::uint8_t>(a[m] - 1) >= kResultados) return false;
  }
  return true;
}

// Records into the sink through a large block.
class SalidaRegistros {
 public:
  explicit SalidaRegistros(SalidaFichero& salida) : salida_(salida), datos_(std::make_unique_for_overwrite<char[]>(kBloque)) {}

  // Room for `n` bytes at the end of the block, counted as written.
  char* Hueco(std::size_t n) {
    if (lleno_ + n > kBloque) Vaciar();
    char* p = datos_.get() + lleno_;
    lleno_ += n;
    return p;
  }
  void Registro(std::string_view bytes) {
    char* p = Hueco(2 + bytes.size());
    p[0] = static_cast<char>(bytes.size() & 0xFF);
    p[1] = static_cast<char>(bytes.size() >> 8);
    std::memcpy(p + 2, bytes.data(), bytes.size());
  }
  void Vaciar() {
    salida_.Escribir({datos_.get(), lleno_});
    lleno_ = 0;
  }

 private:
  static constexpr std::size_t kBloque = 1 << 16;
  SalidaFichero& salida_;
  std::unique_ptr<char[]> datos_;
  std::size_t lleno_ = 0;
};

// The bytes of the next record, still enciphered; false when the file ends inside it. The
// view lasts until the next reading.
bool LeerRegistro(LectorFichero& fichero, std::string_view& registro) {
  std::string_view v = fichero.Ver(2);
  if (v.size() < 2) return false;
  const std::size_t n = static_cast<std::uint8_t>(v[0]) | (static_cast<std::size_t>(static_cast<std::uint8_t>(v[1])) << 8);
  v = fichero.Ver(2 + n);
  if (v.size() < 2 + n) return false;
  registro = v.substr(2, n);
  fichero.Avanzar(2 + n);
  return true;
}

// Deciphers a bet record, splits it at the commas and converts elements 1..6; false when it
// has fewer than six elements.
bool DecodificarRegistro(std::string_view cifrado, std::uint8_t* apuesta) {
  const std::string texto = EncriptarTextoTTO(cifrado);
  std::string_view resto = texto;
  for (int m = 0; m < kPartidos; ++m) {
    const std::size_t coma = resto.find(',');
    if (coma == std::string_view::npos && m < kPartidos - 1) return false;
    apuesta[m] = static_cast<std::uint8_t>(ResultadoDeCodigo(resto.substr(0, coma)));
    if (coma != std::string_view::npos) resto.remove_prefix(coma + 1);
  }
  return true;
}

std::string FalloLectura(const LectorFichero& fichero) {
  return fichero.Error().empty() ? "El fichero termina antes de lo esperado" : fichero.Error();
}

// Records 3.. of the file: `total` bets into the accumulator. Empty, or why it failed.
std::string LeerApuestas(LectorFichero& fichero, std::int32_t total, AcumuladorApuestas& acumulador) {
  while (acumulador.Cuenta() < total) {
    // Typical records straight from the buffer into the table.
    const std::string_view v = fichero.Ver(kBytesRegistroApuesta);
    const auto enBuffer = static_cast<std::int32_t>(std::min<std::size_t>(v.size() / kBytesRegistroApuesta, total));
    const std::int32_t n = acumulador.Cabida(std::min(enBuffer, total - acumulador.Cuenta()));
    const std::int32_t k = DecodificarApuestasTipicas(v.data(), n, acumulador.Siguiente());
    fichero.Avanzar(static_cast<std::size_t>(k) * kBytesRegistroApuesta);
    acumulador.Confirmar(k);
    if (k == n && n > 0) continue;
    // Any other record, or the end of the file, the general way.
    std::string_view registro;
    Apuesta apuesta;
    if (!LeerRegistro(fichero, registro)) return FalloLectura(fichero);
    if (!DecodificarRegistro(registro, apuesta.data())) {
      return "La apuesta " + FormatoCuenta(acumulador.Cuenta() + 1) + " del fichero no tiene seis resultados";
    }
    acumulador.Anadir(apuesta.data());
  }
  return {};
}

}  // namespace

ResultadoLectura LeerFicheroTTO(const std::filesystem::path& ruta, TablaApuestas& destino,
                                const OpcionesLectura& opciones) {
  return LecturaProtegida(destino, [&](ResultadoLectura& r) {
    LectorFichero fichero(ruta);
    std::string_view registro;
    if (!fichero.Abierto()) {
      r.descripcion = fichero.Error();
    } else if (!LeerRegistro(fichero, registro) || !LeerRegistro(fichero, registro)) {
      r.descripcion = FalloLectura(fichero);
    } else if (const auto cuenta = LeerEntero(EncriptarTextoTTO(registro)); !cuenta || *cuenta < 0) {
      r.descripcion = "El número de apuestas del fichero no es válido";
    } else {
      r.limiteSuperado = *cuenta > kEspacioApuestas;
      const auto total = static_cast<std::int32_t>(std::min<std::int64_t>(*cuenta, kEspacioApuestas));
      const auto cabe = fichero.Tamano() / kBytesMinimosRegistro + 1;
      AcumuladorApuestas acumulador(destino, static_cast<std::int32_t>(std::min<std::int64_t>(total, cabe)), opciones);
      r.descripcion = LeerApuestas(fichero, total, acumulador);
      r.apuestas = acumulador.Cuenta();
      r.ok = r.descripcion.empty();
    }
  });
}

ResultadoEscritura EscribirFicheroTTO(const std::filesystem::path& ruta, std::string_view cabecera,
                                      const TablaApuestas& apuestas, std::int32_t cuenta, Progreso* barra) {
  return EscribirAtomicamente(ruta, [&](SalidaFichero& salida) {
    if (cuenta < 0 || cuenta > apuestas.Filas()) throw std::invalid_argument("Número de apuestas fuera de la tabla");
    SalidaRegistros registros(salida);
    registros.Registro(EncriptarTextoTTO(Utf8AWindows1252(cabecera)));
    registros.Registro(EncriptarTextoTTO(std::to_string(cuenta)));
    for (std::int32_t fila = 1; fila <= cuenta; ++fila) {
      const std::uint8_t* a = apuestas.Fila(fila);
      if (ResultadosValidos(a)) {
        char* p = registros.Hueco(kCifrado.plantilla.size());
        std::memcpy(p, kCifrado.plantilla.data(), kCifrado.plantilla.size());
        for (int m = 0; m < kPartidos; ++m) std::memcpy(p + 2 + 3 * m, kCifrado.pares[m][a[m]].data(), 2);
      } else {
        registros.Registro(EncriptarTextoTTO(ApuestaConComas(a)));
      }
      if (barra != nullptr && fila % kFilasAvance == 0) {
        barra->Avance(fila, cuenta);
        barra->Ceder();
      }
    }
    registros.Vaciar();
    return true;
  });
}

bool GuardarFicheroApuestas(const std::filesystem::path& ruta, std::string_view cabecera,
                            const TablaApuestas& apuestas, std::int32_t cuenta, Progreso* barra,
                            Interaccion& interaccion) {
  const ResultadoEscritura r = EscribirFicheroTTO(ruta, cabecera, apuestas, cuenta, barra);
  if (!r.ok) interaccion.Error("ERROR AL GUARDAR EL FICHERO (" + r.descripcion + ")");
  return r.ok;
}

}  // namespace tanteo
