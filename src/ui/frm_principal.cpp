#include "ui/frm_principal.h"

#include <QLabel>

namespace tanteo {

QString TituloVentana(const QString& fichero) {
  return QStringLiteral("TANTEO 3.4 - Fichero : ") + fichero;
}

FrmPrincipal::FrmPrincipal(Combinacion& combinacion, QWidget* parent)
    : QMainWindow(parent), combinacion_(combinacion) {
  setObjectName(QStringLiteral("frmPrincipal"));
  setWindowTitle(TituloVentana(QStringLiteral("Sin guardar.xml")));
  auto* lblApuIniciales = new QLabel(QString::fromStdString(combinacion_.contadores.lblApuIniciales), this);
  lblApuIniciales->setObjectName(QStringLiteral("lblApuIniciales"));
  lblApuIniciales->setAlignment(Qt::AlignCenter);
  setCentralWidget(lblApuIniciales);
  resize(1024, 720);
}

}  // namespace tanteo
