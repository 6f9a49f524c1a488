// The program's pseudo-random generator: values in [0, 1), reset and seed, the same
// sequence for the same seed on every run and machine.
#pragma once

#include <cstdint>

namespace tanteo {

class GeneradorAleatorio {
 public:
  GeneradorAleatorio() { Reiniciar(); }
  // Back to the initial state.
  void Reiniciar() { estado_ = kEstadoInicial; }
  // Moves to the sequence of `semilla` (after Reiniciar, the same seed gives the same values).
  void Sembrar(std::uint64_t semilla) { estado_ = kEstadoInicial ^ (semilla * 0xD1B54A32D192ED03ull); }
  // Next value in [0, 1).
  double Siguiente() { return static_cast<double>(Paso() >> 11) * 0x1.0p-53; }
  // Integer part of (Siguiente() x n + 1): a uniform integer 1..n, as the program draws positions.
  std::int64_t Entre1Y(std::int64_t n) { return static_cast<std::int64_t>(Siguiente() * static_cast<double>(n)) + 1; }

 private:
  static constexpr std::uint64_t kEstadoInicial = 0x853C49E6748FEA9Bull;
  // splitmix64: tiny, fast and statistically sound for shuffles and draws.
  std::uint64_t Paso() {
    std::uint64_t z = (estado_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  std::uint64_t estado_;
};

}  // namespace tanteo
