#include "engine/vecindad.h"

namespace tanteo {

Vecindad::Vecindad(const TablaNumResultados& num) {
  for (int m = 1; m <= kPartidos; ++m) {
    if (num[m] > 1) {
      partido_[variables_] = m;
      k_[variables_] = num[m];
      ++variables_;
    }
  }
  // Match 6 runs fastest: the last varying match has stride 1.
  for (int j = variables_ - 1; j >= 0; --j) {
    paso_[j] = total_;
    total_ *= k_[j];
  }
}

Vecindad::Digitos Vecindad::DigitosDeFila(const std::uint8_t* fila) const {
  Digitos d{};
  for (int j = 0; j < variables_; ++j) d[j] = fila[partido_[j] - 1] - 1;
  return d;
}

std::int32_t Vecindad::IndiceDeFila(const std::uint8_t* fila) const {
  std::int32_t indice = 0;
  for (int j = 0; j < variables_; ++j) indice += (fila[partido_[j] - 1] - 1) * paso_[j];
  return indice;
}

std::int32_t Vecindad::Indice(const Digitos& d) const {
  std::int32_t indice = 0;
  for (int j = 0; j < variables_; ++j) indice += d[j] * paso_[j];
  return indice;
}

void Vecindad::FilaDeIndice(std::int32_t indice, std::uint8_t* fila) const {
  for (int m = 0; m < kPartidos; ++m) fila[m] = 1;
  for (int j = 0; j < variables_; ++j) {
    fila[partido_[j] - 1] = static_cast<std::uint8_t>(indice / paso_[j] + 1);
    indice %= paso_[j];
  }
}

void Vecindad::Siguiente(Digitos& d) const {
  for (int j = variables_ - 1; j >= 0; --j) {
    if (++d[j] < k_[j]) return;
    d[j] = 0;
  }
}

}  // namespace tanteo
