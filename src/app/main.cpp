#include <QApplication>
#include <QStyleFactory>
#include <clocale>

#include "engine/comandos.h"
#include "ui/frm_principal.h"
#include "ui/interaccion_qt.h"
#include "ui/plataforma_qt.h"
#include "ui/servicios_ventana.h"

int main(int argc, char* argv[]) {
  QApplication aplicacion(argc, argv);
  // The QApplication switches LC_NUMERIC to the environment's locale; the core's number
  // conversions expect the C locale.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName(QStringLiteral("TANTEO"));
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

  tanteo::Combinacion combinacion;
  tanteo::InteraccionQt interaccion;
  tanteo::PlataformaQt plataforma;
  tanteo::ServiciosVentana servicios(plataforma);
  tanteo::ComandosPrincipal comandos(combinacion, interaccion, plataforma, servicios);
  tanteo::FrmPrincipal ventana(comandos);
  interaccion.PonerPadre(&ventana);
  ventana.show();
  return QApplication::exec();
}
