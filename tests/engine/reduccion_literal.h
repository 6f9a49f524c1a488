// Inputs for the reduction tests, built the way the conditioning run hands them over, and a
// literal, slow reduction that follows the program's rules step by step with none of the
// shortcuts of ReduccionVoraz: distances from a full table, the covered test by comparing
// with the chosen bets (R >= 2) or by looking for a zero count nearby (R = 1), and, when
// asked, a recount of every count after every choice.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

#include "engine/ajustes_reduccion.h"
#include "engine/almacen_apuestas.h"
#include "engine/base_pronostico.h"
#include "engine/generador_aleatorio.h"
#include "engine/reduccion.h"

namespace tanteo::pruebas {

struct EntradaReduccion {
  AlmacenApuestas almacen;
  std::int32_t M = 0;
  bool sinFiltrar = false;
  Reduccion ajustes;
  std::vector<Apuesta> sistema;  // local digits (1..k) of every bet, index PosicionSistema - 1
  std::vector<bool> miembro;     // index PosicionSistema - 1

  PeticionReduccion Peticion() { return PeticionReduccion{almacen, M, sinFiltrar, ajustes, "1.234", "567"}; }
};

inline int Distancia(const Apuesta& a, const Apuesta& b) {
  int d = 0;
  for (int m = 0; m < kPartidos; ++m) d += a[m] != b[m] ? 1 : 0;
  return d;
}

// A base of between `minimo` and `maximo` bets, 1 to 4 random results per match.
inline BasePronostico BaseAleatoria(std::uint64_t semilla, std::int32_t minimo, std::int32_t maximo) {
  GeneradorAleatorio g;
  g.Sembrar(semilla);
  for (;;) {
    BasePronostico base;
    for (int m = 1; m <= kPartidos; ++m) {
      const auto k = g.Entre1Y(4);
      while (base.AceptadosPartido(m) < k) base.PonerResultado(m, static_cast<int>(g.Entre1Y(kResultados)), true);
    }
    if (base.Recuento() >= minimo && base.Recuento() <= maximo) return base;
  }
}

// The base with the given results in every match.
inline BasePronostico BaseIgual(std::initializer_list<int> resultados) {
  BasePronostico base;
  for (int m = 1; m <= kPartidos; ++m) {
    for (const int r : resultados) base.PonerResultado(m, r, true);
  }
  return base;
}

// Develops the base and keeps the bets `conservar` accepts (all of them, unfiltered, when it
// is empty), handing the survivors over in local digits as the conditioning run does.
template <class Conservar>
void Condicionar(EntradaReduccion& e, const BasePronostico& base, Conservar&& conservar, bool sinFiltrar) {
  AlmacenApuestas& a = e.almacen;
  a.TotalApuestas = base.Recuento();
  a.ApuestasSistema.Redimensionar(a.TotalApuestas);
  DesarrollarBase(base.ConstruirBase(), a.ApuestasSistema, a.TotalApuestas);
  ContarFrecuencias(a.ApuestasSistema, a.TotalApuestas, a.FrecuenciaResultados);
  DerivarResultadosPartido(a.FrecuenciaResultados, a.ResultadosPartido, a.NumResultados);
  const auto N = static_cast<std::size_t>(a.TotalApuestas);
  e.sinFiltrar = sinFiltrar;
  e.sistema.resize(N);
  e.miembro.resize(N);
  a.MarcasEliminacion.assign(N, 0);
  e.M = 0;
  for (std::size_t i = 0; i < N; ++i) {
    for (int m = 1; m <= kPartidos; ++m) {
      e.sistema[i][m - 1] = static_cast<std::uint8_t>(
          DigitoLocal(a.ApuestasSistema.Fila(static_cast<std::int32_t>(i) + 1)[m - 1], m, a.ResultadosPartido, a.NumResultados) + 1);
    }
    e.miembro[i] = sinFiltrar || conservar(e.sistema[i]);
    a.MarcasEliminacion[i] = e.miembro[i] ? 0 : 1;
    e.M += e.miembro[i] ? 1 : 0;
  }
  a.ApuestasCondicionadas.Redimensionar(e.M);
  std::int32_t fila = 0;
  for (std::size_t i = 0; i < N; ++i) {
    if (e.miembro[i]) a.ApuestasCondicionadas.Poner(++fila, e.sistema[i]);
  }
  a.OrdenApuestas.resize(N);
  std::iota(a.OrdenApuestas.begin(), a.OrdenApuestas.end(), 1);
}

// Keeps each bet with probability `cuota`, from a generator seeded with `semilla`.
inline void CondicionarAlAzar(EntradaReduccion& e, const BasePronostico& base, double cuota, std::uint64_t semilla) {
  GeneradorAleatorio g;
  g.Sembrar(semilla);
  Condicionar(e, base, [&](const Apuesta&) { return g.Siguiente() < cuota; }, false);
}

struct SalidaLiteral {
  std::vector<Apuesta> finales;
  std::vector<Apuesta> condicionadas;
  std::int64_t ciclos = 0;
  std::int64_t cicloMejor = 0;
  std::int32_t maximo = 0;
  int abandonados = 0;
};

class ReduccionLiteral {
 public:
  explicit ReduccionLiteral(const EntradaReduccion& e)
      : aj_(e.ajustes), R_(e.ajustes.Tipo), M_(e.M), N_(static_cast<int>(e.sistema.size())), sistema_(e.sistema),
        miembro_(e.miembro), num_(e.almacen.NumResultados) {
    for (std::int32_t f = 1; f <= M_; ++f) cond_.push_back(e.almacen.ApuestasCondicionadas.ApuestaEn(f));
    orden_.resize(static_cast<std::size_t>(M_));
    dist_.resize(static_cast<std::size_t>(N_) * N_);
    for (int a = 0; a < N_; ++a) {
      for (int b = 0; b < N_; ++b) dist_[static_cast<std::size_t>(a) * N_ + b] = static_cast<std::uint8_t>(Distancia(sistema_[a], sistema_[b]));
    }
  }

