// frmReduccion on the screen: the reduction type, number of bets or percentage, the exact
// number, cycles and random mode, with the enabling rules and the activation of the
// reduction row. The logic is FrmReduccion; imgVolver stores the settings.
#pragma once

#include "conditions/frm_reduccion.h"
#include "ui/pantalla_filtro_qt.h"

class QCheckBox;
class QComboBox;
class QRadioButton;

namespace tanteo {

class EtiquetaPulsable;

class FrmReduccionQt : public PantallaFiltroQt {
  Q_OBJECT

 public:
  // `reduccion` is shown, and written only by imgVolver.
  FrmReduccionQt(Reduccion& reduccion, ListaFiltros& lista, QWidget* parent = nullptr);

 protected:
  void PulsarVolver() override;
  void Refrescar() override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  // A check box whose caption is a label of its own (Label1, Label3, Label4).
  QCheckBox* CasillaConEtiqueta(const char* nombre, const char* etiqueta, const QString& texto, EtiquetaPulsable*& lbl);

  Reduccion& reduccion_;
  FrmReduccion logica_;
  QComboBox* cboTipoReduccion_ = nullptr;
  std::array<QRadioButton*, 2> optTipo_{};
  EtiquetaPulsable* Label2_ = nullptr;
  QComboBox* cboPorcentaje_ = nullptr;
  QLineEdit* txtNColumnas_ = nullptr;
  QCheckBox* chkApuestasExactas_ = nullptr;
  EtiquetaPulsable* Label4_ = nullptr;
  QCheckBox* chkActivarCiclos_ = nullptr;
  QCheckBox* chkAleatorio_ = nullptr;
};

}  // namespace tanteo
