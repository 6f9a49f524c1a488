// PantallaEjecucion for tests: the calls in order.
#pragma once

#include <string>
#include <vector>

#include "engine/ejecucion_condicionado.h"

namespace tanteo::pruebas {

class PantallaRegistrada : public PantallaEjecucion {
 public:
  void Bloquear() override { llamadas.emplace_back("Bloquear"); }
  void Desbloquear() override { llamadas.emplace_back("Desbloquear"); }
  void IniciarIndicacion() override { llamadas.emplace_back("IniciarIndicacion"); }
  void DetenerIndicacion() override { llamadas.emplace_back("DetenerIndicacion"); }

  std::vector<std::string> llamadas;
};

}  // namespace tanteo::pruebas
