// tanteo-cli porcentajes --jornada N --temporada AAAA/AAAA --tipo analisis|jugados|lae|mixto:
// the percentages of a matchday as a percentage block would show them.
#pragma once

#include <string_view>
#include <vector>

namespace tanteo::cli {

int OrdenPorcentajes(const std::vector<std::string_view>& argumentos);

}  // namespace tanteo::cli
