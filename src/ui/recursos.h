// The pictures drawn for the program (SVG compiled in as Qt resources), ready to show.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace tanteo {

// ":/iconos/" + nombre + ".svg".
QIcon Icono(const QString& nombre);
// ":/iconos/" + nombre + ".svg" drawn at `tamano` (and sharp on high-density screens).
QPixmap Imagen(const QString& nombre, QSize tamano, qreal densidad = 1.0);

}  // namespace tanteo
