// Pictures of the load-matchday screen: while it fetches, and with the names it loaded.
#include <QComboBox>
#include <QTest>
#include <QTimer>

#include "capturas.h"

namespace tanteo::capturas {

bool PantallaJornada(Programa& programa, const QDir& carpeta) {
  bool bien = false;
  QTimer::singleShot(0, [&] {
    QWidget* pantalla = QApplication::activeModalWidget();
    if (pantalla == nullptr || pantalla->objectName() != QStringLiteral("frmCargarJornada")) return;
    pantalla->findChild<QComboBox*>(QStringLiteral("cboNumeroJornada"))->setCurrentText(QStringLiteral("2"));
    pantalla->findChild<QComboBox*>(QStringLiteral("cboTemporada"))->setCurrentText(QStringLiteral("2026/2027"));
    bool durante = false;
    QTimer::singleShot(0, [&] { durante = Guardar(*pantalla, carpeta, QStringLiteral("cargar_jornada_descargando")); });
    QTest::mouseClick(pantalla->findChild<QWidget*>(QStringLiteral("imgConectar")), Qt::LeftButton);
    bien = durante && Guardar(*pantalla, carpeta, QStringLiteral("cargar_jornada"));
    QTest::mouseClick(pantalla->findChild<QWidget*>(QStringLiteral("imgVolver")), Qt::LeftButton);
  });
  QTest::mouseClick(programa.ventana.findChild<QWidget*>(QStringLiteral("cmdCargarJornada")), Qt::LeftButton);
  return bien;
}

}  // namespace tanteo::capturas
