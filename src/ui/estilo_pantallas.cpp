#include "ui/estilo_pantallas.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/recursos.h"

namespace tanteo {

QString EstiloPantallas() {
  return QStringLiteral(
      "QDialog { background:#EEF2F7; }"
      "QGroupBox { font-weight:bold; color:#1F3A5F; border:1px solid #B7C7DB; border-radius:6px;"
      "  margin-top:10px; padding:10px 8px 6px 8px; background:#F8FAFD; }"
      "QGroupBox::title { subcontrol-origin:margin; left:10px; padding:0 4px; }"
      "QFrame#tiraTitulo { background:qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 #2F6BA8,stop:1 #1B4572);"
      "  border-bottom:2px solid #F2B632; }"
      "QLabel#lblCaption { color:white; font-weight:bold; font-size:11pt; }"
      "QPushButton[cabecera=\"true\"] { background:qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 #3C6FA8,stop:1 #2A5282);"
      "  color:white; font-weight:bold; border:1px solid #1F3F66; border-radius:3px; padding:3px 6px; }"
      "QPushButton[cabecera=\"true\"]:hover { background:#4A7FB8; }"
      "QLabel[numero=\"true\"] { background:#2A5282; color:white; font-weight:bold; border-radius:3px; }"
      "QLabel[titulo=\"true\"] { color:#1F3A5F; font-weight:bold; }"
      "QFrame[borde=\"true\"] { border:2px solid #F2B632; border-radius:7px; background:rgba(242,182,50,40); }"
      "QLineEdit[lectura=\"true\"] { background:white; border:1px solid #8EA9C8; border-radius:2px; color:#102440; }");
}

void PrepararPantalla(QDialog& pantalla, const QString& nombre, const QString& titulo, const QString& estiloPropio) {
  pantalla.setObjectName(nombre);
  pantalla.setWindowTitle(titulo);
  pantalla.setWindowIcon(Icono(QStringLiteral("tanteo")));
  pantalla.setModal(true);
  pantalla.setStyleSheet(EstiloPantallas() + estiloPropio);
}

void MontarConTitulo(QDialog& pantalla, QLayout* contenido) {
  auto* tira = new QFrame(&pantalla);
  tira->setObjectName(QStringLiteral("tiraTitulo"));
  auto* fila = new QHBoxLayout(tira);
  fila->setContentsMargins(14, 8, 14, 8);
  auto* texto = new QLabel(pantalla.windowTitle(), tira);
  texto->setObjectName(QStringLiteral("lblCaption"));
  fila->addWidget(texto);
  fila->addStretch();
  auto* todo = new QVBoxLayout(&pantalla);
  todo->setContentsMargins(0, 0, 0, 0);
  todo->setSpacing(0);
  todo->addWidget(tira);
  todo->addLayout(contenido);
  todo->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* BotonCabecera(const QString& nombre, const QString& texto, QWidget* padre) {
  auto* boton = new QPushButton(texto, padre);
  boton->setObjectName(nombre);
  boton->setProperty("cabecera", true);
  return boton;
}

QLabel* NumeroPartido(const QString& nombre, int numero, QWidget* padre) {
  auto* lbl = new QLabel(QString::number(numero), padre);
  lbl->setObjectName(nombre);
  lbl->setProperty("numero", true);
  lbl->setAlignment(Qt::AlignCenter);
  lbl->setFixedSize(22, 24);
  return lbl;
}

}  // namespace tanteo
