#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "ayudas_pantallas.h"
#include "ui/frm_aciertos_qt.h"

namespace tanteo {

using pruebas::Hijo;

namespace {

enum class Estado { Usable, Deshabilitada, Oculta };

Estado EstadoDe(QWidget* dialogo, int k) {
  auto* lbl = Hijo<QLabel>(dialogo, QStringLiteral("lblAciertos_%1").arg(k));
  if (!lbl->isVisibleTo(dialogo)) return Estado::Oculta;
  return lbl->isEnabled() ? Estado::Usable : Estado::Deshabilitada;
}

// The colour painted inside the label's border, and its text colour.
QColor Fondo(QWidget* dialogo, int k) {
  auto* lbl = Hijo<QLabel>(dialogo, QStringLiteral("lblAciertos_%1").arg(k));
  return lbl->grab().toImage().pixelColor(3, 3);
}
bool TextoBlanco(QWidget* dialogo, int k) {
  return Hijo<QLabel>(dialogo, QStringLiteral("lblAciertos_%1").arg(k))->styleSheet().contains(QStringLiteral("color:#ffffff"));
}

void Pulsar(QWidget* dialogo, const QString& nombre) { QTest::mouseClick(Hijo(dialogo, nombre), Qt::LeftButton); }

}  // namespace

class PruebaFrmAciertos : public QObject {
  Q_OBJECT

 private slots:
  void conMaximoTresSinBanderas() {
    SeleccionAciertos seleccion{};
    seleccion[2] = 1;
    seleccion[5] = 1;  // above the maximum: left alone
    FrmAciertos logica(seleccion);
    logica.lblTitulo = "ACIERTOS EN CB7";
    logica.MaximoAcierto = 3;
    FrmAciertosQt dialogo(logica);
    dialogo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialogo));

    QCOMPARE(dialogo.windowTitle(), QStringLiteral("ACIERTOS"));
    QCOMPARE(Hijo<QLabel>(&dialogo, QStringLiteral("lblTitulo"))->text(), QStringLiteral("ACIERTOS EN CB7"));
    for (int k = 0; k < kEtiquetasAciertos; ++k) {
      QCOMPARE(Hijo<QLabel>(&dialogo, QStringLiteral("lblAciertos_%1").arg(k))->text(), QString::number(k));
      const Estado esperado = k <= 3 ? Estado::Usable : k <= 15 ? Estado::Deshabilitada : Estado::Oculta;
      QVERIFY2(EstadoDe(&dialogo, k) == esperado, qPrintable(QStringLiteral("etiqueta %1").arg(k)));
    }
    QCOMPARE(Fondo(&dialogo, 2), QColor(0x80, 0x80, 0x80));
    QVERIFY(TextoBlanco(&dialogo, 2));
    QCOMPARE(Fondo(&dialogo, 1), QColor(Qt::white));
    QVERIFY(!TextoBlanco(&dialogo, 1));

    Pulsar(&dialogo, QStringLiteral("lblAciertos_2"));
    Pulsar(&dialogo, QStringLiteral("lblAciertos_0"));
    Pulsar(&dialogo, QStringLiteral("lblAciertos_4"));  // disabled
    QCOMPARE(Fondo(&dialogo, 2), QColor(Qt::white));
    QCOMPARE(Fondo(&dialogo, 0), QColor(0x80, 0x80, 0x80));
    QCOMPARE(seleccion[0], 1);
    QCOMPARE(seleccion[2], 0);
    QCOMPARE(seleccion[4], 0);

    const std::pair<const char*, const char*> botones[] = {
        {"cmdTodos", "Selecciona TODOS los aciertos"}, {"cmdNinguno", "Borra TODOS los aciertos"},
        {"cmdVolver", "Vuelve al Menú anterior"}};
    for (const auto& [nombre, ayuda] : botones) {
      QCOMPARE(Hijo(&dialogo, QString::fromLatin1(nombre))->toolTip(), QString::fromUtf8(ayuda));
    }
    QCOMPARE(Hijo<QPushButton>(&dialogo, QStringLiteral("cmdTodos"))->text(), QStringLiteral("&TODOS"));
    Pulsar(&dialogo, QStringLiteral("cmdTodos"));
    for (int k = 0; k <= 3; ++k) QCOMPARE(seleccion[k], 1);
    QCOMPARE(seleccion[4], 0);
    QCOMPARE(Fondo(&dialogo, 3), QColor(0x80, 0x80, 0x80));
    Pulsar(&dialogo, QStringLiteral("cmdNinguno"));
    for (int k = 0; k <= 3; ++k) QCOMPARE(seleccion[k], 0);
    QCOMPARE(seleccion[5], 1);
    QCOMPARE(Fondo(&dialogo, 3), QColor(Qt::white));

