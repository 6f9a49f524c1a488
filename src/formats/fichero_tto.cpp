#include "formats/fichero_tto.h"

#include <algorithm>
#include <array>
#include <bit>
#include <memory>
#include <stdexcept>

#include "engine/texto_numeros.h"
#include "formats/encriptar_texto.h"
#include "formats/lector_fichero.h"
#include "formats/windows_1252.h"

namespace tanteo {
namespace {

// A bet record: 17 bytes of comma form, the commas at these positions.
constexpr std::size_t kLongitudApuesta = 17;
constexpr std::array<std::size_t, kPartidos - 1> kComas = {2, 5, 8, 11, 14};
// The shortest bet record that can hold six elements: two length bytes and five commas.
constexpr std::int64_t kBytesMinimosRegistro = 7;
constexpr std::int32_t kFilasAvance = 6000;

constexpr char kTextoSignos[] = "012M";

// Every record is XORed with the same keystream, so the enciphered bytes of each code at
// each place of a bet record are fixed: a bet is written by copying them.
struct CifradoApuestas {
  std::array<char, 2 + kLongitudApuesta> plantilla{};  // length and enciphered commas
  std::array<std::array<std::array<char, 2>, kResultados + 1>, kPartidos> pares{};
};

constexpr CifradoApuestas CalcularCifrado() {
  CifradoApuestas c;
  c.plantilla[0] = static_cast<char>(kLongitudApuesta);
  for (std::size_t p : kComas) c.plantilla[2 + p] = static_cast<char>(',' ^ kFlujoClaveTTO[p]);
  for (int m = 0; m < kPartidos; ++m) {
    for (int r = 1; r <= kResultados; ++r) {
      c.pares[m][r][0] = static_cast<char>(kTextoSignos[SignoLocal(r)] ^ kFlujoClaveTTO[3 * m]);
      c.pares[m][r][1] = static_cast<char>(kTextoSignos[SignoVisitante(r)] ^ kFlujoClaveTTO[3 * m + 1]);
    }
  }
  return c;
}
constexpr CifradoApuestas kCifrado = CalcularCifrado();

// The sign of a code character ('m' counts as 'M'), -1 for any other character.
constexpr std::array<std::int8_t, 256> CalcularSignos() {
  std::array<std::int8_t, 256> s{};
  s.fill(-1);
  s['0'] = 0, s['1'] = 1, s['2'] = 2, s['M'] = 3, s['m'] = 3;
  return s;
}
constexpr std::array<std::int8_t, 256> kSignoDeCaracter = CalcularSignos();

// The result of a pair of code characters (first character in the low byte); "00" when
// the pair is no code.
constexpr std::array<std::uint8_t, 65536> CalcularResultadosDePar() {
  std::array<std::uint8_t, 65536> t{};
  for (int par = 0; par < 65536; ++par) {
    const int local = kSignoDeCaracter[par & 0xFF];
    const int visitante = kSignoDeCaracter[par >> 8];
    t[par] = static_cast<std::uint8_t>(local < 0 || visitante < 0 ? 1 : ResultadoDeSignos(local, visitante));
  }
  return t;
}
constexpr std::array<std::uint8_t, 65536> kResultadoDePar = CalcularResultadosDePar();

// A typical bet record (length 17, commas in their places) is read as three overlapping
// little-endian words of its bytes 0..7, 8..15 and 11..18. XORed with the keystream where
// it covers the text, the words hold the plain characters; the fixed bytes are checked
// through masks and the pairs looked up.
constexpr std::size_t kBytesRegistroApuesta = 2 + kLongitudApuesta;
constexpr std::array<std::size_t, 3> kInicioPalabra = {0, 8, 11};

struct Palabra {
  std::uint64_t flujo = 0;    // the keystream under the word's text bytes
  std::uint64_t mascara = 0;  // the bytes that must hold `fijo`
  std::uint64_t fijo = 0;
};

constexpr std::array<Palabra, 3> CalcularPalabras() {
  std::array<Palabra, 3> palabras{};
  for (std::size_t w = 0; w < palabras.size(); ++w) {
    for (std::size_t b = 0; b < 8; ++b) {
      const std::size_t byte = kInicioPalabra[w] + b;  // in the record
      const int desplazamiento = static_cast<int>(8 * b);
      if (byte >= 2) palabras[w].flujo |= std::uint64_t{kFlujoClaveTTO[byte - 2]} << desplazamiento;
      std::uint64_t fijo = 0;
      bool esFijo = byte < 2;
      if (byte == 0) fijo = kLongitudApuesta;
      for (std::size_t p : kComas) {
        if (byte == 2 + p) esFijo = true, fijo = ',';
      }
      if (esFijo) {
        palabras[w].mascara |= std::uint64_t{0xFF} << desplazamiento;
        palabras[w].fijo |= fijo << desplazamiento;
      }
    }
  }
  return palabras;
}
constexpr std::array<Palabra, 3> kPalabras = CalcularPalabras();

static_assert(std::endian::native == std::endian::little, "the typical records are read as little-endian words");

// Decodes the record at `registro` into `fila` (with one eight-byte store) when it is a
// typical bet record; false otherwise, leaving the record to the general path.
inline std::uint64_t PalabraClara(const char* registro, std::size_t i) {
  std::uint64_t w;
  std::memcpy(&w, registro + kInicioPalabra[i], 8);
  return w ^ kPalabras[i].flujo;
}

inline bool DecodificarTipico(const char* registro, std::uint8_t* fila) {
  const std::uint64_t w0 = PalabraClara(registro, 0);
  const std::uint64_t w1 = PalabraClara(registro, 1);
  const std::uint64_t w2 = PalabraClara(registro, 2);
  if ((((w0 & kPalabras[0].mascara) ^ kPalabras[0].fijo) | ((w1 & kPalabras[1].mascara) ^ kPalabras[1].fijo) |
       ((w2 & kPalabras[2].mascara) ^ kPalabras[2].fijo)) != 0) {
    return false;
  }
  // Pairs at record bytes 2, 5, 8, 11, 14 and 17.
  const std::uint64_t fila8 = std::uint64_t{kResultadoDePar[(w0 >> 16) & 0xFFFF]} |
                              std::uint64_t{kResultadoDePar[(w0 >> 40) & 0xFFFF]} << 8 |
                              std::uint64_t{kResultadoDePar[w1 & 0xFFFF]} << 16 |
                              std::uint64_t{kResultadoDePar[(w1 >> 24) & 0xFFFF]} << 24 |
                              std::uint64_t{kResultadoDePar[w1 >> 48]} << 32 |
                              std::uint64_t{kResultadoDePar[w2 >> 48]} << 40;
  std::memcpy(fila, &fila8, 8);
  return true;
}

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
    std::uint8_t* fila = acumulador.Siguiente();
    std::int32_t k = 0;
    while (k < n && DecodificarTipico(v.data() + static_cast<std::size_t>(k) * kBytesRegistroApuesta, fila)) {
      fila += kBytesApuesta;
      ++k;
    }
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
