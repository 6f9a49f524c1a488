#include <QApplication>
#include <QStyleFactory>
#include <clocale>

#include "ui/programa.h"

int main(int argc, char* argv[]) {
  QApplication aplicacion(argc, argv);
  // The QApplication switches LC_NUMERIC to the environment's locale; the core's number
  // conversions expect the C locale.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName(QStringLiteral("TANTEO"));
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

  tanteo::Programa programa;
  programa.ventana.show();
  return QApplication::exec();
}
