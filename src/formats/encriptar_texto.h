// The cipher of TTO bets files: RC4 applied to one text at a time.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace tanteo {

// The fixed key of every TTO record.
inline constexpr std::string_view kClaveTTO = "XHFHV6000843476";
// Longer texts are not enciphered (the cipher gives "0").
inline constexpr std::size_t kLongitudMaximaCifrado = 100;

// The first N bytes of the RC4 keystream of `clave` (not empty).
template <std::size_t N>
constexpr std::array<std::uint8_t, N> FlujoRC4(std::string_view clave) {
  std::array<std::uint8_t, 256> s{};
  for (int i = 0; i < 256; ++i) s[i] = static_cast<std::uint8_t>(i);
  int j = 0;
  for (std::size_t i = 0; i < 256; ++i) {
    j = (j + s[i] + static_cast<std::uint8_t>(clave[i % clave.size()])) & 0xFF;
    std::swap(s[i], s[j]);
  }
  std::array<std::uint8_t, N> flujo{};
  int a = 0;
  j = 0;
  for (std::size_t n = 0; n < N; ++n) {
    a = (a + 1) & 0xFF;
    j = (j + s[a]) & 0xFF;
    std::swap(s[a], s[j]);
    flujo[n] = s[(s[a] + s[j]) & 0xFF];
  }
  return flujo;
}

// Every record restarts the key schedule with the same key, so every record is XORed with
// this same keystream: byte i of a record with byte i of the stream.
inline constexpr std::array<std::uint8_t, kLongitudMaximaCifrado> kFlujoClaveTTO = FlujoRC4<kLongitudMaximaCifrado>(kClaveTTO);

// RC4 of `texto` with `clave`, both single-byte (Windows-1252) bytes, and so is the result.
// Enciphering and deciphering are the same operation; equal texts give equal bytes. An
// empty key, an empty text or a text longer than 100 bytes gives "0".
std::string EncriptarTexto(std::string_view texto, std::string_view clave);

// EncriptarTexto with kClaveTTO, from the precomputed stream.
std::string EncriptarTextoTTO(std::string_view texto);

}  // namespace tanteo
