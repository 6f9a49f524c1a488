// "Generar Base Al azar": how many results each match accepts, and a picture that draws a
// new random base into the main window's results view each time it is clicked. Closed with
// the window's own close box; the caller recounts the base afterwards.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "engine/base_pronostico.h"
#include "engine/generador_aleatorio.h"
#include "engine/plataforma.h"
#include "engine/vocabulario.h"
#include "utilities/base_al_azar.h"

class QCheckBox;
class QComboBox;

namespace tanteo {

class BotonImagen;

class FrmAlazar : public QDialog {
  Q_OBJECT

 public:
  // `alRellenar` redraws the results view after every draw.
  FrmAlazar(BasePronostico& base, GeneradorAleatorio& azar, Plataforma& plataforma, std::function<void()> alRellenar,
            QWidget* parent = nullptr);

 private:
  void Rellenar();

  BasePronostico& base_;
  GeneradorAleatorio& azar_;
  Plataforma& plataforma_;
  std::function<void()> alRellenar_;
  FrmAlazarLogica logica_;

  std::array<QComboBox*, kPartidos> cboPartido_{};
  QCheckBox* chkOrden_ = nullptr;
  BotonImagen* imgRellenar_ = nullptr;
};

}  // namespace tanteo
