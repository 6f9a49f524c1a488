// The configuration file "TANTEO_CONFIG.txt" in the program's folder: the matchday and the
// season the player last worked on, as the lines "JORNADA=12" and "TEMPORADA=2023/2024".
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tanteo {

inline constexpr std::string_view kFicheroConfiguracion = "TANTEO_CONFIG.txt";

// One line split at its first "=".
struct LineaConfiguracion {
  std::string clave;
  std::string valor;
};

struct LecturaConfiguracion {
  bool existe = false;
  // Both lines read and split; false when the file is shorter, a line has no "=" or the
  // file cannot be read.
  bool legible = false;
  LineaConfiguracion primera;
  LineaConfiguracion segunda;
};

LecturaConfiguracion LeerConfiguracion(const std::filesystem::path& fichero);

// The file's content: both lines ended by CR LF.
std::string TextoConfiguracion(std::string_view jornada, std::string_view temporada);

// The matchday value of the file as the list shows it: converted to a 16-bit integer (as the
// program converts typed numbers, "07" -> "7") and back to text; nothing when it is not one.
std::optional<std::string> JornadaDeConfiguracion(std::string_view valor);

}  // namespace tanteo
