#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <fstream>

#include "fakes/carpeta_temporal.h"
#include "ui/interaccion_qt.h"
#include "ui/progreso_qt.h"

namespace tanteo {

namespace {

// Runs `accion` on the modal widget that the next call opens.
template <class T, class F>
void AlAbrirse(F accion) {
  QTimer::singleShot(0, [accion] {
    auto* pantalla = qobject_cast<T*>(QApplication::activeModalWidget());
    QVERIFY(pantalla != nullptr);
    accion(pantalla);
  });
}

}  // namespace

class PruebaCosturasQt : public QObject {
  Q_OBJECT

 private slots:
  void preguntaTituladaConNoPreseleccionado() {
    InteraccionQt ui;
    QMessageBox::Icon icono{};
    QString titulo, texto;
    AlPreguntar(icono, titulo, texto, [](QMessageBox* caja) { QTest::keyClick(caja, Qt::Key_Return); });
    QVERIFY(!ui.Pregunta("¿ DESEA SALIR ?"));
    QCOMPARE(icono, QMessageBox::Question);
    QCOMPARE(titulo, QStringLiteral("TANTEO"));
    QCOMPARE(texto, QStringLiteral("¿ DESEA SALIR ?"));

    AlPreguntar(icono, titulo, texto, [](QMessageBox* caja) { caja->button(QMessageBox::Yes)->click(); });
    QVERIFY(ui.Pregunta("otra"));
    AlPreguntar(icono, titulo, texto, [](QMessageBox* caja) { QTest::keyClick(caja, Qt::Key_Escape); });
    QVERIFY(!ui.Pregunta("otra"));
  }

  void mensajesConSuIcono() {
    InteraccionQt ui;
    const std::pair<Icono, QMessageBox::Icon> casos[] = {
        {Icono::Error, QMessageBox::Critical}, {Icono::Aviso, QMessageBox::Warning}, {Icono::Informacion, QMessageBox::Information}};
    for (const auto& [nuestro, deQt] : casos) {
      QMessageBox::Icon visto{};
      QString titulo;
      AlAbrirse<QMessageBox>([&](QMessageBox* caja) {
        visto = caja->icon();
        titulo = caja->windowTitle();
        caja->accept();
      });
      ui.Mensaje(nuestro, "ERROR: algo");
      QCOMPARE(visto, deQt);
      QCOMPARE(titulo, QStringLiteral("TANTEO"));
    }
  }

  void filtrosDeLosDialogos() {
    QCOMPARE(FiltrosQt("Ficheros de Apuestas (*.TXT)|*.TXT|Ficheros en formato TANTEO (*.TTO)|*.TTO|"
                       "Todos los archivos (*.*)|*.*|"),
             (QStringList{QStringLiteral("Ficheros de Apuestas (*.TXT *.txt)"),
                          QStringLiteral("Ficheros en formato TANTEO (*.TTO *.tto)"), QStringLiteral("Todos los archivos (*)")}));
    QCOMPARE(FiltrosQt("Fichero de partidos|*.asc"), QStringList{QStringLiteral("Fichero de partidos (*.asc)")});
    QCOMPARE(FiltrosQt(""), QStringList());
  }

  void dialogoDeAbrirConSuTituloYFiltroInicial() {
    pruebas::CarpetaTemporal carpeta;
    const auto fichero = carpeta / "semana.tto";
    std::ofstream(fichero) << "x";
    InteraccionQt ui;
    DialogoFichero dialogo{"Abrir Fichero", "Ficheros de Apuestas (*.TXT)|*.TXT|Ficheros en formato TANTEO (*.TTO)|*.TTO|", 2, "", false};
    QString titulo, filtro;
    AlAbrirse<QFileDialog>([&](QFileDialog* caja) {
      titulo = caja->windowTitle();
      filtro = caja->selectedNameFilter();
      caja->reject();
    });
    QVERIFY(!ui.AbrirFichero(dialogo).has_value());
    QCOMPARE(titulo, QStringLiteral("Abrir Fichero"));
    QCOMPARE(filtro, QStringLiteral("Ficheros en formato TANTEO (*.TTO *.tto)"));

    AlAbrirse<QFileDialog>([&](QFileDialog* caja) {
      caja->selectFile(QString::fromStdString(fichero.string()));
      QMetaObject::invokeMethod(caja, "accept");
    });
    QCOMPARE(ui.AbrirFichero(dialogo), std::optional<std::string>(fichero.string()));
  }

  void progresoEnLosControles() {
    QLabel barra, texto;
    int refrescos = 0;
    ProgresoQt progreso(&barra, 315, &texto, [&] { ++refrescos; });
    progreso.Avance(6000, 18000);
    QCOMPARE(barra.width(), 105);
    progreso.Avance(5, 0);
    QCOMPARE(barra.width(), 0);
    progreso.Texto("CB por RESULTADOS");
    QCOMPARE(texto.text(), QStringLiteral("CB por RESULTADOS"));
    bool atendido = false;
    QTimer::singleShot(0, [&] { atendido = true; });
    progreso.Ceder();
    QCOMPARE(refrescos, 1);
    QVERIFY(atendido);
    QVERIFY(!progreso.DetencionPedida());
    progreso.PedirDetencion();
    QVERIFY(progreso.DetencionPedida());
    progreso.Reiniciar();
    QVERIFY(!progreso.DetencionPedida());
  }

 private:
  template <class F>
  static void AlPreguntar(QMessageBox::Icon& icono, QString& titulo, QString& texto, F responder) {
    AlAbrirse<QMessageBox>([&icono, &titulo, &texto, responder](QMessageBox* caja) {
      icono = caja->icon();
      titulo = caja->windowTitle();
      texto = caja->text();
      QCOMPARE(caja->defaultButton(), caja->button(QMessageBox::No));
      responder(caja);
    });
  }
};

}  // namespace tanteo

QTEST_MAIN(tanteo::PruebaCosturasQt)
#include "costuras_qt_test.moc"
