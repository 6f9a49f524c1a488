#include "ui/boton_imagen.h"

#include <QEnterEvent>
#include <QResizeEvent>

#include "ui/recursos.h"

namespace tanteo {

namespace {
constexpr int kMargen = 5;  // between the picture and its frame
}

BotonImagen::BotonImagen(const QString& nombre, const QString& icono, const QString& ayuda, int lado, QWidget* padre,
                         const QString& nombreBorde)
    : EtiquetaPulsable(padre), ShapeBorde_(new QFrame(this)) {
  setObjectName(nombre);
  setToolTip(ayuda);
  setPixmap(Imagen(icono, QSize(lado, lado), devicePixelRatioF()));
  setAlignment(Qt::AlignCenter);
  setFixedSize(lado + 2 * kMargen, lado + 2 * kMargen);
  setCursor(Qt::PointingHandCursor);
  ShapeBorde_->setObjectName(nombreBorde);
  ShapeBorde_->setStyleSheet(QStringLiteral(
      "QFrame { border:2px solid #F2B632; border-radius:7px; background:rgba(42,82,130,24); }"));
  ShapeBorde_->setAttribute(Qt::WA_TransparentForMouseEvents);
  ShapeBorde_->setGeometry(rect());
  ShapeBorde_->hide();
}

void BotonImagen::enterEvent(QEnterEvent* evento) {
  ShapeBorde_->show();
  EtiquetaPulsable::enterEvent(evento);
}

void BotonImagen::leaveEvent(QEvent* evento) {
  ShapeBorde_->hide();
  EtiquetaPulsable::leaveEvent(evento);
}

void BotonImagen::resizeEvent(QResizeEvent* evento) {
  ShapeBorde_->setGeometry(rect());
  EtiquetaPulsable::resizeEvent(evento);
}

}  // namespace tanteo
