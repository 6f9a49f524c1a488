// A picture that acts as a button on the modal screens (imgVolver, imgRellenar): a flat
// picture with its hover frame ShapeBorde, shown while the pointer is over the picture and
// hidden as soon as it moves off onto the bare screen.
#pragma once

#include <QFrame>
#include <QString>

#include "ui/etiqueta_pulsable.h"

namespace tanteo {

class BotonImagen : public EtiquetaPulsable {
  Q_OBJECT

 public:
  // `icono` names a picture of data/icons, drawn `lado` pixels square.
  BotonImagen(const QString& nombre, const QString& icono, const QString& ayuda, int lado, QWidget* padre,
              const QString& nombreBorde = QStringLiteral("ShapeBorde"));

  QFrame* ShapeBorde() const { return ShapeBorde_; }

 protected:
  void enterEvent(QEnterEvent* evento) override;
  void leaveEvent(QEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;

 private:
  QFrame* ShapeBorde_;
};

}  // namespace tanteo
