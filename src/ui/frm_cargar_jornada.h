// "Cargar Jornada": picks a matchday and season and fills the twelve team names from the
// matchday service or a text file, then hands names and selections to the main window.
// It has no close command: it closes through imgVolver only.
#pragma once

#include <QDialog>
#include <QLabel>
#include <array>

#include "engine/progreso.h"
#include "matchday/pantalla_cargar_jornada.h"

class QComboBox;
class QLineEdit;

namespace tanteo {

class BotonImagen;

class FrmCargarJornada final : public QDialog, private Progreso {
 public:
  // Opens over `principal`, the main window's selectors and names, which imgVolver updates.
  FrmCargarJornada(ControlesJornada& principal, ServicioJornada& servicio, Plataforma& plataforma,
                   Interaccion& interaccion, QWidget* parent = nullptr);

 protected:
  void closeEvent(QCloseEvent* evento) override;
  void reject() override {}  // Escape does not close it either

 private:
  // lblDescargando while the service is asked.
  void Avance(std::int64_t, std::int64_t) override {}
  void Texto(std::string_view texto) override;
  void Ceder() override;
  bool DetencionPedida() const override { return false; }

  void Mostrar();
  void Volver();

  PantallaCargarJornada logica_;
  QComboBox* cboNumeroJornada_;
  QComboBox* cboTemporada_;
  std::array<QLineEdit*, kEquipos> txtPartido_{};
  QLabel* lblDescargando_;
  bool cerrando_ = false;
};

}  // namespace tanteo
