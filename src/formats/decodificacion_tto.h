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

// Two ways that give the same rows: the vector one (AVX-512 VBMI) where the processor has
// it, in blocks of this many records, and the scalar one everywhere.
enum class ViaDecodificacion { Escalar, Vectorial };
inline constexpr std::int32_t kApuestasBloqueVectorial = 64;

bool ViaVectorialDisponible();

// The way the readers take: the vector one when available, unless the scalar one was
// chosen (tests compare both).
void ElegirViaDecodificacion(ViaDecodificacion via);

// Decodes the consecutive records at `registros` (room for `n` of them, 19 bytes each) into
// the rows from `filas` on, as long as they are of the usual shape; returns how many were.
// Unknown codes read as "00". Every row of the n may be written, and the two bytes after
// the last one (the table keeps them spare).
std::int32_t DecodificarApuestasTipicas(const char* registros, std::int32_t n, std::uint8_t* filas);

}  // namespace tanteo
