#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "ayudas_pantallas.h"
#include "ui/frm_filtro_cbres_qt.h"

namespace tanteo {

using pruebas::AlAbrirse;
using pruebas::Hijo;
using pruebas::Q;

namespace {

// The CB screen over its own settings, list and scripted messages.
struct Banco {
  Banco() {
    for (int t = 0; t < kEquipos; ++t) equipos[t] = "Equipo" + std::to_string(t + 1);
    ui.alFallar = [](const std::string& motivo) { QTest::qFail(motivo.c_str(), __FILE__, __LINE__); };
  }
  void Abrir() {
    pantalla = std::make_unique<FrmFiltroCBRESQt>(filtros, lista, equipos, ui);
    pantalla->show();
    QVERIFY(QTest::qWaitForWindowExposed(pantalla.get()));
  }
  QComboBox* Celda(int columna, int partido) const {
    return Hijo<QComboBox>(pantalla.get(), QStringLiteral("cboCB_C%1_%2").arg(columna).arg(partido));
  }
  QString Texto(const QString& nombre) const {
    QWidget* w = Hijo(pantalla.get(), nombre);
    if (auto* caja = qobject_cast<QLineEdit*>(w)) return caja->text();
    return static_cast<QAbstractButton*>(w)->text();
  }
  void Pulsar(const QString& nombre) const { QTest::mouseClick(Hijo(pantalla.get(), nombre), Qt::LeftButton); }
  bool ImagenActiva() const { return Hijo(pantalla.get(), QStringLiteral("imgActivar"))->property("activa").toBool(); }
  bool FilaActiva() const { return lista.Activa(FilaFiltro::CBResultados); }
  ColumnaBaseResultados& CB(int c) { return filtros.cbResultados.CB(c); }

  AjustesFiltros filtros;
  ListaFiltros lista;
  std::array<std::string, kEquipos> equipos;
  pruebas::InteraccionGuionizada ui;
  std::unique_ptr<FrmFiltroCBRESQt> pantalla;
};

}  // namespace

class PruebaFrmFiltroCBRES : public QObject {
  Q_OBJECT

