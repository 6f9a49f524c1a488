#include "engine/base_pronostico.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace tanteo {

void BasePronostico::AlternarResultado(int partido, int resultado) {
  resultados_[partido][resultado] = !resultados_[partido][resultado];
}

void BasePronostico::PonerResultado(int partido, int resultado, bool seleccionado) {
  resultados_[partido][resultado] = seleccionado;
}

int BasePronostico::AceptadosPartido(int partido) const {
  int k = 0;
  for (int r = 1; r <= kResultados; ++r) k += resultados_[partido][r] ? 1 : 0;
  return k;
}

void BasePronostico::AlternarSigno(int equipo, int signo) {
  signos_[equipo][signo] = !signos_[equipo][signo];
  cuentaSignos_[equipo] = static_cast<std::uint8_t>(cuentaSignos_[equipo] + (signos_[equipo][signo] ? 1 : -1));
}

void BasePronostico::SeleccionarTodo() {
  if (vista_ == Vista::PorResultados) {
    for (int m = 1; m <= kPartidos; ++m) {
      for (int r = 1; r <= kResultados; ++r) resultados_[m][r] = true;
    }
  } else {
    for (int t = 1; t <= kEquipos; ++t) {
      signos_[t].fill(true);
      cuentaSignos_[t] = kSignos;
    }
  }
}

void BasePronostico::LimpiarVistaActiva() {
  if (vista_ == Vista::PorResultados) {
    resultados_ = {};
  } else {
    signos_ = {};
    cuentaSignos_ = {};
  }
}

void BasePronostico::Reiniciar() {
  resultados_ = {};
  signos_ = {};
  cuentaSignos_ = {};
  vista_ = Vista::PorResultados;
}

void BasePronostico::CambiarVista() {
  vista_ = vista_ == Vista::PorResultados ? Vista::PorPronostico : Vista::PorResultados;
  LimpiarVistaActiva();
}

std::int32_t BasePronostico::Recuento() const {
  std::int32_t total = 1;
  if (vista_ == Vista::PorResultados) {
    for (int m = 1; m <= kPartidos; ++m) total *= AceptadosPartido(m);
  } else {
    for (int t = 1; t <= kEquipos; ++t) total *= cuentaSignos_[t];
  }
  return total;
}

TablaBase BasePronostico::ConstruirBase() const {
  return vista_ == Vista::PorResultados ? ConstruirBasePorResultados() : ConstruirBasePorPronostico();
}

TablaBase BasePronostico::ConstruirBasePorResultados() const {
  TablaBase base{};
  for (int m = 1; m <= kPartidos; ++m) {
    for (int r = 1; r <= kResultados; ++r) base[m][r] = resultados_[m][r] ? 1 : 0;
  }
  return base;
}

TablaBase BasePronostico::ConstruirBasePorPronostico() const {
  TablaBase base{};
  std::array<std::array<bool, kResultados + 1>, kEquipos + 1> marcado{};
  for (int k = 1; k <= kPartidos; ++k) {
    const int local = 2 * k - 1;
    const int visitante = 2 * k;
    for (int s = 0; s < kSignos; ++s) {
      if (signos_[local][s]) {
        for (int r = 4 * s + 1; r <= 4 * s + 4; ++r) marcado[local][r] = true;
      }
      if (signos_[visitante][s]) {
        for (int r = s + 1; r <= kResultados; r += 4) marcado[visitante][r] = true;
      }
    }
    for (int r = 1; r <= kResultados; ++r) base[k][r] = marcado[local][r] && marcado[visitante][r] ? 1 : 0;
  }
  return base;
}

void ListasDeBase(const TablaBase& base, TablaResultadosPartido& resultados, TablaNumResultados& num) {
  resultados = {};
  num = {};
  for (int m = 1; m <= kPartidos; ++m) {
    for (int r = 1; r <= kResultados; ++r) {
      if (base[m][r]) resultados[++num[m]][m] = static_cast<std::uint8_t>(r);
    }
  }
}

void DesarrollarBase(const TablaBase& base, TablaApuestas& destino, std::int32_t cuenta) {
  static_assert(std::endian::native == std::endian::little, "rows are stored as little-endian words");
  TablaResultadosPartido lista{};
  TablaNumResultados num{};
  ListasDeBase(base, lista, num);
  std::int64_t producto = 1;
  for (int m = 1; m <= kPartidos; ++m) producto *= num[m];
  if (producto == 0 || cuenta <= 0) return;

  // The enumeration as nested loops, match 6 innermost. Every row is written with one
  // eight-byte store (the table keeps two spare bytes after its last row), the first five
  // results coming from a prefix kept in a register.
  std::uint8_t* salida = destino.Datos();
  std::int64_t escritas = 0;
  std::array<std::uint8_t, 8> fila{};
  std::array<std::uint64_t, kResultados> ultimo{};  // the byte of match 6 at bit 40
  for (int d = 0; d < num[6]; ++d) ultimo[d] = static_cast<std::uint64_t>(lista[d + 1][6]) << 40;
  const int k6 = num[6];
  for (int a = 1; a <= num[1]; ++a) {
    fila[0] = lista[a][1];
    for (int b = 1; b <= num[2]; ++b) {
      fila[1] = lista[b][2];
      for (int c = 1; c <= num[3]; ++c) {
        fila[2] = lista[c][3];
        for (int d = 1; d <= num[4]; ++d) {
          fila[3] = lista[d][4];
          for (int e = 1; e <= num[5]; ++e) {
            fila[4] = lista[e][5];
            fila[5] = 0;
            std::uint64_t prefijo = 0;
            std::memcpy(&prefijo, fila.data(), sizeof prefijo);
            prefijo &= 0x000000FFFFFFFFFFull;
            const int filas = static_cast<int>(std::min<std::int64_t>(k6, cuenta - escritas));
            for (int f = 0; f < filas; ++f) {
              const std::uint64_t valor = prefijo | ultimo[f];
              std::memcpy(salida, &valor, sizeof valor);
              salida += kBytesApuesta;
            }
            escritas += filas;
            if (escritas == cuenta) return;
          }
        }
      }
    }
  }
}

}  // namespace tanteo
