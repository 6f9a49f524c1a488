#include "formats/encriptar_texto.h"

#include <gtest/gtest.h>

namespace tanteo {
namespace {

std::string Hex(std::string_view bytes) {
  static constexpr char kDigitos[] = "0123456789ABCDEF";
  std::string h;
  for (unsigned char c : bytes) h += {kDigitos[c >> 4], kDigitos[c & 15]};
  return h;
}

TEST(EncriptarTexto, VectoresRC4) {
  struct Caso {
    const char* clave;
    const char* texto;
    const char* cifrado;
  };
  for (const Caso& c : {Caso{"Key", "Plaintext", "BBF316E8D940AF0AD3"}, Caso{"Wiki", "pedia", "1021BF0420"},
                        Caso{"Secret", "Attack at dawn", "45A01F645FC35B383552544B9BF5"}}) {
    const std::string cifrado = EncriptarTexto(c.texto, c.clave);
    EXPECT_EQ(Hex(cifrado), c.cifrado) << c.clave;
    EXPECT_EQ(EncriptarTexto(cifrado, c.clave), c.texto) << "descifrar es cifrar otra vez";
  }
}

TEST(EncriptarTexto, SinClaveSinTextoODemasiadoLargoDaCero) {
  EXPECT_EQ(EncriptarTexto("abc", ""), "0");
  EXPECT_EQ(EncriptarTexto("", "Key"), "0");
  EXPECT_EQ(EncriptarTexto(std::string(101, 'a'), "Key"), "0");
  EXPECT_EQ(EncriptarTexto(std::string(100, 'a'), "Key").size(), 100u);
  EXPECT_EQ(EncriptarTextoTTO(std::string(101, 'a')), "0");
  EXPECT_EQ(EncriptarTextoTTO(""), "0");
}

TEST(EncriptarTexto, ElFlujoPrecalculadoEsElDeLaClaveFija) {
  for (const std::string& texto : {std::string("4-4-2-1-16-3"), std::string("00,01,02,M0,MM,11"), std::string(100, '\xF1')}) {
    EXPECT_EQ(EncriptarTextoTTO(texto), EncriptarTexto(texto, kClaveTTO));
  }
  EXPECT_EQ(EncriptarTextoTTO("00,01,02,M0,MM,11"), EncriptarTextoTTO("00,01,02,M0,MM,11"));
}

}  // namespace
}  // namespace tanteo
