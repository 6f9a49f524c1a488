// "ANALISIS": how the final bets are spread, per match over its sixteen results and per team
// over its goal signs, as counts or percentages, with cells holding bets in light yellow, a
// bar chart per match under the tables, and the report opened in the text editor.
#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "engine/interaccion.h"
#include "engine/plataforma.h"
#include "engine/vocabulario.h"
#include "evaluation/analisis.h"

class QLabel;
class QPushButton;

namespace tanteo {

class BotonImagen;
class GraficoResultados;

class FrmAnalisis : public QDialog {
  Q_OBJECT

 public:
  // `equipos`: the team names of the main window, index team - 1.
  FrmAnalisis(FrmAnalisisLogica logica, const std::array<std::string, kEquipos>& equipos, Plataforma& plataforma,
              Interaccion& interaccion, QWidget* parent = nullptr);

 private:
  QWidget* CrearResultados(const std::array<std::string, kEquipos>& equipos);
  QWidget* CrearPronosticos(const std::array<std::string, kEquipos>& equipos);
  // Every cell with the figure of the current view.
  void Mostrar();

  FrmAnalisisLogica logica_;
  Plataforma& plataforma_;
  Interaccion& interaccion_;

  // [partido - 1][resultado - 1] and [signo][equipo - 1].
  std::array<std::array<QLabel*, kResultados>, kPartidos> lbl_{};
  std::array<std::array<QLabel*, kEquipos>, kSignos> lblPorcentajes_{};
  QPushButton* cmdSwitch_ = nullptr;
  QPushButton* cmdVerAnalisis_ = nullptr;
  BotonImagen* imgVolver_ = nullptr;
  GraficoResultados* grafico_ = nullptr;
};

}  // namespace tanteo
