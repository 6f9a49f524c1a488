// The pools-data service over HTTP(S), with libcurl. The window waits for the answer, so
// both the connection and the whole exchange have a time limit.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "matchday/servicio_jornada.h"

namespace tanteo {

struct TiemposEspera {
  std::chrono::milliseconds conexion{5000};
  std::chrono::milliseconds total{15000};
};

// base + "/xml/quinigol.asp?jornada=" + matchday + "&temporada=" + season with "-".
std::string DireccionConsulta(std::string_view base, std::string_view jornada, std::string_view temporada);

class ServicioHTTP final : public ServicioJornada {
 public:
  // `base`: "https://host" or "http://host:port"; other schemes are refused.
  explicit ServicioHTTP(std::string base, TiemposEspera tiempos = {});
  RespuestaServicio Consultar(std::string_view jornada, std::string_view temporada) override;

 private:
  std::string base_;
  TiemposEspera tiempos_;
};

}  // namespace tanteo
