// The matchday options shared by the `jornada` and `porcentajes` commands.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tanteo::cli {

struct ArgumentosJornada {
  std::string jornada;    // "1" .. "99"
  std::string temporada;  // "1990/1991" .. "2060/2061"
  std::string tipo;       // only with --tipo
};

// "--jornada N --temporada AAAA/AAAA", plus "--tipo X" when `tipos` is not empty (X one of
// them). Values must be entries of the window's selectors. A usage error is printed on
// standard error and gives nothing.
std::optional<ArgumentosJornada> LeerArgumentosJornada(const std::vector<std::string_view>& argumentos,
                                                       const std::vector<std::string_view>& tipos = {});

}  // namespace tanteo::cli
