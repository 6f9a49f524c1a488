#include "formats/encriptar_texto.h"

namespace tanteo {
namespace {

bool SeCifra(std::string_view texto, std::string_view clave) {
  return !clave.empty() && !texto.empty() && texto.size() <= kLongitudMaximaCifrado;
}

std::string Combinar(std::string_view texto, const std::array<std::uint8_t, kLongitudMaximaCifrado>& flujo) {
  std::string cifrado(texto);
  for (std::size_t i = 0; i < cifrado.size(); ++i) {
    cifrado[i] = static_cast<char>(static_cast<std::uint8_t>(cifrado[i]) ^ flujo[i]);
  }
  return cifrado;
}

}  // namespace

std::string EncriptarTexto(std::string_view texto, std::string_view clave) {
  if (!SeCifra(texto, clave)) return "0";
  return Combinar(texto, FlujoRC4<kLongitudMaximaCifrado>(clave));
}

std::string EncriptarTextoTTO(std::string_view texto) {
  if (!SeCifra(texto, kClaveTTO)) return "0";
  return Combinar(texto, kFlujoClaveTTO);
}

}  // namespace tanteo
