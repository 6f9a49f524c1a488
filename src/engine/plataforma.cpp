#include "engine/plataforma.h"

#include <chrono>
#include <cstdlib>
#include <ctime>

namespace tanteo {

std::filesystem::path CarpetaProgramaXDG() {
  std::filesystem::path carpeta;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg != '\0') {
    carpeta = xdg;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    carpeta = std::filesystem::path(home) / ".local" / "share";
  } else {
    carpeta = std::filesystem::temp_directory_path();
  }
  carpeta /= "tanteo";
  std::error_code ec;
  std::filesystem::create_directories(carpeta, ec);
  return carpeta;
}

FechaHora AhoraLocal() {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

std::uint64_t SemillaDelReloj() {
  return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
         static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

}  // namespace tanteo
