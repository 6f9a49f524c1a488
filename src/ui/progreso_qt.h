// Progreso for the screens: a label whose width shows the progress, a label for the
// captions, and the event loop's turn whenever the operation yields.
#pragma once

#include <QLabel>
#include <QPointer>
#include <functional>

#include "engine/progreso.h"

namespace tanteo {

class ProgresoQt : public Progreso {
 public:
  // `barra` grows up to `anchoCompleto` pixels; `texto` shows the captions; `antesDeCeder`
  // lets the owner bring its widgets up to date before the events are processed. Any of
  // them may be missing.
  ProgresoQt(QLabel* barra, int anchoCompleto, QLabel* texto, std::function<void()> antesDeCeder = {});

  void Avance(std::int64_t hecho, std::int64_t total) override;
  void Texto(std::string_view texto) override;
  void Ceder() override;
  bool DetencionPedida() const override { return detener_; }

  // The stop button of the running operation.
  void PedirDetencion() { detener_ = true; }
  void Reiniciar() { detener_ = false; }

 private:
  QPointer<QLabel> barra_;
  int anchoCompleto_;
  QPointer<QLabel> texto_;
  std::function<void()> antesDeCeder_;
  bool detener_ = false;
};

}  // namespace tanteo
