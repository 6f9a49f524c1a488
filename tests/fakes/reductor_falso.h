// Reductor for tests: records what the run hands over and answers with chosen rows of
// ApuestasCondicionadas as the reduced bets (none: the reduction produced nothing).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/reduccion.h"
#include "engine/texto_numeros.h"

namespace tanteo::pruebas {

class ReductorFalso : public Reductor {
 public:
  ResultadoReduccion Reducir(const PeticionReduccion& p) override {
    ++llamadas;
    M = p.M;
    sinFiltrar = p.sinFiltrar;
    ajustes = p.ajustes;
    lblApuIniciales = p.lblApuIniciales;
    lblApuCondicionadas = p.lblApuCondicionadas;
    orden = p.apuestas.OrdenApuestas;
    condicionadas.clear();
    for (std::int32_t i = 1; i <= p.M; ++i) condicionadas.push_back(p.apuestas.ApuestasCondicionadas.ApuestaEn(i));
    if (antes) antes(p);

    ResultadoReduccion r;
    if (elegidas.empty()) return r;
    p.apuestas.ApuestasFinales.Redimensionar(static_cast<std::int32_t>(elegidas.size()) + filasDeMas);
    for (std::size_t k = 0; k < elegidas.size(); ++k) {
      p.apuestas.ApuestasFinales.Poner(static_cast<std::int32_t>(k) + 1, condicionadas[elegidas[k] - 1]);
    }
    r.apuestas = static_cast<std::int32_t>(elegidas.size());
    r.lblApuestasReduccion = FormatoCuenta(r.apuestas);
    r.tooltip = tooltip;
    return r;
  }

  // The answer.
  std::vector<std::int32_t> elegidas;  // rows of ApuestasCondicionadas, from 1
  std::int32_t filasDeMas = 0;         // ApuestasFinales made larger than the result
  std::string tooltip;
  std::function<void(const PeticionReduccion&)> antes;

  // What it was given.
  int llamadas = 0;
  std::int32_t M = 0;
  bool sinFiltrar = false;
  Reduccion ajustes;
  std::string lblApuIniciales;
  std::string lblApuCondicionadas;
  std::vector<std::int32_t> orden;
  std::vector<Apuesta> condicionadas;
};

}  // namespace tanteo::pruebas
