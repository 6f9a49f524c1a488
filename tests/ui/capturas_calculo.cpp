// Pictures of a reduction: the calculation window a few cycles in, and the main window with
// the result it handed back.
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "capturas.h"

namespace tanteo::capturas {

bool VentanaCalculo(Programa& programa, const QDir& carpeta) {
  Combinacion& combinacion = programa.combinacion;
  // 0-0, 1-0, 0-1 and 1-1 in every match, 4.096 bets, reduced "al 5" with cycles.
  combinacion.base.Reiniciar();
  for (int m = 1; m <= kPartidos; ++m) {
    for (int r : {1, 2, 5, 6}) combinacion.AlternarResultado(m, r);
  }
  combinacion.lstFiltros.Desactivar(FilaFiltro::CBResultados);
  combinacion.reduccion = Reduccion{};
  combinacion.reduccion.Tipo = 1;
  combinacion.lstFiltros.ReconstruirReduccion(combinacion.reduccion.Tipo);
  combinacion.lstFiltros.Activar(FilaFiltro::Reduccion);
  programa.ventana.Refrescar();

  bool bien = false;
  QTimer durante;
  durante.setInterval(0);
  QObject::connect(&durante, &QTimer::timeout, [&] {
    QWidget* pantalla = QApplication::activeModalWidget();
    if (pantalla == nullptr || pantalla->objectName() != QStringLiteral("frmVentanaProceso")) return;
    if (pantalla->findChild<QLabel*>(QStringLiteral("lblCiclos"))->text().toInt() < 40) return;
    durante.stop();
    bien = Guardar(*pantalla, carpeta, QStringLiteral("ventana_proceso"));
    QTest::mouseClick(pantalla->findChild<QWidget*>(QStringLiteral("imgDetener")), Qt::LeftButton);
  });
  durante.start();
  QTest::mouseClick(programa.ventana.findChild<QWidget*>(QStringLiteral("lblMenu_4")), Qt::LeftButton);
  if (durante.isActive()) {
    std::fprintf(stderr, "la reducción terminó antes de mostrar su ventana\n");
    return false;
  }
  return Guardar(programa.ventana, carpeta, QStringLiteral("principal_tras_reduccion")) && bien;
}

}  // namespace tanteo::capturas
