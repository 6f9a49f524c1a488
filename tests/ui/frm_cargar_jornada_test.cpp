#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <fstream>

#include "ayudas_pantallas.h"

namespace tanteo {

namespace {

using pruebas::Hijo;
using pruebas::Q;

// The main window with its "J" button, its matchday 2 of 2025/2026 and twelve names of its
// own; the matchday service is the bundled sample folder.
struct Banco : pruebas::VentanaConFiltros {
  Banco() {
    EstadoPrincipal& estado = comandos.estado;
    estado.cboNumeroJornada.PonerTexto("2");
    for (int t = 0; t < kEquipos; ++t) estado.txtPartido[t] = "Propio" + std::to_string(t + 1);
    ventana.Refrescar();
  }
  void AbrirJornada() { QTest::mouseClick(Hijo(&ventana, QStringLiteral("cmdCargarJornada")), Qt::LeftButton); }
};

void Pulsar(QWidget* pantalla, const char* imagen) {
  QTest::mouseClick(Hijo(pantalla, QString::fromLatin1(imagen)), Qt::LeftButton);
}
QString Nombre(QWidget* pantalla, int t) { return Hijo<QLineEdit>(pantalla, QStringLiteral("txtPartido_%1").arg(t))->text(); }

}  // namespace

class PruebaFrmCargarJornada : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { qunsetenv("TANTEO_SERVICIO"); }

