// The forecast base in its two views, and the development of the total system.
#pragma once

#include <array>
#include <cstdint>

#include "engine/tabla_apuestas.h"
#include "engine/vocabulario.h"

namespace tanteo {

// Base[partido][resultado] = 1 when accepted; both from 1 (index 0 unused).
using TablaBase = std::array<std::array<std::uint8_t, kResultados + 1>, kPartidos + 1>;

enum class Vista { PorResultados, PorPronostico };

class BasePronostico {
 public:
  Vista VistaActiva() const { return vista_; }

  // Results view: match 1..6, result 1..16.
  bool ResultadoSeleccionado(int partido, int resultado) const { return resultados_[partido][resultado]; }
  void AlternarResultado(int partido, int resultado);
  void PonerResultado(int partido, int resultado, bool seleccionado);
  int AceptadosPartido(int partido) const;

  // Forecast view: team 1..12, sign 0..3, with the count of selected signs per team.
  bool SignoSeleccionado(int equipo, int signo) const { return signos_[equipo][signo]; }
  void AlternarSigno(int equipo, int signo);
  int CuentaSignos(int equipo) const { return cuentaSignos_[equipo]; }

  // On the active view.
  void SeleccionarTodo();
  void LimpiarVistaActiva();
  // Both views cleared, results view visible.
  void Reiniciar();
  // Makes the other view visible and clears it; the hidden view keeps its flags.
  void CambiarVista();
  void MostrarVista(Vista vista) { vista_ = vista; }

  // Size of the total system of the active view (0 when a match or team has nothing).
  std::int32_t Recuento() const;
  TablaBase ConstruirBase() const;

 private:
  TablaBase ConstruirBasePorResultados() const;
  TablaBase ConstruirBasePorPronostico() const;

  Vista vista_ = Vista::PorResultados;
  std::array<std::array<bool, kResultados + 1>, kPartidos + 1> resultados_{};
  std::array<std::array<bool, kSignos>, kEquipos + 1> signos_{};
  std::array<std::uint8_t, kEquipos + 1> cuentaSignos_{};
};

// Accepted results per match of a base, ascending (the lists the development follows).
void ListasDeBase(const TablaBase& base, TablaResultadosPartido& resultados, TablaNumResultados& num);

// Writes the `cuenta` bets of `base` into `destino` (already sized for at least `cuenta`
// rows) in system order: match 1 slowest, match 6 fastest, results ascending.
void DesarrollarBase(const TablaBase& base, TablaApuestas& destino, std::int32_t cuenta);

}  // namespace tanteo
