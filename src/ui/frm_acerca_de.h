// "Acerca de ...": the program's name, version and date over 151 white dots drifting from
// left to right on black, until the window is closed.
#pragma once

#include <QDialog>
#include <QTimer>
#include <vector>

#include "engine/generador_aleatorio.h"
#include "engine/plataforma.h"

class QLabel;
class QPlainTextEdit;

namespace tanteo {

class FrmAcercaDe : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kPuntos = 151;
  static constexpr double kVelocidadMaxima = 3.0;

  struct Punto {
    double x, y, velocidad;  // the speed (pixels per step, below 3) is also the radius
  };

  FrmAcercaDe(Plataforma& plataforma, QWidget* parent = nullptr);

  const std::vector<Punto>& Puntos() const { return puntos_; }
  // One step of the animation: every dot moves right by its speed; one that leaves on the
  // right comes back at a random point left of the window with a new height and speed.
  void Avanzar();

 protected:
  void paintEvent(QPaintEvent* evento) override;

 private:
  Punto Nuevo(double x);

  GeneradorAleatorio azar_;
  std::vector<Punto> puntos_;
  QTimer reloj_;
};

}  // namespace tanteo
