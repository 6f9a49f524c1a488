// The logic of the CB-by-results screen (frmFiltroCBRES): four CB columns of six lists per
// page, 25 pages.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "conditions/ajustes_filtros.h"
#include "conditions/pantalla_filtro.h"

namespace tanteo {

class FrmFiltroCBRES : public PantallaBloques {
 public:
  static constexpr std::string_view kTitulo = "FILTRO Columnas Base por RESULTADOS";
  static constexpr int kColumnas = 4;
  // The items of every cell list.
  static constexpr std::array<std::string_view, 17> kElementos = {
      "---", "0-0", "0-1", "0-2", "0-M", "1-0", "1-1", "1-2", "1-M",
      "2-0", "2-1", "2-2", "2-M", "M-0", "M-1", "M-2", "M-M",
  };

  // Loads the page of BloqueCBResultados.
  FrmFiltroCBRES(AjustesFiltros& filtros, ListaFiltros& lista);

  // cboCB_C<columna>(partido): column 1..4, match 1..6.
  const std::string& cboCB(int columna, int partido) const { return cbo_[columna][partido]; }
  // Choosing an item (the list has the focus, which activates the filter). Texts that are
  // not items are ignored.
  void ElegirCB(int columna, int partido, std::string_view elemento);
  // A cell list receives the focus.
  void FocoCB() { ActivarFiltro(); }

  // txtAciertos_C<columna>: the accepted counts of the column's CB.
  std::string txtAciertos(int columna) const;
  // cmdTituloCB(indice), indice 0..3: "CB" + the column's CB number.
  std::string cmdTituloCB(int indice) const;
  // Clears the column's six lists and cells to "---"; the accepted counts stay.
  void PulsarTituloCB(int indice);
  // cmdModificar(indice): the hits dialog for the column's CB.
  void PulsarModificar(int indice, DialogoAciertos& dialogo);

 protected:
  void EscribirPagina() override;
  void RellenarPagina() override;
  std::optional<std::string> ErrorBloque(int bloque) const override;

 private:
  ColumnaBaseResultados& CBDeColumna(int columna) { return filtro_.CB(BloqueDe(columna)); }
  const ColumnaBaseResultados& CBDeColumna(int columna) const { return filtro_.CB(BloqueDe(columna)); }

  FiltroCBResultados& filtro_;
  // [columna 1..4][partido 1..6]: the item each list shows.
  std::array<std::array<std::string, kPartidos + 1>, kColumnas + 1> cbo_;
};

}  // namespace tanteo
