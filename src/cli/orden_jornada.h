// tanteo-cli jornada --jornada N --temporada AAAA/AAAA: the twelve team names of a matchday.
#pragma once

#include <string_view>
#include <vector>

namespace tanteo::cli {

int OrdenJornada(const std::vector<std::string_view>& argumentos);

}  // namespace tanteo::cli
