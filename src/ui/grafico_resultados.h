// Under the analysis tables: for each match a small bar chart of how many bets carry each
// of its sixteen results, grouped by the home team's goals, so a player sees the spread at
// a glance. The tallest bar of a match is gold and labelled with its figure as the screen
// shows it (count or percentage).
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>
#include <array>

#include "engine/vocabulario.h"
#include "evaluation/analisis.h"

namespace tanteo {

class GraficoResultados : public QWidget {
  Q_OBJECT

 public:
  // The home and the away team's names of a match.
  using Equipos = std::array<QString, 2>;

  // `titulos`: the teams of each match, index match - 1.
  GraficoResultados(const FrmAnalisisLogica& logica, std::array<Equipos, kPartidos> titulos, QWidget* padre = nullptr);

  // Where the bar of `resultado` in match `partido` is drawn; empty when no bet carries it.
  QRect Barra(int partido, int resultado) const;
  // The plotting area of a match, whose height stands for its largest count.
  QRect Zona(int partido) const;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* evento) override;
  bool event(QEvent* evento) override;

 private:
  QRect Panel(int partido) const;
  std::int32_t Maximo(int partido) const;
  std::int32_t Cuenta(int partido, int resultado) const { return logica_.Datos().ConteoResultados[partido][resultado]; }

  const FrmAnalisisLogica& logica_;
  std::array<Equipos, kPartidos> titulos_;
};

}  // namespace tanteo
