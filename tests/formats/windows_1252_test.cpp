#include "formats/windows_1252.h"

#include <gtest/gtest.h>

namespace tanteo {
namespace {

TEST(Windows1252, IdaYVueltaDeLosTextosDelPrograma) {
  const std::string utf8 = "Análisis por Pronósticos: Málaga, Logroñés, 5 €, «Nº»";
  const std::string bytes = Utf8AWindows1252(utf8);
  EXPECT_EQ(bytes.size(), utf8.size() - 10);  // nine characters of two or three UTF-8 bytes become one
  EXPECT_EQ(static_cast<unsigned char>(bytes[2]), 0xE1);
  EXPECT_NE(bytes.find('\x80'), std::string::npos);
  EXPECT_EQ(Windows1252AUtf8(bytes), utf8);
  EXPECT_EQ(Utf8AWindows1252("日本"), "??");
}

TEST(Windows1252, TextoLeidoSeTomaComoUtf8SoloSiLoEs) {
  EXPECT_TRUE(EsUtf8Valido("Málaga"));
  EXPECT_FALSE(EsUtf8Valido("M\xE1laga"));
  EXPECT_FALSE(EsUtf8Valido("\xC3"));          // cut sequence
  EXPECT_FALSE(EsUtf8Valido("\xC0\xAF"));      // overlong
  EXPECT_FALSE(EsUtf8Valido("\xED\xA0\x80"));  // surrogate
  EXPECT_EQ(TextoLeidoAUtf8("M\xE1laga"), "Málaga");
  EXPECT_EQ(TextoLeidoAUtf8("Málaga"), "Málaga");
}

}  // namespace
}  // namespace tanteo