  // Runs the reduction; `detenerTrasCiclos` >= 0 presses the stop button once that many
  // cycles are complete (it is seen after the next choice).
  SalidaLiteral Ejecutar(GeneradorAleatorio& gen, std::int64_t detenerTrasCiclos = -1, bool recontar = false) {
    SalidaLiteral s;
    // 1. Preparation.
    std::int64_t ciclos = 0;
    std::int32_t D = M_ / 8;
    const std::int64_t base = aj_.Aleatorio == 1 ? static_cast<std::int64_t>(gen.Siguiente() * 9'999'999 + 1) : 0;
    std::iota(orden_.begin(), orden_.end(), 1);
    // 2. Analysis.
    std::vector<std::int32_t> cob(static_cast<std::size_t>(N_), 0);
    for (int c = 0; c < N_; ++c) {
      if (!miembro_[c]) continue;
      for (int z = 0; z < N_; ++z) {
        if (Dist(c, z) <= R_) ++cob[z];
      }
    }
    // 3. Set-up.
    std::int32_t txtNRActual = 10000;
    std::int32_t maximo = 10000;
    std::int32_t paso = 0;
    std::int32_t mejorCuenta = M_ + 1;
    std::int32_t n = 0;
    bool primera = true;
    const std::vector<std::int32_t> cobIni = cob;
    // 4. Cycles.
    for (;;) {
      std::vector<Apuesta> elegidas;
      std::int64_t cubiertas = 0;
      std::int32_t T = 1;
      std::int32_t P = 1;
      std::int32_t cuenta = 0;
      bool abandonado = false;
      for (;;) {
        const std::int32_t H = txtNRActual;
        std::int32_t mejor = 0;
        std::int32_t filaMejor = 0;
        std::int32_t fila = 0;
        std::int32_t desde = P;
        for (;;) {
          for (std::int32_t p = desde; p <= M_ && fila == 0; ++p) {
            const std::int32_t f = orden_[p - 1];
            const std::int32_t v = cob[Pos(cond_[f - 1])];
            if (v > mejor) {
              filaMejor = f;
              mejor = v;
              if (v >= H || v == T) {
                fila = f;
                P = p + 1;
              }
            }
          }
          if (fila != 0) break;
          if (desde == 1) {
            fila = filaMejor;
            break;
          }
          mejor -= 1;
          T -= 1;
          P = 1;
          desde = 1;
        }
        EXPECT_NE(fila, 0);
        if (fila == 0) return s;
        const Apuesta X = cond_[fila - 1];
        const int x = Pos(X);
        const std::int32_t v = cob[x];
        T = v;
        cubiertas += v;
        if (primera) {
          primera = false;
          maximo = static_cast<std::int32_t>(cubiertas);
          txtNRActual = maximo;
          paso = maximo <= 50 ? 1 : maximo <= 200 ? 10 : maximo <= 500 ? 20 : maximo <= 1000 ? 50 : 100;
          s.maximo = maximo;
        }
        if (R_ == 0) {
          --cob[x];
        } else {
          for (int y = 0; y < N_; ++y) {
            if (Dist(x, y) > R_ || !miembro_[y] || !NoCubierta(y, elegidas, cob)) continue;
            for (int z = 0; z < N_; ++z) {
              if (Dist(y, z) <= R_) --cob[z];
            }
          }
        }
        if (recontar) Recontar(cob, elegidas, X);
        if (++cuenta >= mejorCuenta) {
          abandonado = true;
          ++s.abandonados;
          break;
        }
        elegidas.push_back(X);
        const auto g = static_cast<std::int32_t>(static_cast<double>(cubiertas) / M_ * 100);
        if (detenerTrasCiclos >= 0 && ciclos >= detenerTrasCiclos) return Terminar(s, ciclos, gen);
        const bool fin = aj_.ActivarNumeroApuestas == 1 && aj_.ApuestasExactas == 0
                             ? g >= 100 || (aj_.ActivarCiclos == 0 && cuenta == aj_.NuApuestas)
                             : g >= aj_.Porcentaje;
        if (fin) break;
      }
      ++ciclos;
      if (!abandonado && cuenta < mejorCuenta) {
        mejorCuenta = cuenta;
        s.cicloMejor = ciclos;
        s.finales = elegidas;
        std::iota(orden_.begin(), orden_.end(), 1);
        std::vector<Apuesta> nuevas = elegidas;
        for (const Apuesta& a : cond_) {
          if (std::find(elegidas.begin(), elegidas.end(), a) == elegidas.end()) nuevas.push_back(a);
        }
        cond_ = nuevas;
        if (mejorCuenta == 1 ||
            (aj_.ActivarNumeroApuestas == 1 && aj_.ApuestasExactas == 0 && mejorCuenta <= aj_.NuApuestas)) {
          break;
        }
      }
      cob = cobIni;
      D = txtNRActual + 1 <= maximo ? mejorCuenta - 1 : M_ / 10 - 1;
      if (++n > 12) {
        std::iota(orden_.begin(), orden_.end(), 1);
        n = 1;
        if (txtNRActual > 1) {
          txtNRActual -= paso;
          if (txtNRActual < 1) txtNRActual = maximo;
        } else {
          txtNRActual = maximo;
        }
      }
      gen.Reiniciar();
      gen.Sembrar(static_cast<std::uint64_t>(ciclos + base));
      for (std::int32_t i = 1; i <= D; ++i) {
        const auto j = static_cast<std::int32_t>(gen.Siguiente() * D + 1);
        std::swap(orden_[i - 1], orden_[j - 1]);
      }
      if (aj_.ActivarCiclos != 1) break;
    }
    return Terminar(s, ciclos, gen);
  }

