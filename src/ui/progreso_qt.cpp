#include "ui/progreso_qt.h"
#include "ui/texto_qt.h"

#include <QCoreApplication>
#include <algorithm>

namespace tanteo {

ProgresoQt::ProgresoQt(QLabel* barra, int anchoCompleto, QLabel* texto, std::function<void()> antesDeCeder)
    : barra_(barra), anchoCompleto_(anchoCompleto), texto_(texto), antesDeCeder_(std::move(antesDeCeder)) {}

void ProgresoQt::Avance(std::int64_t hecho, std::int64_t total) {
  if (!barra_) return;
  const std::int64_t ancho = total > 0 ? std::clamp<std::int64_t>(hecho * anchoCompleto_ / total, 0, anchoCompleto_) : 0;
  barra_->setFixedWidth(static_cast<int>(ancho));
}

void ProgresoQt::Texto(std::string_view texto) {
  if (texto_) texto_->setText(Q(texto));
}

void ProgresoQt::Ceder() {
  if (antesDeCeder_) antesDeCeder_();
  QCoreApplication::processEvents();
}

}  // namespace tanteo
