// A label that acts as a button: the result and sign toggles, the command strip and the
// picture buttons of the main window.
#pragma once

#include <QLabel>
#include <QMouseEvent>

namespace tanteo {

class EtiquetaPulsable : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void pulsada();

 protected:
  void mousePressEvent(QMouseEvent* evento) override {
    if (evento->button() == Qt::LeftButton) pulsando_ = true;
    QLabel::mousePressEvent(evento);
  }
  void mouseReleaseEvent(QMouseEvent* evento) override {
    const bool dentro = rect().contains(evento->position().toPoint());
    if (evento->button() == Qt::LeftButton && pulsando_ && dentro) {
      pulsando_ = false;
      emit pulsada();
      return;
    }
    pulsando_ = false;
    QLabel::mouseReleaseEvent(evento);
  }

 private:
  bool pulsando_ = false;
};

}  // namespace tanteo
