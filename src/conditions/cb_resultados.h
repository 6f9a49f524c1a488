// CB by results: up to 100 column bases, each naming a result for some of the six matches
// and the numbers of those results a bet may hit.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/almacen_apuestas.h"
#include "engine/progreso.h"
#include "engine/vocabulario.h"

namespace tanteo {

inline constexpr int kBloquesFiltro = 100;
inline constexpr std::string_view kSinResultado = "---";
inline constexpr int kMaxAciertosCB = kPartidos;

struct ColumnaBaseResultados {
  // pronostico[m], m = 1..6 (index 0 unused): "---" or a result name "0-0".."M-M".
  std::array<std::string, kPartidos + 1> pronostico;
  // aciertos[h] = 1 when a bet with h hits survives, h = 0..6.
  std::array<std::uint8_t, kMaxAciertosCB + 1> aciertos{};

  ColumnaBaseResultados() { pronostico.fill(std::string(kSinResultado)); }

  // Takes part in the evaluation: some cell is not "---".
  bool Participa() const;
  // In use for the list's block count: some accepted count is set.
  bool EnUso() const;
  // Matches whose cell is not "---": the highest count a bet can hit.
  int AciertosAlcanzables() const;
};

struct FiltroCBResultados {
  std::array<ColumnaBaseResultados, kBloquesFiltro + 1> cb;  // CB 1..100 (index 0 unused)

  ColumnaBaseResultados& CB(int numero) { return cb[numero]; }
  const ColumnaBaseResultados& CB(int numero) const { return cb[numero]; }
  int BloquesEnUso() const;
};

// The result a cell names, compared exactly with "0-0".."M-M"; 0 for "---" or any other text
// (no bet matches 0).
int ResultadoDeCelda(std::string_view celda);

// Eliminates the kept rows of the system that fail CB `numero` (1..100); the number marked.
std::int32_t EvaluarCBResultados(const FiltroCBResultados& filtro, int numero, AlmacenApuestas& apuestas,
                                 Progreso& progreso);

// The whole filter in one pass: the same marks and the same total as calling
// EvaluarCBResultados for CB 1..100 in turn.
std::int32_t EvaluarFiltroCBResultados(const FiltroCBResultados& filtro, AlmacenApuestas& apuestas,
                                       Progreso& progreso);

}  // namespace tanteo
