#include "utilities/base_al_azar.h"

#include <utility>

namespace tanteo {

std::array<int, kResultados> BarajarResultados(GeneradorAleatorio& generador, std::uint64_t semillaReloj) {
  generador.Reiniciar();
  generador.Sembrar(semillaReloj);
  std::array<int, kResultados> orden{};
  for (int i = 0; i < kResultados; ++i) orden[i] = i + 1;
  for (int i = 0; i < kResultados; ++i) {
    const auto j = static_cast<int>(generador.Siguiente() * kResultados);
    std::swap(orden[i], orden[j]);
  }
  return orden;
}

void FrmAlazarLogica::Rellenar(BasePronostico& base, GeneradorAleatorio& generador, Plataforma& plataforma) const {
  for (int m = 1; m <= kPartidos; ++m) {
    for (int r = 1; r <= kResultados; ++r) base.PonerResultado(m, r, false);
  }
  std::array<int, kPartidos> n = cuentas_;
  if (!respetarOrden) {
    for (int i = 0; i < kPartidos; ++i) {
      const auto j = static_cast<int>(generador.Siguiente() * kPartidos);
      std::swap(n[i], n[j]);
    }
  }
  for (int m = 1; m <= kPartidos; ++m) {
    const auto orden = BarajarResultados(generador, plataforma.SemillaReloj());
    for (int i = 0; i < n[m - 1]; ++i) base.PonerResultado(m, orden[i], true);
  }
}

}  // namespace tanteo
