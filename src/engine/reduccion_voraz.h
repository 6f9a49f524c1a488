// The greedy covering reduction: among the conditioned bets (the members), choose bets until
// the asked share of the members lies within the guarantee radius R of a chosen bet, always
// taking a bet that covers many members not yet covered; with cycles, repeat with perturbed
// scan orders and keep the smallest set found. Runs inside the calculation window.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/generador_aleatorio.h"
#include "engine/reduccion.h"
#include "engine/tabla_apuestas.h"
#include "engine/vecindad.h"
#include "engine/ventana_proceso.h"

namespace tanteo {

class ReduccionVoraz final : public Reductor {
 public:
  // `generador` is the program's pseudo-random generator (the random base draws from its
  // running state; the shuffles reset and seed it).
  ReduccionVoraz(VentanaProceso& ventana, GeneradorAleatorio& generador) : ventana_(ventana), generador_(generador) {}

  ResultadoReduccion Reducir(const PeticionReduccion& peticion) override;

  // The steps of Reducir in their order, public so that each can be measured alone.
  enum class FinCiclo { Seguir, Terminar, Detenida };
  void Preparar(const PeticionReduccion& peticion);
  bool Analizar();  // false when stopped
  void Disponer();
  FinCiclo Ciclo();
  void AjustarNumeroExacto();
  // Gives back the working memory (the counts, the flags, the scratch rows).
  void Liberar();

  // The working fields of the window.
  std::int32_t Umbral() const { return umbral_; }  // txtNRActual, H
  std::int32_t Maximo() const { return maximo_; }  // lblNRMAXIMO
  std::int32_t Desorden() const { return desorden_; }  // txtDesorden, D
  std::int64_t Ciclos() const { return ciclos_; }
  // Size of the best result, M + 1 while there is none.
  std::int32_t MejorCuenta() const { return mejorCuenta_; }

 private:
  bool Miembro(std::int32_t indice) const;
  std::int32_t Elegir();
  void ActualizarCuentas(std::int32_t fila);
  void Cubrir(std::int32_t indice, Vecindad::Digitos digitos);
  bool FinEleccion(std::int32_t porcentajeCubierto) const;
  void GuardarMejorResultado();
  void ReordenarCondicionadas();
  void Desordenar();
  void RellenarFinales(std::int32_t pedidas);
  void OrdenIdentidad();

  VentanaProceso& ventana_;
  GeneradorAleatorio& generador_;

  // The request being reduced.
  AlmacenApuestas* almacen_ = nullptr;
  const Reduccion* ajustes_ = nullptr;
  bool sinFiltrar_ = false;
  std::int32_t M_ = 0;
  int R_ = 0;
  Vecindad vecindad_{TablaNumResultados{}};

  // Per system index: Cobertura, its copy after the analysis, and 0 for a member not yet
  // covered in this cycle (anything else: covered, or not a member).
  std::vector<std::int32_t> cobertura_;
  std::vector<std::int32_t> coberturaInicial_;
  std::vector<std::uint8_t> pendiente_;
  // Per row of ApuestasCondicionadas (index fila - 1): its system index.
  std::vector<std::int32_t> indiceFila_;
  // Per scan position (index p - 1): the system index of its row, refreshed every cycle.
  std::vector<std::int32_t> indiceEnOrden_;
  std::vector<std::uint8_t> filaElegida_;  // per row, while reordering
  TablaApuestas auxiliar_;                  // the rows being reordered

  std::vector<std::int32_t> elegidas_;  // rows chosen in this cycle, in choice order
  std::int64_t cubiertas_ = 0;
  std::int32_t mejorCuenta_ = 0;
  std::int64_t ciclos_ = 0;
  std::int32_t inicio_ = 1;    // P
  std::int32_t objetivo_ = 1;  // T
  std::int32_t umbral_ = 0;    // H
  std::int32_t maximo_ = 0;
  std::int32_t paso_ = 0;
  std::int32_t desorden_ = 0;  // D
  std::int32_t ciclosDesdeBajada_ = 0;  // n
  std::int32_t baseAleatoria_ = 0;
  bool primeraEleccion_ = true;
};

}  // namespace tanteo
