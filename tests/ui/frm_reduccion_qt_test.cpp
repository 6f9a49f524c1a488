#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>
#include <functional>

#include "ayudas_pantallas.h"
#include "ui/frm_reduccion_qt.h"

namespace tanteo {

using pruebas::AlAbrirse;
using pruebas::Hijo;

namespace {

// The settings of a player who reduces to 340 exact bets "al 4" without cycles.
Reduccion Guardada() {
  Reduccion r;
  r.Tipo = 2;
  r.Porcentaje = 75;
  r.NuApuestas = 340;
  r.ActivarNumeroApuestas = 1;
  r.ApuestasExactas = 1;
  r.ActivarCiclos = 0;
  r.Aleatorio = 1;
  return r;
}

struct Banco {
  explicit Banco(Reduccion r = Guardada()) : reduccion(r) {
    pantalla = std::make_unique<FrmReduccionQt>(reduccion, lista);
    pantalla->show();
  }
  template <class T = QWidget>
  T* C(const QString& nombre) const {
    return Hijo<T>(pantalla.get(), nombre);
  }
  void Pulsar(const QString& nombre) const { QTest::mouseClick(C(nombre), Qt::LeftButton); }
  // A click on a button in the middle of it (a check box or an option button).
  void Marcar(const QString& nombre) const {
    auto* boton = C<QAbstractButton>(nombre);
    QTest::mouseClick(boton, Qt::LeftButton, {}, boton->rect().center());
  }
  bool FilaActiva() const { return lista.Activa(FilaFiltro::Reduccion); }

  Reduccion reduccion;
  ListaFiltros lista;
  std::unique_ptr<FrmReduccionQt> pantalla;
};

}  // namespace

class PruebaFrmReduccion : public QObject {
  Q_OBJECT

 private slots:
  void muestraLoGuardadoYCerrarSinTocarNadaNoCambiaNada() {
    Banco b;
    QVERIFY(QTest::qWaitForWindowExposed(b.pantalla.get()));
    QCOMPARE(b.pantalla->windowTitle(), QStringLiteral("Reducción"));
    QVERIFY(b.pantalla->isModal());
    QVERIFY(!(b.pantalla->windowFlags() & Qt::WindowCloseButtonHint));
    auto* opciones = b.pantalla->findChild<QGroupBox*>();
    QVERIFY(opciones != nullptr);
    QCOMPARE(opciones->title(), QStringLiteral("Opciones Generales"));

    auto* tipo = b.C<QComboBox>(QStringLiteral("cboTipoReduccion"));
    const QStringList tipos = {QStringLiteral("Sin reducción"), QStringLiteral("Reducción al 5"), QStringLiteral("Reducción al 4"),
                               QStringLiteral("Reducción al 3"), QStringLiteral("Reducción al 2")};
    QCOMPARE(tipo->count(), 5);
    for (int i = 0; i < 5; ++i) QCOMPARE(tipo->itemText(i), tipos[i]);
    QCOMPARE(tipo->currentIndex(), 2);
    auto* porcentaje = b.C<QComboBox>(QStringLiteral("cboPorcentaje"));
    QCOMPARE(porcentaje->count(), 100);
    QCOMPARE(porcentaje->itemText(0), QStringLiteral("Asegurar el 100%"));
    QCOMPARE(porcentaje->itemText(99), QStringLiteral("Asegurar el 1%"));
    QCOMPARE(porcentaje->currentIndex(), 25);
    QVERIFY(!porcentaje->isEnabled());
    QVERIFY(b.C<QRadioButton>(QStringLiteral("optTipo_0"))->isChecked());
    QCOMPARE(b.C<QRadioButton>(QStringLiteral("optTipo_1"))->text(), QStringLiteral("Porcentaje"));
    QVERIFY(b.C(QStringLiteral("txtNColumnas"))->isVisible());
    QCOMPARE(b.C<QLineEdit>(QStringLiteral("txtNColumnas"))->text(), QStringLiteral("340"));
    QVERIFY(b.C<QCheckBox>(QStringLiteral("chkApuestasExactas"))->isChecked());
    QVERIFY(!b.C<QCheckBox>(QStringLiteral("chkActivarCiclos"))->isChecked());
    QVERIFY(b.C<QCheckBox>(QStringLiteral("chkAleatorio"))->isChecked());
    const std::pair<const char*, const char*> leyendas[] = {
        {"Label1", "Ciclos"}, {"Label2", "Nº de Apuestas"}, {"Label3", "Aleatorio"}, {"Label4", "Generar Número de Apuestas Exactas"}};
    for (const auto& [nombre, texto] : leyendas) QCOMPARE(b.C<QLabel>(QString::fromLatin1(nombre))->text(), QString::fromUtf8(texto));
    QCOMPARE(b.C(QStringLiteral("chkActivarCiclos"))->toolTip(), QStringLiteral("Activa y desactiva los ciclos en la reducción"));
    QCOMPARE(b.C(QStringLiteral("chkAleatorio"))->toolTip(), QStringLiteral("Activa y desactiva el modo aleatorio de reducción"));
    QCOMPARE(b.C(QStringLiteral("imgActivar"))->toolTip(), QStringLiteral("Activar/Desactivar condición"));
    QVERIFY(!b.C(QStringLiteral("imgActivar"))->property("activa").toBool());

    b.Pulsar(QStringLiteral("imgVolver"));
    QVERIFY(!b.pantalla->isVisible());
    QCOMPARE(b.reduccion, Guardada());
    QVERIFY(!b.FilaActiva());
  }

