#include "formats/decodificacion_tto.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstring>

#include "formats/encriptar_texto.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define TANTEO_VIA_VECTORIAL 1
#endif

namespace tanteo {
namespace {

static_assert(std::endian::native == std::endian::little, "records are read as little-endian words");

constexpr bool EsComa(std::size_t posicion) {
  for (std::size_t p : kComasApuesta) {
    if (p == posicion) return true;
  }
  return false;
}

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

// Scalar way: a record is read as three overlapping little-endian words of its bytes 0..7,
// 8..15 and 11..18. XORed with the keystream where it covers the text, the words hold the
// plain characters; the fixed bytes are checked through masks and the pairs looked up.
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
      if (byte < 2 || EsComa(byte - 2)) {
        palabras[w].mascara |= std::uint64_t{0xFF} << desplazamiento;
        palabras[w].fijo |= std::uint64_t{byte == 0 ? kLongitudApuesta : byte == 1 ? 0u : ','} << desplazamiento;
      }
    }
  }
  return palabras;
}
constexpr std::array<Palabra, 3> kPalabras = CalcularPalabras();

inline std::uint64_t PalabraClara(const char* registro, std::size_t i) {
  std::uint64_t w;
  std::memcpy(&w, registro + kInicioPalabra[i], 8);
  return w ^ kPalabras[i].flujo;
}

// Decodes the record at `registro` into `fila` (with one eight-byte store) when it is of
// the usual shape; false otherwise.
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

std::atomic<ViaDecodificacion> gViaMaxima{ViaDecodificacion::AVX512};

#ifdef TANTEO_VIA_VECTORIAL

// Vector way. 64 records make 1216 bytes, exactly 19 vectors of 64 bytes, so every vector
// of a block meets the records at the same places and the patterns below are fixed.
//
// XORed with `flujo`, a block of the usual shape becomes its plain code characters where
// the text holds a code and 0x80 at its length bytes and commas. A byte lookup by the low
// four bits gives the character back for the four accepted ones, and 0 wherever bit 7 is
// set, so the block is of the usual shape exactly when the lookup XOR the plain bytes
// equals `fijos` (0x80 at the fixed bytes, 0 at the codes). Any other code character, 'm'
// included, leaves the block to the scalar way. No mask registers are used: on these
// processors moving a constant into one takes the shuffle port the lookups need.
constexpr std::size_t kVectoresBloque = 19;
constexpr std::size_t kBytesBloque = kApuestasBloqueVectorial * kBytesRegistroApuesta;
constexpr std::size_t kSalidasBloque = kApuestasBloqueVectorial * kBytesApuesta / 64;  // vectors of rows
static_assert(kBytesBloque == 64 * kVectoresBloque && kSalidasBloque == 6);

using Vector64 = std::array<std::uint8_t, 64>;

// The bytes row vector k takes from block vectors 3k..3k+3: byte `indice` of the pair 3k,
// 3k+1, or of the pair 3k+2, 3k+3 where `segundoPar` is 0xFF.
struct Recogida {
  alignas(64) Vector64 indice{};
  alignas(64) Vector64 segundoPar{};
};

struct PatronesBloque {
  // Lookups by the low four bits of a plain code character ('0', '1', '2', 'M' = 0x4D), the
  // same in each 16-byte lane: the character itself, 4 x home sign + 1, and the away sign.
  alignas(64) Vector64 caracter{};
  alignas(64) Vector64 resultadoLocal{};
  alignas(64) Vector64 signoVisitante{};
  alignas(64) std::array<Vector64, kVectoresBloque> flujo{};
  alignas(64) std::array<Vector64, kVectoresBloque> fijos{};
  std::array<Recogida, kSalidasBloque> local{};
  std::array<Recogida, kSalidasBloque> visitante{};
};

constexpr void PonerRecogida(Recogida& r, std::size_t j, std::size_t byte) {
  if (byte >= 256) throw "a row vector reaches beyond its four block vectors";
  r.indice[j] = static_cast<std::uint8_t>(byte % 128);
  r.segundoPar[j] = byte >= 128 ? 0xFF : 0;
}

