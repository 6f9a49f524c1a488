// The screen side of what every filter screen shares: modal, no close command in its frame
// (and, where the logic says so, no close request from the frame honoured), the caption
// strip, imgActivar with its two looks kept on the hidden imgTEMP, imgVolver, and the hover
// frames ShapeBorde(0) around imgVolver and ShapeBorde(1) around imgActivar.
#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "engine/vocabulario.h"

class QBoxLayout;
class QFrame;
class QLabel;
class QLineEdit;
class QToolButton;

namespace tanteo {

class PantallaFiltro;

class PantallaFiltroQt : public QDialog {
  Q_OBJECT

 protected:
  // `logica` is usually a member of the derived screen, not built yet: it is only kept here
  // and used once the derived constructor has run.
  PantallaFiltroQt(PantallaFiltro& logica, const QString& nombre, const QString& titulo, QWidget* parent);

  // The screen from top to bottom: caption strip, `cuerpo`, and the foot with imgActivar
  // at the left, `centro` (if any) in the middle and imgVolver at the right.
  void Montar(QBoxLayout* cuerpo, QWidget* centro = nullptr);
  // imgActivar shows the filter's state (call after anything the logic may have changed).
  void MostrarActivacion();
  // imgVolver: the derived screen stores or validates, and calls Salir to unload.
  virtual void PulsarVolver() = 0;
  void Salir();
  // The derived screen shows the logic's state in every control.
  virtual void Refrescar() = 0;

  // Read-only copies of the main window's twelve team boxes, txtPartido_0 .. txtPartido_11.
  std::array<QLineEdit*, kEquipos> CrearEquipos(const std::array<std::string, kEquipos>& nombres);

  void closeEvent(QCloseEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;
  void mouseMoveEvent(QMouseEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  QWidget* BotonImagen(int borde, const QString& nombre, const QString& ayuda, QToolButton*& boton);
  void MostrarBorde(int indice);

  PantallaFiltro& logica_;
  QToolButton* imgActivar_ = nullptr;
  QToolButton* imgVolver_ = nullptr;
  QLabel* imgTEMP_ = nullptr;
  std::array<QFrame*, 2> ShapeBorde_{};
  bool saliendo_ = false;
};

}  // namespace tanteo
