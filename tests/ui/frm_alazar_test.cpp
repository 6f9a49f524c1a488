#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QtTest>
#include <set>

#include "buscar_control.h"
#include "engine/base_pronostico.h"
#include "engine/generador_aleatorio.h"
#include "fakes/carpeta_temporal.h"
#include "fakes/plataforma_falsa.h"
#include "ui/frm_alazar.h"

namespace tanteo {

namespace {

// The screen over a base of its own; the clock seed changes on every reading.
struct Banco {
  Banco() { pantalla.show(); }

  template <class T = QWidget>
  T* Control(const QString& nombre) const {
    return pruebas::BuscarControl<T>(pantalla, nombre);
  }
  void Cuentas(const std::array<int, kPartidos>& cuentas) const {
    for (int k = 0; k < kPartidos; ++k) Control<QComboBox>(QStringLiteral("cboPartido_%1").arg(k))->setCurrentIndex(cuentas[k] - 1);
  }
  void Rellenar() const { QTest::mouseClick(Control(QStringLiteral("imgRellenar")), Qt::LeftButton); }
  std::multiset<int> Aceptados() const {
    std::multiset<int> n;
    for (int m = 1; m <= kPartidos; ++m) n.insert(base.AceptadosPartido(m));
    return n;
  }

  pruebas::CarpetaTemporal carpeta;
  pruebas::PlataformaFalsa reloj{carpeta.Ruta()};
  GeneradorAleatorio azar;
  BasePronostico base;
  int redibujados = 0;
  FrmAlazar pantalla{base, azar, reloj, [this] { ++redibujados; }};
};

}  // namespace

class PruebaFrmAlazar : public QObject {
  Q_OBJECT

 private slots:
  void abreConSusListasEnUno() {
    Banco b;
    QCOMPARE(b.pantalla.windowTitle(), QStringLiteral("Generar Base Al azar"));
    QVERIFY(b.pantalla.isModal());
    for (int k = 0; k < kPartidos; ++k) {
      QCOMPARE(b.Control<QLabel>(QStringLiteral("Label1_%1").arg(k))->text(), QStringLiteral("Partido %1").arg(k + 1));
      auto* lista = b.Control<QComboBox>(QStringLiteral("cboPartido_%1").arg(k));
      QCOMPARE(lista->count(), 16);
      for (int i = 0; i < 16; ++i) QCOMPARE(lista->itemText(i), QString::number(i + 1));
      QCOMPARE(lista->currentText(), QStringLiteral("1"));
    }
    QCOMPARE(b.Control<QLabel>(QStringLiteral("lblActivarPleno"))->text(), QStringLiteral("Respetar orden de partidos :"));
    QVERIFY(b.Control<QCheckBox>(QStringLiteral("chkOrden")) != nullptr);
    QCOMPARE(b.Control(QStringLiteral("imgRellenar"))->toolTip(), QStringLiteral("Rellenar Base"));
    QVERIFY(!b.Control(QStringLiteral("ShapeBorde"))->isVisible());
    QCOMPARE(b.base.Recuento(), 0);  // opening draws nothing
    // Left through the window's own close box.
    QVERIFY(b.pantalla.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(b.pantalla.close());
  }

  void unoASeisConYSinOrden() {
    Banco b;
    b.Cuentas({1, 2, 3, 4, 5, 6});
    b.Control<QCheckBox>(QStringLiteral("chkOrden"))->setChecked(true);
    b.Rellenar();
    for (int m = 1; m <= kPartidos; ++m) QCOMPARE(b.base.AceptadosPartido(m), m);
    QCOMPARE(b.base.Recuento(), 720);
    QCOMPARE(b.redibujados, 1);

    // Unticked the same six numbers change matches.
    b.Control<QCheckBox>(QStringLiteral("chkOrden"))->setChecked(false);
    bool algunoMovido = false;
    for (int vez = 0; vez < 10; ++vez) {
      b.Rellenar();
      QCOMPARE(b.Aceptados(), (std::multiset<int>{1, 2, 3, 4, 5, 6}));
      for (int m = 1; m <= kPartidos; ++m) algunoMovido = algunoMovido || b.base.AceptadosPartido(m) != m;
    }
    QVERIFY(algunoMovido);
    QCOMPARE(b.redibujados, 11);
  }

  void cadaRellenoSustituyeAlAnterior() {
    Banco b;
    b.Cuentas({16, 16, 16, 16, 16, 16});
    b.Rellenar();
    QCOMPARE(b.base.Recuento(), 16'777'216);
    b.Cuentas({1, 1, 1, 1, 1, 1});
    b.Rellenar();
    QCOMPARE(b.base.Recuento(), 1);
    QCOMPARE(b.Aceptados(), (std::multiset<int>{1, 1, 1, 1, 1, 1}));
  }

  void elBordeSigueAlPuntero() {
    Banco b;
    QVERIFY(QTest::qWaitForWindowExposed(&b.pantalla));
    QWidget* imagen = b.Control(QStringLiteral("imgRellenar"));
    QEnterEvent entrar(QPointF(5, 5), QPointF(5, 5), imagen->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(imagen, &entrar);
    QVERIFY(b.Control(QStringLiteral("ShapeBorde"))->isVisible());
    QEvent salir(QEvent::Leave);
    QApplication::sendEvent(imagen, &salir);
    QVERIFY(!b.Control(QStringLiteral("ShapeBorde"))->isVisible());
  }
};

}  // namespace tanteo

QTEST_MAIN(tanteo::PruebaFrmAlazar)
#include "frm_alazar_test.moc"
