#include "matchday/servicio_carpeta.h"

#include <fstream>
#include <iterator>

namespace tanteo {
namespace {

// A matchday or season must name one entry of the folder, never climb out of it.
bool NombreSeguro(std::string_view nombre) {
  return !nombre.empty() && nombre != "." && nombre != ".." &&
         nombre.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

}  // namespace

ServicioCarpeta::ServicioCarpeta(std::filesystem::path carpeta) : carpeta_(std::move(carpeta)) {}

RespuestaServicio ServicioCarpeta::Consultar(std::string_view jornada, std::string_view temporada) {
  const std::string carpetaTemporada = TemporadaServicio(temporada);
  if (!NombreSeguro(jornada) || !NombreSeguro(carpetaTemporada)) {
    return {false, {}, "jornada o temporada no válida"};
  }
  const std::filesystem::path fichero = carpeta_ / carpetaTemporada / (std::string(jornada) + ".xml");
  const std::string sinDatos = "no hay datos de la jornada " + std::string(jornada) + " de la temporada " +
                               std::string(temporada) + " en " + carpeta_.string();
  std::error_code ec;
  const auto tamano = std::filesystem::file_size(fichero, ec);
  if (ec) return {false, {}, sinDatos};
  if (tamano > kTamanoMaximoRespuesta) return {false, {}, std::string(kRespuestaDemasiadoGrande)};
  std::ifstream entrada(fichero, std::ios::binary);
  std::string texto((std::istreambuf_iterator<char>(entrada)), std::istreambuf_iterator<char>());
  if (entrada.bad() || !entrada.is_open()) return {false, {}, sinDatos};
  return {true, std::move(texto), {}};
}

}  // namespace tanteo
