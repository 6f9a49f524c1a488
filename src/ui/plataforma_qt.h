// Plataforma of the desktop: the XDG data folder, the shell's "open" through
// QDesktopServices (not awaited), the local clock.
#pragma once

#include "engine/plataforma.h"

namespace tanteo {

class PlataformaQt : public Plataforma {
 public:
  std::filesystem::path CarpetaPrograma() override { return CarpetaProgramaXDG(); }
  bool AbrirEnEditor(const std::filesystem::path& fichero) override;
  bool AbrirDireccion(std::string_view direccion) override;
  FechaHora Ahora() override { return AhoraLocal(); }
  std::uint64_t SemillaReloj() override { return SemillaDelReloj(); }
};

}  // namespace tanteo
