// The program's surroundings: its folder, the text editor and browser, and the clock.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace tanteo {

struct FechaHora {
  int anio = 0, mes = 0, dia = 0, hora = 0, minuto = 0, segundo = 0;
};

class Plataforma {
 public:
  virtual ~Plataforma() = default;
  // Where the configuration file and the reports live (created on first use).
  virtual std::filesystem::path CarpetaPrograma() = 0;
  // Opens a report in the text editor, not awaited; false when it could not be started.
  virtual bool AbrirEnEditor(const std::filesystem::path& fichero) = 0;
  // Opens an address in the browser, not awaited; false when it could not be started.
  virtual bool AbrirDireccion(std::string_view direccion) = 0;
  // Local date and time.
  virtual FechaHora Ahora() = 0;
  // A seed that differs from one call to the next (taken from the clock).
  virtual std::uint64_t SemillaReloj() = 0;
};

// $XDG_DATA_HOME/tanteo, or ~/.local/share/tanteo, created when missing.
std::filesystem::path CarpetaProgramaXDG();
FechaHora AhoraLocal();
std::uint64_t SemillaDelReloj();

}  // namespace tanteo
