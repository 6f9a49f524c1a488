// A control of a screen by its objectName; a missing one fails the test at once.
#pragma once

#include <QWidget>
#include <QtTest>

namespace tanteo::pruebas {

template <class T = QWidget>
T* BuscarControl(const QObject& raiz, const QString& nombre) {
  T* control = raiz.findChild<T*>(nombre);
  if (control == nullptr) QTest::qFail(qPrintable(QStringLiteral("no existe ") + nombre), __FILE__, __LINE__);
  return control;
}

}  // namespace tanteo::pruebas