  void abreConLoDeLaVentanaYSoloSeCierraConVolver() {
    Banco b;
    bool visto = false;
    pruebas::AlAbrirse([&](QWidget* pantalla) {
      QCOMPARE(pantalla->objectName(), QStringLiteral("frmCargarJornada"));
      QCOMPARE(pantalla->windowTitle(), QStringLiteral("Cargar Jornada"));
      QCOMPARE(Hijo<QLabel>(pantalla, QStringLiteral("Label2"))->text(),
               QStringLiteral("Seleccione la jornada y la temporada que desea cargar:"));
      QCOMPARE(Hijo<QLabel>(pantalla, QStringLiteral("Label14"))->text(), QStringLiteral("Jornada :"));
      QCOMPARE(Hijo<QLabel>(pantalla, QStringLiteral("Label1"))->text(), QStringLiteral("Temporada :"));
      const struct { const char* imagen; const char* ayuda; } imagenes[] = {
          {"imgConectar", "Cargar desde internet una jornada"},
          {"imgCargarJornada", "Cargar desde fichero de texto una jornada"},
          {"imgInicializarPartidos", "Inicializa el nombre de los partidos"},
          {"imgVolver", "Cerrar"}};
      for (const auto& i : imagenes) QCOMPARE(Hijo(pantalla, QString::fromLatin1(i.imagen))->toolTip(), QString::fromUtf8(i.ayuda));
      for (int k = 0; k < kPartidos; ++k) QCOMPARE(Hijo<QLabel>(pantalla, QStringLiteral("lblNumero_%1").arg(k))->text(), QString::number(k + 1));
      auto* jornada = Hijo<QComboBox>(pantalla, QStringLiteral("cboNumeroJornada"));
      auto* temporada = Hijo<QComboBox>(pantalla, QStringLiteral("cboTemporada"));
      QCOMPARE(jornada->count(), 99);
      QCOMPARE(temporada->count(), 71);
      QCOMPARE(jornada->currentText(), QStringLiteral("2"));
      QCOMPARE(temporada->currentText(), QStringLiteral("2025/2026"));
      for (int t = 0; t < kEquipos; ++t) QCOMPARE(Nombre(pantalla, t), QStringLiteral("Propio%1").arg(t + 1));
      QVERIFY(!Hijo(pantalla, QStringLiteral("lblDescargando"))->isVisible());
      // Neither the frame nor Escape closes it.
      QVERIFY(!pantalla->windowFlags().testFlag(Qt::WindowCloseButtonHint));
      QVERIFY(!pantalla->close());
      QTest::keyClick(pantalla, Qt::Key_Escape);
      QVERIFY(pantalla->isVisible());
      // The pointer over a picture shows its frame; moving off it hides it.
      for (const auto& [imagen, borde] : {std::pair{"imgVolver", "ShapeBorde_0"}, std::pair{"imgCargarJornada", "ShapeBorde_1"},
                                          std::pair{"imgConectar", "ShapeBorde_2"}}) {
        QWidget* boton = Hijo(pantalla, QString::fromLatin1(imagen));
        QEnterEvent entrar(QPointF(5, 5), QPointF(5, 5), boton->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(boton, &entrar);
        QVERIFY(Hijo(pantalla, QString::fromLatin1(borde))->isVisible());
        QEvent salir(QEvent::Leave);
        QApplication::sendEvent(boton, &salir);
        QVERIFY(!Hijo(pantalla, QString::fromLatin1(borde))->isVisible());
      }
      visto = true;
      Pulsar(pantalla, "imgVolver");
    });
    b.AbrirJornada();
    QVERIFY(visto);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(b.comandos.estado.txtPartido[0], std::string("Propio1"));
    QVERIFY(b.ui.mensajes.empty());
  }

  // imgConectar fetches the screen's own matchday showing lblDescargando meanwhile; imgVolver
  // hands the names and then the selections back, with no second fetch over the names.
  void conectarCargaYVolverLoDevuelveALaVentana() {
    Banco b;
    bool avisoDuranteLaDescarga = false;
    pruebas::AlAbrirse([&](QWidget* pantalla) {
      Hijo<QComboBox>(pantalla, QStringLiteral("cboNumeroJornada"))->setCurrentIndex(0);
      auto* aviso = Hijo<QLabel>(pantalla, QStringLiteral("lblDescargando"));
      QTimer::singleShot(0, [&] { avisoDuranteLaDescarga = aviso->isVisible(); });
      Pulsar(pantalla, "imgConectar");
      QVERIFY(avisoDuranteLaDescarga);
      QCOMPARE(aviso->text(), QStringLiteral("Descargando por favor espere ..."));
      QVERIFY(!aviso->isVisible());
      QCOMPARE(Nombre(pantalla, 0), QStringLiteral("Alavés"));
      QCOMPARE(Nombre(pantalla, 11), QStringLiteral("Málaga"));
      auto* ultimo = Hijo<QLineEdit>(pantalla, QStringLiteral("txtPartido_11"));
      ultimo->clear();
      QTest::keyClicks(ultimo, QStringLiteral("Mi equipo"));
      Pulsar(pantalla, "imgVolver");
    });
    b.AbrirJornada();
    QVERIFY(b.ui.mensajes.empty());
    const EstadoPrincipal& estado = b.comandos.estado;
    QCOMPARE(estado.txtPartido[0], std::string("Alavés"));
    QCOMPARE(estado.txtPartido[11], std::string("Mi equipo"));
    QCOMPARE(estado.cboNumeroJornada.Texto(), std::string("1"));
    QCOMPARE(Hijo<QComboBox>(&b.ventana, QStringLiteral("cboNumeroJornada"))->currentText(), QStringLiteral("1"));
    QCOMPARE(Hijo<QLineEdit>(&b.ventana, QStringLiteral("txtPartido_11"))->text(), QStringLiteral("Mi equipo"));
  }

  // A matchday the service does not have: its message, and the names stay as they were.
  void unaJornadaQueNoExisteAvisaYNoTocaLosNombres() {
    Banco b;
    pruebas::AlAbrirse([&](QWidget* pantalla) {
      Hijo<QComboBox>(pantalla, QStringLiteral("cboNumeroJornada"))->setCurrentIndex(98);
      Pulsar(pantalla, "imgConectar");
      QCOMPARE(Nombre(pantalla, 0), QStringLiteral("Propio1"));
      QVERIFY(!Hijo(pantalla, QStringLiteral("lblDescargando"))->isVisible());
      Pulsar(pantalla, "imgVolver");
    });
    b.AbrirJornada();
    QCOMPARE(b.ui.mensajes.size(), std::size_t{1});
    QVERIFY(b.ui.mensajes[0].texto.starts_with("ERROR AL ABRIR EL FICHERO DE JORNADA"));
    QCOMPARE(b.comandos.estado.txtPartido[0], std::string("Propio1"));
    QCOMPARE(b.comandos.estado.cboNumeroJornada.Texto(), std::string("99"));
  }

  // The text file fills the names (a long line cut to 16 characters, a line of blanks empty);
  // imgInicializarPartidos empties them all.
  void ficheroDeTextoEInicializar() {
    Banco b;
    std::string texto = "  Un nombre muy largo de equipo  \r\n   \r\n";
    for (int t = 3; t <= kEquipos; ++t) texto += "Equipo " + std::to_string(t) + "\r\n";
    const std::string ruta = (b.carpeta / "jornada.txt").string();
    std::ofstream(ruta, std::ios::binary) << texto;
    b.ui.ElegirFichero(ruta);
    QStringList leidos, vaciados;
    pruebas::AlAbrirse([&](QWidget* pantalla) {
      Pulsar(pantalla, "imgCargarJornada");
      for (int t = 0; t < kEquipos; ++t) leidos << Nombre(pantalla, t);
      Pulsar(pantalla, "imgInicializarPartidos");
      for (int t = 0; t < kEquipos; ++t) vaciados << Nombre(pantalla, t);
      Pulsar(pantalla, "imgVolver");
    });
    b.AbrirJornada();
    QCOMPARE(b.ui.dialogos.size(), std::size_t{1});
    QCOMPARE(b.ui.dialogos[0].titulo, std::string("Cargar partidos"));
    QCOMPARE(leidos.mid(0, 3), (QStringList{QStringLiteral("Un nombre muy la"), QString(), QStringLiteral("Equipo 3")}));
    QCOMPARE(leidos.back(), QStringLiteral("Equipo 12"));
    QCOMPARE(vaciados, QStringList(kEquipos, QString()));
    for (const std::string& nombre : b.comandos.estado.txtPartido) QVERIFY(nombre.empty());
  }
};

}  // namespace tanteo

QTEST_MAIN(tanteo::PruebaFrmCargarJornada)
#include "frm_cargar_jornada_test.moc"
