// A drop-down list as the commands see it: its entries and the selected one. The window
// shows it in a combo box; the matchday and season selectors are two of these.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tanteo {

struct ListaDesplegable {
  std::vector<std::string> entradas;
  int indice = -1;  // 0-based, -1 when nothing is selected

  std::string Texto() const { return indice >= 0 && indice < static_cast<int>(entradas.size()) ? entradas[indice] : ""; }

  // Selects the entry whose text is `texto`; false (selection unchanged) when there is none,
  // as a list that only accepts its own entries refuses any other text.
  bool PonerTexto(std::string_view texto) {
    for (int i = 0; i < static_cast<int>(entradas.size()); ++i) {
      if (entradas[i] == texto) {
        indice = i;
        return true;
      }
    }
    return false;
  }

  void SeleccionarPrimera() { indice = entradas.empty() ? -1 : 0; }

  friend bool operator==(const ListaDesplegable&, const ListaDesplegable&) = default;
};

}  // namespace tanteo
