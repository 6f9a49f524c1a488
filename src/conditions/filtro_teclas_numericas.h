// The key filter of the program's numeric boxes.
#pragma once

#include <string_view>

namespace tanteo {

enum class ModoTeclas {
  Decimal,  // digits, the period, one comma
  Entero,   // digits only
};

inline constexpr int kTeclaRetroceso = 8;
inline constexpr int kTeclaEscape = 27;

// Whether the key of character code `tecla` may go into a box that holds `texto`:
// Backspace, Escape and the digits always, in decimal mode also the period and a comma
// when the box holds none yet. The screen discards a refused key and beeps.
bool FiltroTeclasNumericas(int tecla, std::string_view texto, ModoTeclas modo);

}  // namespace tanteo