    Pulsar(&dialogo, QStringLiteral("lblAciertos_1"));
    Pulsar(&dialogo, QStringLiteral("cmdVolver"));
    QVERIFY(!dialogo.isVisible());
    QVERIFY(logica.Cerrado());
    QCOMPARE(seleccion[1], 1);
  }

  void lasBanderasMuestranLasEtiquetasAltasYSeApaganAlVolver() {
    SeleccionAciertos seleccion{};
    seleccion[36] = 1;
    FrmAciertos logica(seleccion);
    logica.MaximoAcierto = 36;
    logica.Mostrar31aciertos = true;
    {
      FrmAciertosQt dialogo(logica);
      dialogo.show();
      QCOMPARE(EstadoDe(&dialogo, 16), Estado::Usable);
      QCOMPARE(EstadoDe(&dialogo, 31), Estado::Usable);
      QCOMPARE(EstadoDe(&dialogo, 32), Estado::Oculta);
      dialogo.close();  // the frame's close is the same way out as VOLVER
      QVERIFY(logica.Cerrado());
      QVERIFY(!logica.Mostrar31aciertos);
    }
    logica.Mostrar32a36aciertos = true;
    FrmAciertosQt dialogo(logica);
    dialogo.show();
    QCOMPARE(EstadoDe(&dialogo, 20), Estado::Oculta);
    QCOMPARE(EstadoDe(&dialogo, 36), Estado::Usable);
    QCOMPARE(Fondo(&dialogo, 36), QColor(0x80, 0x80, 0x80));
  }

  void rangosDeResultados() {
    SeleccionAciertos seleccion{};
    FrmAciertosPorcentajes logica(seleccion, "12", "2023/2024");
    logica.lblTitulo = "DE MAS A MENOS PROBABLES EN TODOS";
    FrmAciertosPorcentajesQt dialogo(logica);
    dialogo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialogo));

    QCOMPARE(dialogo.windowTitle(), QStringLiteral("SELECCIONE RESULTADOS"));
    QCOMPARE(Hijo<QLabel>(&dialogo, QStringLiteral("lblTitulo"))->text(), QStringLiteral("DE MAS A MENOS PROBABLES EN TODOS"));
    QCOMPARE(Hijo<QLabel>(&dialogo, QStringLiteral("lblJornada"))->text(), QStringLiteral("J: 12 ; T: 2023/2024"));
    QCOMPARE(Hijo<QLabel>(&dialogo, QStringLiteral("lblSigno_0"))->text(), QStringLiteral("+"));
    QCOMPARE(Hijo<QLabel>(&dialogo, QStringLiteral("lblSigno_1"))->text(), QStringLiteral("-"));
    for (int k = 0; k < 16; ++k) {
      QCOMPARE(Hijo<QLabel>(&dialogo, QStringLiteral("lblAciertos_%1").arg(k))->text(), QString::number(k + 1));
      QCOMPARE(Fondo(&dialogo, k), QColor(Qt::white));
    }
    QVERIFY(dialogo.findChild<QLabel*>(QStringLiteral("lblAciertos_16")) == nullptr);
    QCOMPARE(Hijo(&dialogo, QStringLiteral("cmdTodos"))->toolTip(), QStringLiteral("Selecciona TODOS"));
    QCOMPARE(Hijo(&dialogo, QStringLiteral("cmdNinguno"))->toolTip(), QStringLiteral("Borra TODOS"));
    auto* cbo = Hijo<QComboBox>(&dialogo, QStringLiteral("cboTipoPorcentajes"));
    QCOMPARE(cbo->count(), 3);
    QCOMPARE(cbo->itemText(0), QStringLiteral("Análisis de Estadisto"));
    QCOMPARE(cbo->itemText(1), QStringLiteral("Jugados en Estadisto"));
    QCOMPARE(cbo->itemText(2), QStringLiteral("LAE"));
    QCOMPARE(cbo->currentIndex(), 0);

    Pulsar(&dialogo, QStringLiteral("cmdTodos"));
    Pulsar(&dialogo, QStringLiteral("lblAciertos_0"));
    QCOMPARE(Fondo(&dialogo, 0), QColor(Qt::white));
    QCOMPARE(Fondo(&dialogo, 15), QColor(0x80, 0x80, 0x80));
    QCOMPARE(seleccion[0], 0);
    QCOMPARE(seleccion[15], 1);
    QCOMPARE(seleccion[16], 0);

    cbo->setCurrentIndex(2);
    QCOMPARE(logica.IDcboPorcentaje, 0);
    Pulsar(&dialogo, QStringLiteral("cmdVolver"));
    QVERIFY(!dialogo.isVisible());
    QCOMPARE(logica.IDcboPorcentaje, 2);
  }
};

}  // namespace tanteo

QTEST_MAIN(tanteo::PruebaFrmAciertos)
#include "frm_aciertos_qt_test.moc"
