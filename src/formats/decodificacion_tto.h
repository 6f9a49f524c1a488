// Bet records of TTO files in their usual shape (length 17, then the comma form enciphered
// with the record keystream) decoded straight from the read buffer into table rows.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/vocabulario.h"

namespace tanteo {

// The text of a bet record: 17 bytes of comma form, the commas at these places.
inline constexpr std::size_t kLongitudApuesta = 17;
inline constexpr std::array<std::size_t, kPartidos - 1> kComasApuesta = {2, 5, 8, 11, 14};
// A bet record of the usual shape: two length bytes and the text.
inline constexpr std::size_t kBytesRegistroApuesta = 2 + kLongitudApuesta;

// Ways that give the same rows: the vector ones where the processor has them (AVX-512 VBMI
// in blocks of 64 records, AVX2 in blocks of 32) and the scalar one everywhere.
enum class ViaDecodificacion { Escalar, AVX2, AVX512 };
inline constexpr std::int32_t kApuestasBloqueVectorial = 64;  // the largest block

bool ViaDisponible(ViaDecodificacion via);

// The fastest way the readers may take (the best available up to it; tests compare them).
// The best available is the default.
void ElegirViaDecodificacion(ViaDecodificacion via);

// Decodes the consecutive records at `registros` (room for `n` of them, 19 bytes each) into
// the rows from `filas` on, as long as they are of the usual shape; returns how many were.
// Unknown codes read as "00". Every row of the n may be written, and the two bytes after
// the last one (the table keeps them spare).
std::int32_t DecodificarApuestasTipicas(const char* registros, std::int32_t n, std::uint8_t* filas);

}  // namespace tanteo
