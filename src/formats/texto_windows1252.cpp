#include "formats/texto_windows1252.h"

#include <array>
#include <cstdint>

namespace tanteo {
namespace {

// Code points of the bytes 0x80..0x9F. The five bytes the code page leaves unassigned stand
// for the control characters of the same value, as the system's conversion does.
constexpr std::array<char32_t, 32> kBloque80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char ByteDe(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t i = 0; i < kBloque80.size(); ++i) {
    if (kBloque80[i] == c) return static_cast<char>(0x80 + i);
  }
  return '?';
}

// Decodes one UTF-8 sequence at `i`, advancing it; U+FFFD when malformed.
char32_t SiguienteCaracter(std::string_view t, std::size_t& i) {
  const auto b = static_cast<std::uint8_t>(t[i++]);
  if (b < 0x80) return b;
  int resto = 0;
  char32_t c = 0;
  char32_t minimo = 0;
  if ((b & 0xE0) == 0xC0) {
    resto = 1, c = b & 0x1F, minimo = 0x80;
  } else if ((b & 0xF0) == 0xE0) {
    resto = 2, c = b & 0x0F, minimo = 0x800;
  } else if ((b & 0xF8) == 0xF0) {
    resto = 3, c = b & 0x07, minimo = 0x10000;
  } else {
    return 0xFFFD;
  }
  for (int k = 0; k < resto; ++k) {
    if (i >= t.size() || (static_cast<std::uint8_t>(t[i]) & 0xC0) != 0x80) return 0xFFFD;
    c = (c << 6) | (static_cast<std::uint8_t>(t[i++]) & 0x3F);
  }
  if (c < minimo || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0xFFFD;
  return c;
}

}  // namespace

std::string Utf8AWindows1252(std::string_view utf8) {
  std::string bytes;
  bytes.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) bytes += ByteDe(SiguienteCaracter(utf8, i));
  return bytes;
}

}  // namespace tanteo
