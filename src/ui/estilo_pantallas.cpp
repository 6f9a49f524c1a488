#include "ui/estilo_pantallas.h"

#include "ui/recursos.h"

namespace tanteo {

void PrepararPantalla(QDialog& pantalla, const QString& nombre, const QString& titulo, const QString& estiloPropio) {
  pantalla.setObjectName(nombre);
  pantalla.setWindowTitle(titulo);
  pantalla.setWindowIcon(Icono(QStringLiteral("tanteo")));
  pantalla.setModal(true);
  pantalla.setStyleSheet(QStringLiteral(
                             "QDialog { background:#EEF2F7; }"
                             "QGroupBox { font-weight:bold; color:#1F3A5F; border:1px solid #B7C7DB; border-radius:6px;"
                             "  margin-top:10px; padding:10px 8px 8px 8px; background:#F8FAFD; }"
                             "QGroupBox::title { subcontrol-origin:margin; left:10px; padding:0 4px; }") +
                         estiloPropio);
}

}  // namespace tanteo
