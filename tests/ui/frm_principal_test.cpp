#include <QLabel>
#include <QtTest>

#include "engine/combinacion.h"
#include "ui/frm_principal.h"

namespace tanteo {

class PruebaFrmPrincipal : public QObject {
  Q_OBJECT

 private slots:
  void abreConElTituloDeUnaCombinacionSinGuardar() {
    Combinacion combinacion;
    FrmPrincipal ventana(combinacion);
    ventana.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ventana));
    QCOMPARE(ventana.windowTitle(), QStringLiteral("TANTEO 3.4 - Fichero : Sin guardar.xml"));
    auto* contador = ventana.findChild<QLabel*>(QStringLiteral("lblApuIniciales"));
    QVERIFY(contador != nullptr);
    QCOMPARE(contador->text(), QStringLiteral("0"));
  }
};

}  // namespace tanteo

QTEST_MAIN(tanteo::PruebaFrmPrincipal)
#include "frm_principal_test.moc"
