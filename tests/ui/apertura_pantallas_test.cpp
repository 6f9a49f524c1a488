// The main window opening the random base and the analysis through the program's services.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "buscar_control.h"
#include "engine/comandos.h"
#include "engine/comprobaciones.h"
#include "fakes/carpeta_temporal.h"
#include "fakes/interaccion_guionizada.h"
#include "fakes/plataforma_falsa.h"
#include "ui/frm_alazar.h"
#include "ui/frm_analisis.h"
#include "ui/frm_principal.h"
#include "ui/servicios_ventana.h"

namespace tanteo {

namespace {

// The program's wiring with scripted answers and a temporary program folder.
struct Banco {
  Banco() {
    ui.alFallar = [](const std::string& motivo) { QTest::qFail(motivo.c_str(), __FILE__, __LINE__); };
    ventana = std::make_unique<FrmPrincipal>(comandos);
    servicios.PonerVentana(*ventana);
    servicios.PonerGenerador(azar);
    ventana->show();
  }

  template <class T = QWidget>
  T* Control(const QString& nombre) const {
    return pruebas::BuscarControl<T>(*ventana, nombre);
  }
  // Final bets as a run leaves them: `filas` rows, the counter showing `contador`.
  void Finales(std::int32_t filas, const char* contador) {
    combinacion.apuestas.ApuestasFinales.Redimensionar(filas);
    for (std::int32_t i = 1; i <= filas; ++i) combinacion.apuestas.ApuestasFinales.Poner(i, {5, 6, 1, 1, 1, 1});
    combinacion.apuestas.TotalApuestas = filas;
    combinacion.contadores.lblApuestasReduccion = contador;
  }

  pruebas::CarpetaTemporal carpeta;
  Combinacion combinacion;
  pruebas::InteraccionGuionizada ui;
  pruebas::PlataformaFalsa plataforma{carpeta.Ruta()};
  GeneradorAleatorio azar;
  ServiciosVentana servicios{plataforma, ui};
  ComandosPrincipal comandos{combinacion, ui, plataforma, servicios};
  std::unique_ptr<FrmPrincipal> ventana;
};

// Runs `accion` on the screen of type T that the next command opens, or records that none did.
template <class T, class F>
void AlAbrirse(bool& abierta, F accion) {
  abierta = false;
  QTimer::singleShot(0, [&abierta, accion] {
    auto* pantalla = qobject_cast<T*>(QApplication::activeModalWidget());
    if (pantalla == nullptr) return;
    abierta = true;
    accion(pantalla);
    pantalla->close();
  });
}

}  // namespace

class PruebaAperturaPantallas : public QObject {
  Q_OBJECT

 private slots:
  void pronosticoAleatorioDibujaLaBaseEnLaVentanaYSeRecuenta() {
    Banco b;
    bool abierta = false;
    int seleccionadasConLaPantallaAbierta = 0;
    AlAbrirse<FrmAlazar>(abierta, [&](FrmAlazar* pantalla) {
      for (int k = 0; k < kPartidos; ++k) pantalla->findChild<QComboBox*>(QStringLiteral("cboPartido_%1").arg(k))->setCurrentIndex(1);
      QTest::mouseClick(pantalla->findChild<QWidget*>(QStringLiteral("imgRellenar")), Qt::LeftButton);
      // The results view of the main window shows the draw while the screen is still open.
      for (int m = 1; m <= kPartidos; ++m) {
        for (int r = 0; r < kResultados; ++r) {
          auto* lbl = b.Control<QLabel>(QStringLiteral("lblPartido%1_%2").arg(m).arg(r));
          seleccionadasConLaPantallaAbierta += lbl->styleSheet().contains(QStringLiteral("#C0E0FF")) ? 1 : 0;
        }
      }
    });
    emit b.Control<QComboBox>(QStringLiteral("cboTipoCombinacion"))->activated(1);
    QVERIFY(abierta);
    QCOMPARE(seleccionadasConLaPantallaAbierta, 2 * kPartidos);
    QCOMPARE(b.Control<QLabel>(QStringLiteral("lblApuIniciales"))->text(), QStringLiteral("64"));
    QVERIFY(b.combinacion.cambiadaDesdeGeneracion);
    QVERIFY(!b.combinacion.guardadaXML);
  }

  void analisisDeLasApuestasFinalesConLosNombresDeLaVentana() {
    Banco b;
    b.comandos.estado.txtPartido[0] = "Local";
    b.comandos.estado.txtPartido[1] = "Visitante";
    b.Finales(3, "3");
    bool abierta = false;
    QString celda, ayuda;
    AlAbrirse<FrmAnalisis>(abierta, [&](FrmAnalisis* pantalla) {
      celda = pantalla->findChild<QLabel*>(QStringLiteral("lbl1_4"))->text();
      ayuda = pantalla->findChild<QLabel*>(QStringLiteral("lblNumero_0"))->toolTip();
    });
    QTest::mouseClick(b.Control(QStringLiteral("lblMenu_5")), Qt::LeftButton);
    QVERIFY(abierta);
    QCOMPARE(celda, QStringLiteral("3"));
    QCOMPARE(ayuda, QStringLiteral("Local-Visitante"));
  }

  void analisisNoLeeMasFilasDeLasQueHay() {
    Banco b;
    b.Finales(3, "5");
    bool abierta = false;
    QString celda;
    AlAbrirse<FrmAnalisis>(abierta, [&](FrmAnalisis* pantalla) {
      celda = pantalla->findChild<QLabel*>(QStringLiteral("lbl1_4"))->text();
    });
    QTest::mouseClick(b.Control(QStringLiteral("lblMenu_5")), Qt::LeftButton);
    QVERIFY(abierta);
    QCOMPARE(celda, QStringLiteral("3"));
  }

  void analisisSinApuestasOConCambiosRechazados() {
    Banco b;
    bool abierta = false;
    AlAbrirse<FrmAnalisis>(abierta, [](FrmAnalisis*) {});
    QTest::mouseClick(b.Control(QStringLiteral("lblMenu_5")), Qt::LeftButton);
    QCoreApplication::processEvents();
    QVERIFY(!abierta);
    QCOMPARE(b.ui.Textos(), std::vector<std::string>{std::string(kErrorTotalesCero)});

    b.Finales(3, "3");
    b.combinacion.cambiadaDesdeGeneracion = true;
    b.ui.ResponderNo();
    AlAbrirse<FrmAnalisis>(abierta, [](FrmAnalisis*) {});
    QTest::mouseClick(b.Control(QStringLiteral("lblMenu_5")), Qt::LeftButton);
    QCoreApplication::processEvents();
    QVERIFY(!abierta);
    QCOMPARE(b.ui.preguntas, std::vector<std::string>{PreguntaCambios(kPreguntaVerAnalisis)});
  }
};

}  // namespace tanteo

QTEST_MAIN(tanteo::PruebaAperturaPantallas)
#include "apertura_pantallas_test.moc"
