// Small helpers of the file tests: raw bytes in and out, hand-made TTO records, and bets
// written as their compact text.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/tabla_apuestas.h"
#include "formats/encriptar_texto.h"

namespace tanteo::pruebas {

inline std::string LeerBytes(const std::filesystem::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

inline void EscribirBytes(const std::filesystem::path& ruta, const std::string& bytes) {
  std::ofstream(ruta, std::ios::binary) << bytes;
}

// One TTO record of a plain text: its length and its enciphered bytes.
inline std::string RegistroTTO(const std::string& texto) {
  const std::string cifrado = EncriptarTexto(texto, kClaveTTO);
  return std::string{static_cast<char>(cifrado.size() & 0xFF), static_cast<char>(cifrado.size() >> 8)} + cifrado;
}

// A TTO file made of these plain records.
inline std::string FicheroTTO(const std::vector<std::string>& registros) {
  std::string bytes;
  for (const auto& r : registros) bytes += RegistroTTO(r);
  return bytes;
}

inline TablaApuestas TablaDe(const std::vector<std::string>& compactas) {
  TablaApuestas t;
  t.Redimensionar(static_cast<std::int32_t>(compactas.size()));
  for (std::size_t i = 0; i < compactas.size(); ++i) {
    t.Poner(static_cast<std::int32_t>(i + 1), DecodificarApuesta(compactas[i], false).apuesta);
  }
  return t;
}

inline std::vector<std::string> Compactas(const TablaApuestas& t, std::int32_t filas) {
  std::vector<std::string> v;
  for (std::int32_t i = 1; i <= filas; ++i) v.push_back(ApuestaCompacta(t.Fila(i)));
  return v;
}

}  // namespace tanteo::pruebas
