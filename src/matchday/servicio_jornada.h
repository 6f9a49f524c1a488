// Where the team names and percentages of a matchday come from: the pools-data service or
// a source that answers the same request with the same document.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tanteo {

struct RespuestaServicio {
  bool ok = false;
  std::string texto;        // the answer, whatever the server's status, when ok
  std::string descripcion;  // why there is no answer, in Spanish, when not ok
};

class ServicioJornada {
 public:
  virtual ~ServicioJornada() = default;
  // The answer for a matchday ("7") of a season ("2024/2025"). Never blocks for longer
  // than the source's own time limit.
  virtual RespuestaServicio Consultar(std::string_view jornada, std::string_view temporada) = 0;
};

// The season as the service names it: every "/" becomes "-" (2024/2025 → 2024-2025).
std::string TemporadaServicio(std::string_view temporada);

// Answers are a few kilobytes; anything larger than this is not an answer.
inline constexpr std::size_t kTamanoMaximoRespuesta = 4 * 1024 * 1024;
inline constexpr std::string_view kRespuestaDemasiadoGrande = "la respuesta es demasiado grande";

}  // namespace tanteo
