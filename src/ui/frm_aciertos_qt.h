// The two selection dialogs on the screen: frmAciertos (counts 0..36) and
// frmAciertosPorcentajes (ranks 1..16), views of their logic in conditions/frm_aciertos.h,
// and the DialogoAciertos that filter screens show them with.
#pragma once

#include <QDialog>
#include <array>

#include "conditions/frm_aciertos.h"

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;

namespace tanteo {

class EtiquetaPulsable;

// What both dialogs share: toggle labels lblAciertos_k painted as their logic says,
// cmdTodos, cmdNinguno and cmdVolver. Leaving the dialog any way goes through cmdVolver.
class DialogoSeleccionQt : public QDialog {
  Q_OBJECT

 public:
  void reject() override { Volver(); }

 protected:
  DialogoSeleccionQt(const QString& nombre, const QString& titulo, QWidget* parent);

  EtiquetaPulsable* CrearEtiqueta(int k, const QString& texto);
  QHBoxLayout* CrearBotones(const QString& ayudaTodos, const QString& ayudaNinguno);
  QLabel* CrearTitulo(const std::string& texto);
  // Caption strip, then `cuerpo`.
  void Montar(QLayout* cuerpo);
  // The label's colours from its look (call after setting its enabled state).
  static void Pintar(QLabel* etiqueta, const EtiquetaSeleccion& aspecto);

  virtual void Pulsar(int k) = 0;
  virtual void Todos() = 0;
  virtual void Ninguno() = 0;
  virtual void Volver() = 0;
  virtual void Refrescar() = 0;
};

// The clicks of a dialog go to its logic, which knows the labels, TODOS, NINGUNO and VOLVER.
template <class Logica>
class DialogoSobreLogica : public DialogoSeleccionQt {
 protected:
  DialogoSobreLogica(Logica& logica, const QString& nombre, const QString& titulo, QWidget* parent)
      : DialogoSeleccionQt(nombre, titulo, parent), logica_(logica) {}

  void Pulsar(int k) override { logica_.PulsarEtiqueta(k); }
  void Todos() override { logica_.PulsarTodos(); }
  void Ninguno() override { logica_.PulsarNinguno(); }
  void Volver() override {
    logica_.PulsarVolver();
    accept();
  }

  Logica& logica_;
};

class FrmAciertosQt : public DialogoSobreLogica<FrmAciertos> {
  Q_OBJECT

 public:
  FrmAciertosQt(FrmAciertos& logica, QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* evento) override;
  void Refrescar() override;

 private:
  std::array<EtiquetaPulsable*, kEtiquetasAciertos> lblAciertos_{};
};

class FrmAciertosPorcentajesQt : public DialogoSobreLogica<FrmAciertosPorcentajes> {
  Q_OBJECT

 public:
  FrmAciertosPorcentajesQt(FrmAciertosPorcentajes& logica, QWidget* parent = nullptr);

 protected:
  void Refrescar() override;

 private:
  std::array<EtiquetaPulsable*, FrmAciertosPorcentajes::kRangos> lblAciertos_{};
  QComboBox* cboTipoPorcentajes_ = nullptr;
};

// Shows each dialog modally over `padre`.
class DialogoAciertosQt : public DialogoAciertos {
 public:
  explicit DialogoAciertosQt(QWidget* padre) : padre_(padre) {}
  void Mostrar(FrmAciertos& dialogo) override;
  void Mostrar(FrmAciertosPorcentajes& dialogo) override;

 private:
  QWidget* padre_;
};

}  // namespace tanteo
