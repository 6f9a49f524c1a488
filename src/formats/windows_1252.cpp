#include "formats/windows_1252.h"

#include <array>
#include <cstdint>

namespace tanteo {
namespace {

// Code points of bytes 0x80..0x9F; the other bytes equal their code point.
constexpr std::array<char32_t, 32> kAltos = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AnadirUtf8(std::string& s, char32_t c) {
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | (c >> 6));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    s += static_cast<char>(0xE0 | (c >> 12));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes one UTF-8 sequence at `i`; false when it is not valid UTF-8.
bool Decodificar(std::string_view s, std::size_t& i, char32_t& c) {
  const auto b = static_cast<unsigned char>(s[i]);
  int resto = 0;
  if (b < 0x80) {
    c = b;
  } else if (b >= 0xC2 && b <= 0xDF) {
    c = b & 0x1F;
    resto = 1;
  } else if (b >= 0xE0 && b <= 0xEF) {
    c = b & 0x0F;
    resto = 2;
  } else if (b >= 0xF0 && b <= 0xF4) {
    c = b & 0x07;
    resto = 3;
  } else {
    return false;
  }
  if (i + static_cast<std::size_t>(resto) >= s.size() && resto > 0) return false;
  for (int k = 1; k <= resto; ++k) {
    const auto t = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
    if ((t & 0xC0) != 0x80) return false;
    c = (c << 6) | (t & 0x3F);
  }
  // Overlong forms, surrogates and values beyond Unicode are not valid.
  if ((resto == 2 && c < 0x800) || (resto == 3 && (c < 0x10000 || c > 0x10FFFF)) || (c >= 0xD800 && c <= 0xDFFF)) {
    return false;
  }
  i += static_cast<std::size_t>(resto) + 1;
  return true;
}

}  // namespace

std::string Utf8AWindows1252(std::string_view utf8) {
  std::string bytes;
  bytes.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t c = 0;
    if (!Decodificar(utf8, i, c)) {
      bytes += '?';
      ++i;
      continue;
    }
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      bytes += static_cast<char>(c);
      continue;
    }
    char sustituto = '?';
    for (std::size_t k = 0; k < kAltos.size(); ++k) {
      if (kAltos[k] == c) sustituto = static_cast<char>(0x80 + k);
    }
    bytes += sustituto;
  }
  return bytes;
}

std::string Windows1252AUtf8(std::string_view bytes) {
  std::string s;
  s.reserve(bytes.size() + bytes.size() / 8);
  for (char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    AnadirUtf8(s, b >= 0x80 && b <= 0x9F ? kAltos[b - 0x80] : static_cast<char32_t>(b));
  }
  return s;
}

bool EsUtf8Valido(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    char32_t c = 0;
    if (!Decodificar(bytes, i, c)) return false;
  }
  return true;
}

std::string TextoLeidoAUtf8(std::string_view bytes) {
  return EsUtf8Valido(bytes) ? std::string(bytes) : Windows1252AUtf8(bytes);
}

}  // namespace tanteo