  void porcentajeBorraYApagaElNumeroExacto() {
    Banco b;
    b.Marcar(QStringLiteral("optTipo_1"));
    QVERIFY(!b.C(QStringLiteral("txtNColumnas"))->isVisible());
    QVERIFY(!b.C(QStringLiteral("txtNColumnas"))->isEnabled());
    QVERIFY(b.C(QStringLiteral("cboPorcentaje"))->isEnabled());
    QVERIFY(!b.C<QCheckBox>(QStringLiteral("chkApuestasExactas"))->isChecked());
    QVERIFY(!b.C(QStringLiteral("chkApuestasExactas"))->isEnabled());
    QVERIFY(b.FilaActiva());
    QVERIFY(b.C(QStringLiteral("imgActivar"))->property("activa").toBool());

    // Back to the number of bets through its caption: the box returns, the check stays clear.
    b.Pulsar(QStringLiteral("Label2"));
    QVERIFY(b.C<QRadioButton>(QStringLiteral("optTipo_0"))->isChecked());
    QVERIFY(b.C(QStringLiteral("txtNColumnas"))->isVisible());
    QVERIFY(!b.C(QStringLiteral("cboPorcentaje"))->isEnabled());
    QVERIFY(b.C(QStringLiteral("chkApuestasExactas"))->isEnabled());
    QVERIFY(!b.C<QCheckBox>(QStringLiteral("chkApuestasExactas"))->isChecked());
    b.Pulsar(QStringLiteral("imgVolver"));
    QCOMPARE(b.reduccion.ApuestasExactas, std::int16_t{0});
    QCOMPARE(b.reduccion.ActivarNumeroApuestas, std::int16_t{1});
  }

  void queControlesActivanLaReduccion() {
    const std::pair<const char*, std::function<void(Banco&)>> casos[] = {
        {"cboTipoReduccion", [](Banco& b) { QTest::keyClick(b.C(QStringLiteral("cboTipoReduccion")), Qt::Key_Down); }},
        {"cboPorcentaje",
         [](Banco& b) {
           b.Marcar(QStringLiteral("optTipo_1"));
           b.lista.Desactivar(FilaFiltro::Reduccion);
           QTest::keyClick(b.C(QStringLiteral("cboPorcentaje")), Qt::Key_Down);
         }},
        {"chkAleatorio", [](Banco& b) { b.Marcar(QStringLiteral("chkAleatorio")); }},
        {"Label1", [](Banco& b) { b.Pulsar(QStringLiteral("Label1")); }},
        {"optTipo_0", [](Banco& b) { b.Marcar(QStringLiteral("optTipo_0")); }},
    };
    for (const auto& [nombre, pulsar] : casos) {
      Banco b;
      pulsar(b);
      QVERIFY2(b.FilaActiva(), nombre);
      QVERIFY2(b.C(QStringLiteral("imgActivar"))->property("activa").toBool(), nombre);
    }

    // The exact number and the typed number of bets are no reason to reduce.
    Banco b;
    b.Marcar(QStringLiteral("chkApuestasExactas"));
    b.Pulsar(QStringLiteral("Label4"));
    QTest::keyClicks(b.C(QStringLiteral("txtNColumnas")), QStringLiteral("5"));
    QVERIFY(!b.FilaActiva());
    b.Pulsar(QStringLiteral("imgActivar"));
    QVERIFY(b.FilaActiva());
    b.Pulsar(QStringLiteral("imgActivar"));
    QVERIFY(!b.FilaActiva());
    b.Pulsar(QStringLiteral("imgVolver"));
    QCOMPARE(b.reduccion.NuApuestas, 3405);
    QCOMPARE(b.reduccion.ApuestasExactas, std::int16_t{1});
  }

