// A local stand-in for the service: a folder of answers laid out as
// <season with "-">/<matchday>.xml. The program ships one with sample data.
#pragma once

#include <filesystem>

#include "matchday/servicio_jornada.h"

namespace tanteo {

class ServicioCarpeta final : public ServicioJornada {
 public:
  explicit ServicioCarpeta(std::filesystem::path carpeta);
  RespuestaServicio Consultar(std::string_view jornada, std::string_view temporada) override;

 private:
  std::filesystem::path carpeta_;
};

}  // namespace tanteo
