#include <QApplication>
#include <clocale>

#include "engine/combinacion.h"
#include "ui/frm_principal.h"

int main(int argc, char* argv[]) {
  QApplication aplicacion(argc, argv);
  // The QApplication switches LC_NUMERIC to the environment's locale; the core's number
  // conversions expect the C locale.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName(QStringLiteral("TANTEO"));

  tanteo::Combinacion combinacion;
  tanteo::FrmPrincipal ventana(combinacion);
  ventana.show();
  return QApplication::exec();
}
