// How long operations show their progress and give the interface its turn.
#pragma once

#include <cstdint>
#include <string_view>

namespace tanteo {

class Progreso {
 public:
  virtual ~Progreso() = default;
  // The progress bar: `hecho` of `total` (the bar's width becomes hecho / total of its full width).
  virtual void Avance(std::int64_t hecho, std::int64_t total) = 0;
  // A caption the operation shows while it works.
  virtual void Texto(std::string_view texto) = 0;
  // Lets the interface process pending events; the stop buttons are read here.
  virtual void Ceder() = 0;
  // Whether the user has pressed the stop button of the running operation.
  virtual bool DetencionPedida() const = 0;
};

// For work with nobody watching (the command line, background checks).
class ProgresoNulo final : public Progreso {
 public:
  void Avance(std::int64_t, std::int64_t) override {}
  void Texto(std::string_view) override {}
  void Ceder() override {}
  bool DetencionPedida() const override { return false; }
};

}  // namespace tanteo
