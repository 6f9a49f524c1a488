// A set of bets as one flat block of six bytes per bet: rows 1..Filas(), match 1 first.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>

#include "engine/vocabulario.h"

namespace tanteo {

class TablaApuestas {
 public:
  // Discards the content and makes room for `filas` rows (left uninitialised: every
  // writer fills the rows it uses). Throws std::bad_alloc when memory runs out.
  void Redimensionar(std::int32_t filas) {
    datos_.reset();
    filas_ = 0;
    // Two spare bytes let writers store a row with one eight-byte move.
    datos_ = std::make_unique_for_overwrite<std::uint8_t[]>(static_cast<std::size_t>(filas) * kBytesApuesta + 2);
    filas_ = filas;
  }
  void Liberar() {
    datos_.reset();
    filas_ = 0;
  }

  std::int32_t Filas() const { return filas_; }
  bool Vacia() const { return filas_ == 0; }

  // Row `fila` (1..Filas()); element m - 1 is match m.
  std::uint8_t* Fila(std::int32_t fila) { return datos_.get() + static_cast<std::size_t>(fila - 1) * kBytesApuesta; }
  const std::uint8_t* Fila(std::int32_t fila) const {
    return datos_.get() + static_cast<std::size_t>(fila - 1) * kBytesApuesta;
  }
  std::uint8_t& operator()(std::int32_t fila, int partido) { return Fila(fila)[partido - 1]; }
  std::uint8_t operator()(std::int32_t fila, int partido) const { return Fila(fila)[partido - 1]; }

  Apuesta ApuestaEn(std::int32_t fila) const {
    Apuesta a;
    std::memcpy(a.data(), Fila(fila), kBytesApuesta);
    return a;
  }
  void Poner(std::int32_t fila, const Apuesta& a) { std::memcpy(Fila(fila), a.data(), kBytesApuesta); }

  // The whole block, row 1 first.
  std::uint8_t* Datos() { return datos_.get(); }
  const std::uint8_t* Datos() const { return datos_.get(); }

 private:
  std::unique_ptr<std::uint8_t[]> datos_;
  std::int32_t filas_ = 0;
};

}  // namespace tanteo
