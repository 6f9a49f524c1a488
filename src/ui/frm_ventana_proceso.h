// "Cálculo del sistema": the window the reduction works in. It shows what VentanaProceso
// holds whenever the reduction yields (repainting at most every tenth of a second, as the
// reduction yields very often) and offers imgDetener, the picture that stops it. It has no
// close command: it closes itself when the reduction ends.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>

#include "engine/generador_aleatorio.h"
#include "engine/progreso.h"
#include "engine/reduccion.h"
#include "engine/ventana_proceso.h"
#include "ui/boton_imagen.h"

namespace tanteo {

class FrmVentanaProceso final : public QDialog, private Progreso {
 public:
  FrmVentanaProceso(GeneradorAleatorio& azar, QWidget* parent = nullptr);

  // Opens the window, runs the reduction inside it, closes it and hands back its result.
  ResultadoReduccion Ejecutar(const PeticionReduccion& peticion);

 protected:
  void closeEvent(QCloseEvent* evento) override;
  void reject() override {}  // Escape does not end the reduction; imgDetener does

 private:
  void Avance(std::int64_t, std::int64_t) override {}
  void Texto(std::string_view) override {}
  void Ceder() override;
  bool DetencionPedida() const override { return detener_; }
  void Mostrar();

  GeneradorAleatorio& azar_;
  VentanaProceso ventana_;
  QLabel* lblApuestasInicialesVP_;
  QLabel* lblApuestasCondicionadasVP_;
  QLabel* lblCiclos_;
  QLabel* lblApuestasReduccion_;
  QProgressBar* lblProgressBar_;
  BotonImagen* imgDetener_;
  QElapsedTimer reloj_;
  bool detener_ = false;
  bool calculando_ = false;
};

}  // namespace tanteo
