// Plataforma for tests: a temporary program folder, a fixed clock, and a record of what
// would have been opened.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "engine/plataforma.h"

namespace tanteo::pruebas {

class PlataformaFalsa : public Plataforma {
 public:
  explicit PlataformaFalsa(std::filesystem::path carpeta) : carpeta_(std::move(carpeta)) {
    std::filesystem::create_directories(carpeta_);
  }
  std::filesystem::path CarpetaPrograma() override { return carpeta_; }
  bool AbrirEnEditor(const std::filesystem::path& fichero) override {
    abiertosEnEditor.push_back(fichero);
    return true;
  }
  bool AbrirDireccion(std::string_view direccion) override {
    direcciones.emplace_back(direccion);
    return !direccionFalla;
  }
  FechaHora Ahora() override { return ahora; }
  std::uint64_t SemillaReloj() override { return ++semilla; }

  FechaHora ahora{2025, 8, 1, 12, 0, 0};
  std::uint64_t semilla = 0;
  std::vector<std::filesystem::path> abiertosEnEditor;
  std::vector<std::string> direcciones;
  bool direccionFalla = false;  // the browser cannot be started

 private:
  std::filesystem::path carpeta_;
};

}  // namespace tanteo::pruebas