  void laCajaDeApuestasSoloTomaCifrasYVaciaEsUna() {
    Banco b;
    auto* caja = b.C<QLineEdit>(QStringLiteral("txtNColumnas"));
    caja->selectAll();
    QTest::keyClicks(caja, QStringLiteral("1a2,3.-"));
    QCOMPARE(caja->text(), QStringLiteral("123"));
    QTest::keyClick(caja, Qt::Key_Backspace);
    QCOMPARE(caja->text(), QStringLiteral("12"));
    QTest::keyClick(caja, Qt::Key_Home);
    QTest::keyClick(caja, Qt::Key_Delete);
    QCOMPARE(caja->text(), QStringLiteral("2"));
    QTest::keyClick(caja, Qt::Key_Delete);
    b.Pulsar(QStringLiteral("imgVolver"));
    QCOMPARE(b.reduccion.NuApuestas, 1);
  }

  void cerrarDeOtraFormaNoGuardaNada() {
    Banco b;
    QTest::keyClick(b.C(QStringLiteral("cboTipoReduccion")), Qt::Key_Down);
    QTest::keyClick(b.pantalla.get(), Qt::Key_Escape);  // no way out
    QVERIFY(b.pantalla->isVisible());
    QVERIFY(b.pantalla->close());
    QCOMPARE(b.reduccion, Guardada());
    QVERIFY(b.FilaActiva());  // the click had activated it
  }

  void laVentanaPrincipalLaAbreYReescribeLaFila() {
    pruebas::VentanaConFiltros v;
    QVERIFY(QTest::qWaitForWindowExposed(&v.ventana));
    QVERIFY(v.Fila(9).startsWith(QStringLiteral("No   Reducción         -")));
    AlAbrirse([](QWidget* pantalla) {
      QCOMPARE(pantalla->objectName(), QStringLiteral("frmReduccion"));
      auto* tipo = Hijo<QComboBox>(pantalla, QStringLiteral("cboTipoReduccion"));
      QCOMPARE(tipo->currentIndex(), 0);
      for (int i = 0; i < 3; ++i) QTest::keyClick(tipo, Qt::Key_Down);
      QTest::mouseClick(Hijo(pantalla, QStringLiteral("imgVolver")), Qt::LeftButton);
    });
    v.DobleClic(9);
    QCOMPARE(v.Fila(9), QStringLiteral("Sí   Reducción         al 3"));
    QCOMPARE(v.combinacion.reduccion.Tipo, std::int16_t{3});
    QVERIFY(!v.combinacion.guardadaXML);

    // Closed through the frame: nothing stored, the row still rewritten from the settings.
    AlAbrirse([](QWidget* pantalla) {
      QTest::keyClick(Hijo(pantalla, QStringLiteral("cboTipoReduccion")), Qt::Key_Down);
      pantalla->close();
    });
    v.DobleClic(9);
    QCOMPARE(v.combinacion.reduccion.Tipo, std::int16_t{3});
    QCOMPARE(v.Fila(9), QStringLiteral("Sí   Reducción         al 3"));
  }
};

}  // namespace tanteo

QTEST_MAIN(tanteo::PruebaFrmReduccion)
#include "frm_reduccion_qt_test.moc"