constexpr PatronesBloque CalcularPatrones() {
  PatronesBloque t;
  for (std::size_t b = 0; b < 64; b += 16) {
    for (std::uint8_t signo = 0; signo < 4; ++signo) {
      const std::uint8_t c = static_cast<std::uint8_t>("012M"[signo]);
      t.caracter[b + (c & 0xF)] = c;
      t.resultadoLocal[b + (c & 0xF)] = static_cast<std::uint8_t>(ResultadoDeSignos(signo, 0));
      t.signoVisitante[b + (c & 0xF)] = signo;
    }
  }
  for (std::size_t b = 0; b < kBytesBloque; ++b) {
    const std::size_t q = b % kBytesRegistroApuesta;  // byte of the record
    std::uint8_t flujo = 0x80 ^ static_cast<std::uint8_t>(q == 0 ? kLongitudApuesta : 0);
    std::uint8_t fijo = 0x80;
    if (q >= 2 && EsComa(q - 2)) {
      flujo = static_cast<std::uint8_t>(0x80 ^ ',' ^ kFlujoClaveTTO[q - 2]);
    } else if (q >= 2) {
      flujo = kFlujoClaveTTO[q - 2];
      fijo = 0;
    }
    t.flujo[b / 64][b % 64] = flujo;
    t.fijos[b / 64][b % 64] = fijo;
  }
  for (std::size_t k = 0; k < kSalidasBloque; ++k) {
    for (std::size_t j = 0; j < 64; ++j) {
      const std::size_t resultado = 64 * k + j;
      const std::size_t local = kBytesRegistroApuesta * (resultado / kBytesApuesta) + 2 + 3 * (resultado % kBytesApuesta);
      const std::size_t desde = 3 * 64 * k;
      if (local < desde) throw "a row vector starts before its four block vectors";
      PonerRecogida(t.local[k], j, local - desde);
      PonerRecogida(t.visitante[k], j, local + 1 - desde);
    }
  }
  return t;
}
constexpr PatronesBloque kPatrones = CalcularPatrones();

#define TANTEO_OBJETIVO_VECTORIAL __attribute__((target("avx512f,avx512bw,avx512vbmi")))

TANTEO_OBJETIVO_VECTORIAL inline __m512i Cargar(const Vector64& v) { return _mm512_load_si512(v.data()); }

// Block vector v made plain, and where it differs from the usual shape (nonzero bytes).
TANTEO_OBJETIVO_VECTORIAL inline __m512i Claro(const char* bloque, std::size_t v, __m512i caracter, __m512i& diferencia) {
  const __m512i claro = _mm512_xor_si512(_mm512_loadu_si512(bloque + 64 * v), Cargar(kPatrones.flujo[v]));
  diferencia = _mm512_ternarylogic_epi32(claro, _mm512_shuffle_epi8(caracter, claro), Cargar(kPatrones.fijos[v]),
                                         0x96);  // a ^ b ^ c
  return claro;
}

// a | b | c, in one instruction; written so, the compiler keeps the order and does not
// hold every difference until the end.
TANTEO_OBJETIVO_VECTORIAL inline __m512i O3(__m512i a, __m512i b, __m512i c) {
  return _mm512_ternarylogic_epi32(a, b, c, 0xFE);
}

TANTEO_OBJETIVO_VECTORIAL inline __m512i Recoger(const __m512i* claros, const Recogida& r) {
  const __m512i i = Cargar(r.indice);
  return _mm512_ternarylogic_epi32(_mm512_permutex2var_epi8(claros[0], i, claros[1]),
                                   _mm512_permutex2var_epi8(claros[2], i, claros[3]), Cargar(r.segundoPar),
                                   0xD8);  // c ? b : a
}