 private:
  int Dist(int a, int b) const { return dist_[static_cast<std::size_t>(a) * N_ + b]; }
  int Pos(const Apuesta& a) const {
    int v = 0;
    for (int m = 1; m <= kPartidos; ++m) v = v * num_[m] + (a[m - 1] - 1);
    return v;
  }

  bool NoCubierta(int y, const std::vector<Apuesta>& elegidas, const std::vector<std::int32_t>& cob) const {
    if (R_ >= 2) {
      for (const Apuesta& w : elegidas) {
        int distintos = 0;
        for (int m = 0; m < kPartidos && distintos <= R_; ++m) distintos += w[m] != sistema_[y][m] ? 1 : 0;
        if (distintos <= R_) return false;
      }
      return true;
    }
    for (int z = 0; z < N_; ++z) {
      if (Dist(y, z) <= 1 && cob[z] == 0) return false;
    }
    return true;
  }

  // Every count is the number of members within R not yet covered by the chosen bets.
  void Recontar(const std::vector<std::int32_t>& cob, const std::vector<Apuesta>& elegidas, const Apuesta& X) const {
    std::vector<bool> cubierta(static_cast<std::size_t>(N_), false);
    std::vector<int> posiciones;
    for (const Apuesta& w : elegidas) posiciones.push_back(Pos(w));
    posiciones.push_back(Pos(X));
    for (int u = 0; u < N_; ++u) {
      for (const int w : posiciones) cubierta[u] = cubierta[u] || Dist(u, w) <= R_;
    }
    for (int z = 0; z < N_; ++z) {
      std::int32_t esperada = 0;
      for (int u = 0; u < N_; ++u) esperada += miembro_[u] && !cubierta[u] && Dist(u, z) <= R_ ? 1 : 0;
      ASSERT_EQ(cob[z], esperada) << "bet " << z << " after " << posiciones.size() << " choices";
    }
  }

  // 5. The exact number of bets.
  SalidaLiteral& Terminar(SalidaLiteral& s, std::int64_t ciclos, GeneradorAleatorio& gen) {
    s.ciclos = ciclos;
    s.condicionadas = cond_;
    if (aj_.ApuestasExactas != 1 || ciclos == 0) return s;
    const auto W = static_cast<std::size_t>(aj_.NuApuestas);
    if (W < s.finales.size()) {
      s.finales.resize(W);
    } else if (W > s.finales.size()) {
      std::vector<bool> candidata(miembro_);
      for (const Apuesta& a : s.finales) candidata[Pos(a)] = false;
      std::vector<std::int32_t> perm(kEspacioApuestas);
      std::iota(perm.begin(), perm.end(), 1);
      gen.Reiniciar();
      gen.Sembrar(1);
      for (int pasada = 0; pasada < 3; ++pasada) {
        for (std::int32_t j = 1; j <= kEspacioApuestas; ++j) {
          std::swap(perm[j - 1], perm[static_cast<std::size_t>(gen.Siguiente() * kEspacioApuestas)]);
        }
      }
      for (const std::int32_t v : perm) {
        if (s.finales.size() == W) break;
        if (v <= N_ && candidata[v - 1]) s.finales.push_back(sistema_[v - 1]);
      }
    }
    return s;
  }

  Reduccion aj_;
  int R_;
  std::int32_t M_;
  int N_;
  std::vector<Apuesta> sistema_;
  std::vector<bool> miembro_;
  TablaNumResultados num_;
  std::vector<Apuesta> cond_;
  std::vector<std::int32_t> orden_;
  std::vector<std::uint8_t> dist_;
};

}  // namespace tanteo::pruebas
