// frmFiltroCBRES on the screen: four CB columns of six lists beside the twelve team names,
// the count boxes, MODIFICAR and the title buttons, paging, activation and the checked
// close. The logic is FrmFiltroCBRES.
#pragma once

#include <array>
#include <string>

#include "conditions/frm_filtro_cbres.h"
#include "ui/frm_aciertos_qt.h"
#include "ui/pantalla_filtro_qt.h"

class QComboBox;
class QPushButton;

namespace tanteo {

class FrmFiltroCBRESQt : public PantallaFiltroQt {
  Q_OBJECT

 public:
  // Opens on the page of BloqueCBResultados with the main window's team names.
  FrmFiltroCBRESQt(AjustesFiltros& filtros, ListaFiltros& lista, const std::array<std::string, kEquipos>& equipos,
                   Interaccion& interaccion, QWidget* parent = nullptr);

 protected:
  void PulsarVolver() override;
  void Refrescar() override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  static constexpr int kColumnas = FrmFiltroCBRES::kColumnas;

  FrmFiltroCBRES logica_;
  Interaccion& interaccion_;
  DialogoAciertosQt dialogo_{this};
  // [columna 1..4][partido 1..6], index 0 unused.
  std::array<std::array<QComboBox*, kPartidos + 1>, kColumnas + 1> cboCB_{};
  std::array<QLineEdit*, kColumnas + 1> txtAciertos_{};
  std::array<QPushButton*, kColumnas> cmdTituloCB_{};
  QPushButton* cmdMASBloque_ = nullptr;
  QPushButton* cmdMENOSBloque_ = nullptr;
  bool refrescando_ = false;
};

}  // namespace tanteo