// Decodes whole blocks while they are of the usual shape; returns how many were. The rows
// of the first block that is not may have been written.
TANTEO_OBJETIVO_VECTORIAL std::int32_t DecodificarBloques(const char* registros, std::int32_t bloques,
                                                         std::uint8_t* filas) {
  const __m512i caracter = Cargar(kPatrones.caracter);
  const __m512i resultadoLocal = Cargar(kPatrones.resultadoLocal);
  const __m512i signoVisitante = Cargar(kPatrones.signoVisitante);
  for (std::int32_t b = 0; b < bloques; ++b) {
    const char* bloque = registros + static_cast<std::size_t>(b) * kBytesBloque;
    std::uint8_t* salida = filas + static_cast<std::size_t>(b) * kApuestasBloqueVectorial * kBytesApuesta;
    __m512i claros[kVectoresBloque];
    __m512i diferencias[kVectoresBloque];
    claros[0] = Claro(bloque, 0, caracter, diferencias[0]);
    __m512i distinto = diferencias[0];
#pragma GCC unroll 6
    for (std::size_t k = 0; k < kSalidasBloque; ++k) {
#pragma GCC unroll 3
      for (std::size_t v = 3 * k + 1; v <= 3 * k + 3; ++v) claros[v] = Claro(bloque, v, caracter, diferencias[v]);
      distinto = O3(distinto, diferencias[3 * k + 1], diferencias[3 * k + 2]);
      distinto = O3(distinto, diferencias[3 * k + 3], diferencias[3 * k + 3]);
      const __m512i local = Recoger(claros + 3 * k, kPatrones.local[k]);
      const __m512i visitante = Recoger(claros + 3 * k, kPatrones.visitante[k]);
      _mm512_storeu_si512(salida + 64 * k, _mm512_add_epi8(_mm512_shuffle_epi8(resultadoLocal, local),
                                                           _mm512_shuffle_epi8(signoVisitante, visitante)));
    }
    if (_mm512_test_epi8_mask(distinto, distinto) != 0) return b;
  }
  return bloques;
}

// AVX2 way. 32 records make 608 bytes, 19 vectors of 32 bytes: the first half of the
// AVX-512 block, so its keystream and fixed-byte patterns serve here too. A byte shuffle
// only reaches within its 16-byte lane, so each result is computed where its home
// character is (the away character brought there by a one-byte shift across vectors) and
// each lane's results are packed to its front and stored one after another, every store
// overwriting the slack of the one before. The stores reach past the block's rows: the
// caller leaves room.
constexpr std::int32_t kApuestasBloque256 = 32;
constexpr std::size_t kBytesBloque256 = kApuestasBloque256 * kBytesRegistroApuesta;
constexpr std::size_t kCarrilesBloque256 = kBytesBloque256 / 16;
static_assert(kBytesBloque256 == 32 * kVectoresBloque && kCarrilesBloque256 == 2 * kVectoresBloque);

struct Empaquetado256 {
  // Per vector: the lane bytes holding home characters, in order, then 0x80 (none).
  alignas(32) std::array<std::array<std::uint8_t, 32>, kVectoresBloque> indice{};
  // Per lane: where its first result goes in the block's rows.
  std::array<std::size_t, kCarrilesBloque256> destino{};
};

constexpr Empaquetado256 CalcularEmpaquetado256() {
  Empaquetado256 t;
  std::size_t resultados = 0;
  for (std::size_t carril = 0; carril < kCarrilesBloque256; ++carril) {
    t.destino[carril] = resultados;
    auto& indice = t.indice[carril / 2];
    const std::size_t base = 16 * (carril % 2);
    std::size_t j = 0;
    for (std::size_t b = 0; b < 16; ++b) {
      const std::size_t q = (16 * carril + b) % kBytesRegistroApuesta;
      if (q >= 2 && (q - 2) % 3 == 0) indice[base + j++] = static_cast<std::uint8_t>(b);
    }
    resultados += j;
    for (; j < 16; ++j) indice[base + j] = 0x80;
  }
  if (resultados != kApuestasBloque256 * kBytesApuesta) throw "a block does not hold its rows";
  return t;
}
constexpr Empaquetado256 kEmpaquetado256 = CalcularEmpaquetado256();

#define TANTEO_OBJETIVO_AVX2 __attribute__((target("avx2")))

TANTEO_OBJETIVO_AVX2 inline __m256i Cargar256(const std::uint8_t* v) {
  return _mm256_load_si256(reinterpret_cast<const __m256i*>(v));
}

// How far the stores of a block reach past its rows, in rows (the last lane's 16-byte store).
constexpr std::int32_t FilasDesborde256() {
  std::size_t fin = 0;
  for (std::size_t carril = 0; carril < kCarrilesBloque256; ++carril) fin = std::max(fin, kEmpaquetado256.destino[carril] + 16);
  const std::size_t desborde = fin - kApuestasBloque256 * kBytesApuesta;
  return static_cast<std::int32_t>((desborde + kBytesApuesta - 1) / kBytesApuesta);
}
constexpr std::int32_t kFilasDesborde256 = FilasDesborde256();

