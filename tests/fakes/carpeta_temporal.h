// A fresh folder for one test, removed afterwards.
#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace tanteo::pruebas {

class CarpetaTemporal {
 public:
  CarpetaTemporal() {
    std::random_device azar;
    ruta_ = std::filesystem::temp_directory_path() / ("tanteo-prueba-" + std::to_string(azar()) + std::to_string(azar()));
    std::filesystem::create_directories(ruta_);
  }
  ~CarpetaTemporal() {
    std::error_code ec;
    std::filesystem::remove_all(ruta_, ec);
  }
  CarpetaTemporal(const CarpetaTemporal&) = delete;
  CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;

  const std::filesystem::path& Ruta() const { return ruta_; }
  std::filesystem::path operator/(const std::string& nombre) const { return ruta_ / nombre; }

 private:
  std::filesystem::path ruta_;
};

}  // namespace tanteo::pruebas
