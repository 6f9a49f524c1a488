#include "ui/recursos.h"

#include <QPainter>
#include <QSvgRenderer>

namespace tanteo {

QIcon Icono(const QString& nombre) { return QIcon(QStringLiteral(":/iconos/") + nombre + QStringLiteral(".svg")); }

QPixmap Imagen(const QString& nombre, QSize tamano, qreal densidad) {
  QSvgRenderer dibujo(QStringLiteral(":/iconos/") + nombre + QStringLiteral(".svg"));
  QPixmap imagen(tamano * densidad);
  imagen.fill(Qt::transparent);
  QPainter pintor(&imagen);
  pintor.setRenderHint(QPainter::Antialiasing);
  dibujo.render(&pintor);
  pintor.end();
  imagen.setDevicePixelRatio(densidad);
  return imagen;
}

}  // namespace tanteo