// Decodes whole 32-record blocks while they are of the usual shape; returns how many were.
// The stores of the last block reach kFilasDesborde256 rows past it.
TANTEO_OBJETIVO_AVX2 std::int32_t DecodificarBloques256(const char* registros, std::int32_t bloques,
                                                        std::uint8_t* filas) {
  const __m256i caracter = Cargar256(kPatrones.caracter.data());
  const __m256i resultadoLocal = Cargar256(kPatrones.resultadoLocal.data());
  const __m256i signoVisitante = Cargar256(kPatrones.signoVisitante.data());
  const std::uint8_t* flujo = kPatrones.flujo[0].data();
  const std::uint8_t* fijos = kPatrones.fijos[0].data();
  for (std::int32_t b = 0; b < bloques; ++b) {
    const char* bloque = registros + static_cast<std::size_t>(b) * kBytesBloque256;
    std::uint8_t* salida = filas + static_cast<std::size_t>(b) * kApuestasBloque256 * kBytesApuesta;
    __m256i distinto = _mm256_setzero_si256();
    __m256i claro = _mm256_xor_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(bloque)), Cargar256(flujo));
#pragma GCC unroll 19
    for (std::size_t v = 0; v < kVectoresBloque; ++v) {
      const __m256i siguiente =
          v + 1 < kVectoresBloque
              ? _mm256_xor_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(bloque + 32 * (v + 1))),
                                 Cargar256(flujo + 32 * (v + 1)))
              : _mm256_setzero_si256();
      distinto = _mm256_or_si256(distinto, _mm256_xor_si256(_mm256_xor_si256(claro, _mm256_shuffle_epi8(caracter, claro)),
                                                            Cargar256(fijos + 32 * v)));
      // Each byte's next one: the away character under its home character.
      const __m256i visitante = _mm256_alignr_epi8(_mm256_permute2x128_si256(claro, siguiente, 0x21), claro, 1);
      const __m256i resultados = _mm256_add_epi8(_mm256_shuffle_epi8(resultadoLocal, claro),
                                                 _mm256_shuffle_epi8(signoVisitante, visitante));
      const __m256i juntos = _mm256_shuffle_epi8(resultados, Cargar256(kEmpaquetado256.indice[v].data()));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(salida + kEmpaquetado256.destino[2 * v]),
                       _mm256_castsi256_si128(juntos));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(salida + kEmpaquetado256.destino[2 * v + 1]),
                       _mm256_extracti128_si256(juntos, 1));
      claro = siguiente;
    }
    if (!_mm256_testz_si256(distinto, distinto)) return b;
  }
  return bloques;
}

#endif

}  // namespace

bool ViaDisponible(ViaDecodificacion via) {
#ifdef TANTEO_VIA_VECTORIAL
  static const bool avx2 = __builtin_cpu_supports("avx2");
  static const bool avx512 = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
                             __builtin_cpu_supports("avx512vbmi");
  switch (via) {
    case ViaDecodificacion::Escalar: return true;
    case ViaDecodificacion::AVX2: return avx2;
    case ViaDecodificacion::AVX512: return avx512;
  }
  return false;
#else
  return via == ViaDecodificacion::Escalar;
#endif
}

void ElegirViaDecodificacion(ViaDecodificacion via) { gViaMaxima.store(via, std::memory_order_relaxed); }

std::int32_t DecodificarApuestasTipicas(const char* registros, std::int32_t n, std::uint8_t* filas) {
  std::int32_t k = 0;
#ifdef TANTEO_VIA_VECTORIAL
  const ViaDecodificacion maxima = gViaMaxima.load(std::memory_order_relaxed);
  if (maxima >= ViaDecodificacion::AVX512 && ViaDisponible(ViaDecodificacion::AVX512)) {
    k = kApuestasBloqueVectorial * DecodificarBloques(registros, n / kApuestasBloqueVectorial, filas);
  } else if (maxima >= ViaDecodificacion::AVX2 && ViaDisponible(ViaDecodificacion::AVX2)) {
    // The rows the last block's stores reach past it must be among the n.
    const std::int32_t bloques = n > kFilasDesborde256 ? (n - kFilasDesborde256) / kApuestasBloque256 : 0;
    k = kApuestasBloque256 * DecodificarBloques256(registros, bloques, filas);
  }
#endif
  while (k < n && DecodificarTipico(registros + static_cast<std::size_t>(k) * kBytesRegistroApuesta,
                                    filas + static_cast<std::size_t>(k) * kBytesApuesta)) {
    ++k;
  }
  return k;
}

}  // namespace tanteo
