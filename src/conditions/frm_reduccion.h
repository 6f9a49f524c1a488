// The logic of the reduction settings screen (frmReduccion). imgActivar toggles the
// reduction row of the filter list (PantallaFiltro); imgVolver hands back the settings.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "conditions/pantalla_filtro.h"
#include "engine/ajustes_reduccion.h"

namespace tanteo {

class FrmReduccion : public PantallaFiltro {
 public:
  static constexpr std::string_view kTitulo = "Reducción";
  static constexpr std::string_view kTituloOpciones = "Opciones Generales";
  static constexpr std::array<std::string_view, 5> kTiposReduccion = {
      "Sin reducción", "Reducción al 5", "Reducción al 4", "Reducción al 3", "Reducción al 2",
  };

  // Opening: the stored settings are shown without activating anything.
  FrmReduccion(const Reduccion& reduccion, ListaFiltros& lista);

  // "Asegurar el 100%" .. "Asegurar el 1%".
  const std::vector<std::string>& ElementosPorcentaje() const { return porcentajes_; }

  int cboTipoReduccion() const { return tipo_; }
  int cboPorcentaje() const { return porcentaje_; }
  int optTipo() const { return opcion_; }  // 0 by number of bets, 1 "Porcentaje"
  const std::string& txtNColumnas() const { return nColumnas_; }
  bool txtNColumnasVisible() const { return opcion_ == 0; }
  bool txtNColumnasHabilitado() const { return opcion_ == 0; }
  bool cboPorcentajeHabilitado() const { return opcion_ == 1; }
  bool chkApuestasExactas() const { return exactas_; }
  bool chkApuestasExactasHabilitado() const { return opcion_ == 0; }
  bool chkActivarCiclos() const { return ciclos_; }
  bool chkAleatorio() const { return aleatorio_; }

  // Clicks on these activate the reduction row.
  void ElegirTipoReduccion(int indice);
  void ElegirPorcentaje(int indice);
  void PulsarAleatorio(bool marcado);
  void PulsarActivarCiclos(bool marcado);
  void ElegirOptTipo(int opcion);
  // These do not.
  void PulsarApuestasExactas(bool marcado);
  void EscribirNColumnas(std::string texto) { nColumnas_ = std::move(texto); }

  // imgVolver: the settings as the screen shows them (NuApuestas 1 when the box is blank).
  Reduccion PulsarVolver() const;

 private:
  void ActivarReduccion();

  std::vector<std::string> porcentajes_;
  bool cargando_ = true;
  int tipo_ = 0;
  int porcentaje_ = 0;
  int opcion_ = 1;
  std::string nColumnas_;
  bool exactas_ = false;
  bool ciclos_ = false;
  bool aleatorio_ = false;
};

}  // namespace tanteo
