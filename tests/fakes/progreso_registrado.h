// Progreso for tests: records captions, advances and yields, and can press the stop button
// after a given number of yields.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/progreso.h"

namespace tanteo::pruebas {

class ProgresoRegistrado : public Progreso {
 public:
  void Avance(std::int64_t hecho, std::int64_t total) override { avances.emplace_back(hecho, total); }
  void Texto(std::string_view texto) override { textos.emplace_back(texto); }
  void Ceder() override {
    ++cesiones;
    if (detenerTrasCesiones >= 0 && cesiones >= detenerTrasCesiones) detenido = true;
  }
  bool DetencionPedida() const override { return detenido; }

  std::vector<std::pair<std::int64_t, std::int64_t>> avances;
  std::vector<std::string> textos;
  std::int64_t cesiones = 0;
  std::int64_t detenerTrasCesiones = -1;  // -1: never
  bool detenido = false;
};

}  // namespace tanteo::pruebas
