// The reduction behind "Cálculo de Prueba": it works inside its calculation window
// frmVentanaProceso, which shows its cycles and offers the stop button that ends them.
#pragma once

#include "engine/generador_aleatorio.h"
#include "engine/reduccion.h"
#include "ui/frm_ventana_proceso.h"

namespace tanteo {

class ReductorVentana final : public Reductor {
 public:
  ReductorVentana(GeneradorAleatorio& azar, QWidget* padre) : azar_(azar), padre_(padre) {}

  ResultadoReduccion Reducir(const PeticionReduccion& peticion) override {
    FrmVentanaProceso pantalla(azar_, padre_);
    return pantalla.Ejecutar(peticion);
  }

 private:
  GeneradorAleatorio& azar_;
  QWidget* padre_;
};

}  // namespace tanteo
