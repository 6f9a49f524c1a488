// The main window.
#pragma once

#include <QMainWindow>

#include "engine/combinacion.h"

namespace tanteo {

class FrmPrincipal : public QMainWindow {
  Q_OBJECT

 public:
  explicit FrmPrincipal(Combinacion& combinacion, QWidget* parent = nullptr);

 private:
  Combinacion& combinacion_;
};

// "TANTEO 3.4 - Fichero : " + file name.
QString TituloVentana(const QString& fichero);

}  // namespace tanteo