 private slots:
  void abreLaPaginaConLosEquiposYLasListas() {
    Banco b;
    b.equipos[0] = "Atlético Norte";
    b.CB(2).pronostico[3] = "1-0";
    b.CB(2).aciertos[1] = 1;
    b.CB(3).aciertos = {1, 0, 1, 0, 0, 0, 1};
    b.Abrir();
    QWidget* p = b.pantalla.get();
    QCOMPARE(p->windowTitle(), QStringLiteral("FILTRO Columnas Base por RESULTADOS"));
    QVERIFY(p->isModal());
    QVERIFY(!(p->windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(p->windowFlags() & Qt::WindowSystemMenuHint));

    QCOMPARE(b.Texto(QStringLiteral("txtPartido_0")), QStringLiteral("Atlético Norte"));
    QCOMPARE(b.Texto(QStringLiteral("txtPartido_11")), QStringLiteral("Equipo12"));
    QComboBox* celda = b.Celda(1, 1);
    QCOMPARE(celda->count(), 17);
    for (int i = 0; i < 17; ++i) QCOMPARE(celda->itemText(i), Q(FrmFiltroCBRES::kElementos[i]));
    QCOMPARE(celda->itemText(16), QStringLiteral("M-M"));
    QCOMPARE(b.Celda(2, 3)->currentText(), QStringLiteral("1-0"));
    QCOMPARE(b.Celda(2, 4)->currentText(), QStringLiteral("---"));
    QCOMPARE(b.Texto(QStringLiteral("txtAciertos_C2")), QStringLiteral("1"));
    QCOMPARE(b.Texto(QStringLiteral("txtAciertos_C3")), QStringLiteral("0,2,6"));
    QCOMPARE(b.Texto(QStringLiteral("txtAciertos_C1")), QString());
    for (int n = 0; n < 4; ++n) {
      QCOMPARE(b.Texto(QStringLiteral("cmdTituloCB_%1").arg(n)), QStringLiteral("CB%1").arg(n + 1));
      QCOMPARE(Hijo(p, QStringLiteral("cmdTituloCB_%1").arg(n))->toolTip(),
               QStringLiteral("Inicializa esta columna base (sólo los resultados)"));
      QCOMPARE(b.Texto(QStringLiteral("cmdModificar_%1").arg(n)), QStringLiteral("MODIFICAR"));
      QCOMPARE(Hijo(p, QStringLiteral("cmdModificar_%1").arg(n))->toolTip(), QStringLiteral("Modifica los aciertos"));
    }
    QCOMPARE(Hijo(p, QStringLiteral("imgActivar"))->toolTip(), QStringLiteral("Activar/Desactivar condición"));
    QCOMPARE(Hijo(p, QStringLiteral("imgVolver"))->toolTip(), QStringLiteral("Cerrar condición"));
    QVERIFY(!Hijo(p, QStringLiteral("imgTEMP"))->isVisible());
    QVERIFY(!Hijo(p, QStringLiteral("cmdMENOSBloque"))->isEnabled());
    QVERIFY(Hijo(p, QStringLiteral("cmdMASBloque"))->isEnabled());
    // Opening is no edit: neither the focus nor the lists activated the filter.
    QVERIFY(!b.FilaActiva());
    QVERIFY(!b.ImagenActiva());
  }

  void paginasYBotonesDeTitulo() {
    Banco b;
    b.Abrir();
    b.Celda(4, 6)->setCurrentText(QStringLiteral("M-2"));
    b.Pulsar(QStringLiteral("cmdMASBloque"));
    QCOMPARE(b.Texto(QStringLiteral("cmdTituloCB_0")), QStringLiteral("CB5"));
    QCOMPARE(b.Texto(QStringLiteral("cmdTituloCB_3")), QStringLiteral("CB8"));
    QCOMPARE(b.Celda(4, 6)->currentText(), QStringLiteral("---"));
    QCOMPARE(b.CB(4).pronostico[6], "M-2");
    QVERIFY(Hijo(b.pantalla.get(), QStringLiteral("cmdMENOSBloque"))->isEnabled());
    for (int pagina = 2; pagina < 25; ++pagina) b.Pulsar(QStringLiteral("cmdMASBloque"));
    QCOMPARE(b.Texto(QStringLiteral("cmdTituloCB_3")), QStringLiteral("CB100"));
    QVERIFY(!Hijo(b.pantalla.get(), QStringLiteral("cmdMASBloque"))->isEnabled());
    QCOMPARE(b.filtros.BloqueCBResultados, std::int16_t{25});
    b.pantalla.reset();

    // The title button clears the column's results and keeps its counts.
    b.filtros.BloqueCBResultados = 1;
    b.CB(1).aciertos[2] = 1;
    b.CB(1).pronostico[2] = "0-0";
    b.Abrir();
    b.Pulsar(QStringLiteral("cmdTituloCB_0"));
    QCOMPARE(b.Celda(1, 2)->currentText(), QStringLiteral("---"));
    QCOMPARE(b.CB(1).pronostico[2], "---");
    QCOMPARE(b.Texto(QStringLiteral("txtAciertos_C1")), QStringLiteral("2"));
    QCOMPARE(b.CB(4).pronostico[6], "M-2");
  }

  void elFocoYLasEdicionesActivanYLaImagenAlterna() {
    Banco b;
    b.Abrir();
    QWidget* p = b.pantalla.get();
    b.Celda(3, 2)->setFocus(Qt::MouseFocusReason);
    QVERIFY(b.FilaActiva());
    QVERIFY(b.ImagenActiva());
    b.Pulsar(QStringLiteral("imgActivar"));
    QVERIFY(!b.FilaActiva());
    QVERIFY(!b.ImagenActiva());
    // The list getting its focus back as the screen comes to the front again is no edit.
    QFocusEvent vuelta(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(b.Celda(3, 2), &vuelta);
    QVERIFY(!b.FilaActiva());
    // Choosing with the keyboard in the list that has the focus.
    QTest::keyClick(b.Celda(3, 2), Qt::Key_Down);
    QCOMPARE(b.Celda(3, 2)->currentText(), QStringLiteral("0-0"));
    QVERIFY(b.FilaActiva());
    b.Pulsar(QStringLiteral("imgActivar"));
    QVERIFY(!b.ImagenActiva());
    b.Pulsar(QStringLiteral("imgActivar"));
    QVERIFY(b.ImagenActiva());

    // The hover frames: 0 around imgVolver, 1 around imgActivar, none over the form.
    auto borde = [p](int i) { return Hijo(p, QStringLiteral("ShapeBorde_%1").arg(i))->isVisible(); };
    QVERIFY(!borde(0) && !borde(1));
    QEnterEvent entrar(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(Hijo(p, QStringLiteral("imgVolver")), &entrar);
    QVERIFY(borde(0) && !borde(1));
    QApplication::sendEvent(Hijo(p, QStringLiteral("imgActivar")), &entrar);
    QVERIFY(!borde(0) && borde(1));
    QTest::mouseMove(p, QPoint(p->width() / 2, p->height() / 2));
    QMouseEvent mover(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(p, &mover);
    QVERIFY(!borde(0) && !borde(1));
  }

  void modificarAbreLosAciertosHastaLosResultadosElegidos() {
    Banco b;
    b.CB(1).aciertos[5] = 1;  // out of reach once three results are chosen
    b.Abrir();
    for (int m : {1, 4, 6}) b.Celda(1, m)->setCurrentText(QStringLiteral("2-1"));
    b.Pulsar(QStringLiteral("imgActivar"));
    QVERIFY(!b.FilaActiva());

    QString titulo;
    std::vector<bool> usables;
    AlAbrirse([&](QWidget* dialogo) {
      QCOMPARE(dialogo->objectName(), QStringLiteral("frmAciertos"));
      titulo = Hijo<QLabel>(dialogo, QStringLiteral("lblTitulo"))->text();
      for (int k = 0; k <= 6; ++k) usables.push_back(Hijo(dialogo, QStringLiteral("lblAciertos_%1").arg(k))->isEnabled());
      QTest::mouseClick(Hijo(dialogo, QStringLiteral("lblAciertos_3")), Qt::LeftButton);
      QTest::mouseClick(Hijo(dialogo, QStringLiteral("lblAciertos_0")), Qt::LeftButton);
      QTest::mouseClick(Hijo(dialogo, QStringLiteral("cmdVolver")), Qt::LeftButton);
    });
    b.Pulsar(QStringLiteral("cmdModificar_0"));
    QCOMPARE(titulo, QStringLiteral("ACIERTOS EN CB1"));
    QCOMPARE(usables, (std::vector<bool>{true, true, true, true, false, false, false}));
    QCOMPARE(b.Texto(QStringLiteral("txtAciertos_C1")), QStringLiteral("0,3"));
    QCOMPARE(b.CB(1).aciertos, (std::array<std::uint8_t, 7>{1, 0, 0, 1, 0, 0, 0}));
    QVERIFY(b.FilaActiva());
    QVERIFY(b.ImagenActiva());
  }

  void cerrarSeNiegaEnElPrimerCBQueFalla() {
    Banco b;
    b.CB(30).pronostico[2] = "1-1";  // results without counts
    b.CB(57).aciertos[0] = 1;        // counts without results
    b.Abrir();
    QWidget* p = b.pantalla.get();
    b.Pulsar(QStringLiteral("cmdMASBloque"));

    b.Pulsar(QStringLiteral("imgVolver"));
    QVERIFY(p->isVisible());
    QCOMPARE(b.ui.Textos(), std::vector<std::string>{"ERROR en CB30 : Debe rellenar al menos un acierto"});
    QCOMPARE(b.ui.mensajes[0].icono, Icono::Error);
    QCOMPARE(b.Texto(QStringLiteral("cmdTituloCB_0")), QStringLiteral("CB5"));
    // Nor the frame, its shortcut or Escape close it.
    QVERIFY(!p->close());
    QTest::keyClick(p, Qt::Key_Escape);
    QVERIFY(p->isVisible());

    b.CB(30).aciertos[1] = 1;
    b.Pulsar(QStringLiteral("imgVolver"));
    QVERIFY(p->isVisible());
    QCOMPARE(b.ui.Textos().back(), "ERROR en CB57 : No ha rellenado ningún partido");
    b.CB(57).pronostico[6] = "0-0";
    b.Pulsar(QStringLiteral("imgVolver"));
    QVERIFY(!p->isVisible());
    QCOMPARE(b.pantalla->result(), int{QDialog::Accepted});
    QCOMPARE(b.ui.mensajes.size(), std::size_t{2});
  }

  void laVentanaPrincipalLaAbreYReescribeLaFila() {
    pruebas::VentanaConFiltros v;
    QVERIFY(QTest::qWaitForWindowExposed(&v.ventana));
    v.comandos.estado.txtPartido[3] = "Deportivo Valle";
    v.combinacion.filtros.BloqueCBResultados = 7;
    QCOMPARE(v.Fila(0), QStringLiteral("No   CB Resultados     0 de 100"));

    QString equipo, primerTitulo;
    AlAbrirse([&](QWidget* pantalla) {
      QCOMPARE(pantalla->objectName(), QStringLiteral("frmFiltroCBRES"));
      equipo = Hijo<QLineEdit>(pantalla, QStringLiteral("txtPartido_3"))->text();
      primerTitulo = Hijo<QPushButton>(pantalla, QStringLiteral("cmdTituloCB_0"))->text();
      Hijo<QComboBox>(pantalla, QStringLiteral("cboCB_C2_5"))->setCurrentText(QStringLiteral("1-1"));
      AlAbrirse([](QWidget* dialogo) {
        QTest::mouseClick(Hijo(dialogo, QStringLiteral("lblAciertos_1")), Qt::LeftButton);
        QTest::mouseClick(Hijo(dialogo, QStringLiteral("cmdVolver")), Qt::LeftButton);
      });
      QTest::mouseClick(Hijo(pantalla, QStringLiteral("cmdModificar_1")), Qt::LeftButton);
      QTest::mouseClick(Hijo(pantalla, QStringLiteral("imgVolver")), Qt::LeftButton);
      QVERIFY(!pantalla->isVisible());
    });
    v.DobleClic(0);
    QCOMPARE(equipo, QStringLiteral("Deportivo Valle"));
    QCOMPARE(primerTitulo, QStringLiteral("CB1"));
    QCOMPARE(v.Fila(0), QStringLiteral("Sí   CB Resultados     1 de 100"));
    QCOMPARE(v.combinacion.filtros.cbResultados.CB(2).pronostico[5], "1-1");
    QVERIFY(!v.combinacion.guardadaXML);

    // Deactivated from the list, the row keeps its count.
    auto* lista = Hijo<QListWidget>(&v.ventana, QStringLiteral("lstFiltros"));
    QTest::mouseClick(lista->viewport(), Qt::RightButton, {}, lista->visualItemRect(lista->item(0)).center());
    QCOMPARE(v.Fila(0), QStringLiteral("No   CB Resultados     1 de 100"));
  }
};

}  // namespace tanteo

QTEST_MAIN(tanteo::PruebaFrmFiltroCBRES)
#include "frm_filtro_cbres_qt_test.moc"
