// The conditioning run behind "Cálculo de Prueba": develops the base (or the smallest system
// holding an imported file), lets the active filters mark what they reject, collects the
// survivors into ApuestasCondicionadas in system order, and copies them to ApuestasFinales
// or hands them to the reduction.
#pragma once

#include <string_view>

#include "conditions/cadena_filtros.h"
#include "engine/combinacion.h"
#include "engine/interaccion.h"
#include "engine/progreso.h"
#include "engine/reduccion.h"

namespace tanteo {

// What the main window does around a run. Between Bloquear and Desbloquear the controls that
// could start another operation are disabled (Desbloquear leaves cmdSwitch and the results
// view disabled for "Desde Archivo"); between IniciarIndicacion and DetenerIndicacion Timer1
// recolours the conditioned-bets counter every 5 ms. The combination's `bloqueada`,
// `indicacionProgreso` and `ocupada` flags follow the same state.
class PantallaEjecucion {
 public:
  virtual ~PantallaEjecucion() = default;
  virtual void Bloquear() = 0;
  virtual void Desbloquear() = 0;
  virtual void IniciarIndicacion() = 0;
  virtual void DetenerIndicacion() = 0;
};

struct EntornoEjecucion {
  Interaccion& interaccion;
  // Yields while filters work and survivors are collected; each filter's caption is shown
  // through Texto (and in the combination's conditioned-bets counter).
  Progreso& progreso;
  Reductor& reductor;
  PantallaEjecucion& pantalla;
};

// With the filters of the combination's settings.
void EjecutarCondicionado(Combinacion& combinacion, const EntornoEjecucion& entorno);
// With the given chain (slot k for list row k-1).
void EjecutarCondicionado(Combinacion& combinacion, const EntornoEjecucion& entorno, const CadenaFiltros& cadena);

inline constexpr std::string_view kErrorSistemaVacio = "ERROR: Apuestas del sistema TOTAL igual a 0.";
inline constexpr std::string_view kAvisoRepetidas =
    "AVISO: El sistema importado tiene apuestas repetidas y serán eliminadas\nTOTAL apuestas repetidas: ";
inline constexpr std::string_view kErrorCeroCondicionadas =
    "ERROR: Se han generado 0 apuestas después de condicionar, cambie las condiciones o el pronóstico";
inline constexpr std::string_view kErrorNumeroExacto =
    "ERROR: Ha elegido reducir con la opción 'Número Exacto de Apuestas' y dicho número supera el sistema final "
    "condicionado, cambie el número de apuestas pedidas al reducir";
inline constexpr std::string_view kPrefijoErrorEjecucion = "ERROR: ";

}  // namespace tanteo
