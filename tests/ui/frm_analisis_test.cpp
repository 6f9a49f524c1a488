#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <fstream>
#include <sstream>

#include "buscar_control.h"
#include "evaluation/analisis.h"
#include "evaluation/tres_apuestas.h"
#include "fakes/carpeta_temporal.h"
#include "fakes/interaccion_guionizada.h"
#include "fakes/plataforma_falsa.h"
#include "ui/frm_analisis.h"
#include "ui/grafico_resultados.h"

namespace tanteo {

namespace {

using pruebas::k10;

std::array<std::string, kEquipos> Equipos() {
  std::array<std::string, kEquipos> e;
  for (int t = 1; t <= kEquipos; ++t) e[t - 1] = "Equipo" + std::to_string(t);
  return e;
}

struct Banco {
  Banco() {
    ui.alFallar = [](const std::string& motivo) { QTest::qFail(motivo.c_str(), __FILE__, __LINE__); };
    pantalla.show();
  }

  template <class T = QWidget>
  T* Control(const QString& nombre) const {
    return pruebas::BuscarControl<T>(pantalla, nombre);
  }
  QString Texto(const QString& celda) const { return Control<QLabel>(celda)->text(); }
  bool Amarilla(const QString& celda) const {
    return Control<QLabel>(celda)->styleSheet().contains(QStringLiteral("#FFFFC0"), Qt::CaseInsensitive);
  }
  void Pulsar(const QString& nombre) const { QTest::mouseClick(Control(nombre), Qt::LeftButton); }
  std::vector<std::string> LineasInforme() const {
    std::ifstream entrada(carpeta / "TANTEO_ANALISIS.txt", std::ios::binary);
    std::stringstream s;
    s << entrada.rdbuf();
    std::vector<std::string> lineas;
    const std::string texto = s.str();
    for (std::size_t ini = 0, fin; (fin = texto.find("\r\n", ini)) != std::string::npos; ini = fin + 2) {
      lineas.push_back(texto.substr(ini, fin - ini));
    }
    return lineas;
  }

  pruebas::CarpetaTemporal carpeta;
  pruebas::PlataformaFalsa plataforma{carpeta.Ruta()};
  pruebas::InteraccionGuionizada ui;
  FrmAnalisis pantalla{FrmAnalisisLogica(AnalizarApuestas(pruebas::TresApuestas(), 3)), Equipos(), plataforma, ui};
};

}  // namespace

class PruebaFrmAnalisis : public QObject {
  Q_OBJECT

 private slots:
  void tresApuestasEnCuentas() {
    Banco b;
    QCOMPARE(b.pantalla.windowTitle(), QStringLiteral("ANALISIS"));
    QVERIFY(b.pantalla.isModal());
    for (int r = 1; r <= 16; ++r) {
      const QString celda = QStringLiteral("lbl1_%1").arg(r - 1);
      QCOMPARE(b.Texto(QStringLiteral("lblPartido1_%1").arg(r - 1)), QString::fromUtf8(LeyendaResultado(r).data(), 3));
      QCOMPARE(b.Texto(celda), r == k10 ? QStringLiteral("3") : QString());
      QCOMPARE(b.Amarilla(celda), r == k10);
    }
    QCOMPARE(b.Texto(QStringLiteral("lbl2_0")), QStringLiteral("1"));
    QCOMPARE(b.Texto(QStringLiteral("lbl2_5")), QStringLiteral("2"));
    QCOMPARE(b.Texto(QStringLiteral("lbl3_15")), QStringLiteral("1"));
    for (int k = 0; k < kPartidos; ++k) {
      const QString equipos = QStringLiteral("Equipo%1-Equipo%2").arg(2 * k + 1).arg(2 * k + 2);
      for (const char* numero : {"lblNumero", "lblNumero4"}) {
        auto* lbl = b.Control<QLabel>(QStringLiteral("%1_%2").arg(QLatin1String(numero)).arg(k));
        QCOMPARE(lbl->text(), QStringLiteral("%1.").arg(k + 1));
        QCOMPARE(lbl->toolTip(), equipos);
      }
    }
    // The away team of match 1 never scores: only its sign-0 cell, with every bet.
    QCOMPARE(b.Texto(QStringLiteral("lblPorcentajes1_1")), QStringLiteral("3"));
    QVERIFY(b.Amarilla(QStringLiteral("lblPorcentajes1_1")));
    for (int s = 2; s <= 4; ++s) {
      QCOMPARE(b.Texto(QStringLiteral("lblPorcentajes%1_1").arg(s)), QString());
      QVERIFY(!b.Amarilla(QStringLiteral("lblPorcentajes%1_1").arg(s)));
    }
    QCOMPARE(b.Texto(QStringLiteral("lblPorcentajes2_0")), QStringLiteral("3"));  // the home team always scores one
    QCOMPARE(b.Control<QPushButton>(QStringLiteral("cmdSwitch"))->text(), QStringLiteral("%"));
    QCOMPARE(b.Control(QStringLiteral("cmdVerAnalisis"))->toolTip(), QStringLiteral("Muestra en el Bloc de Notas el análisis"));
    QCOMPARE(b.Control(QStringLiteral("imgVolver"))->toolTip(), QStringLiteral("Cerrar"));
  }

  void porcentajesYVueltaACuentas() {
    Banco b;
    b.Pulsar(QStringLiteral("cmdSwitch"));
    QCOMPARE(b.Control<QPushButton>(QStringLiteral("cmdSwitch"))->text(), QStringLiteral("Nº"));
    QCOMPARE(b.Texto(QStringLiteral("lbl1_4")), QStringLiteral("100%"));
    QCOMPARE(b.Texto(QStringLiteral("lbl3_15")), QStringLiteral("33,33%"));
    QCOMPARE(b.Texto(QStringLiteral("lbl2_5")), QStringLiteral("66,67%"));
    QCOMPARE(b.Texto(QStringLiteral("lblPorcentajes1_1")), QStringLiteral("100%"));
    QCOMPARE(b.Texto(QStringLiteral("lbl1_0")), QString());
    QVERIFY(!b.Amarilla(QStringLiteral("lbl1_0")));
    QVERIFY(b.Amarilla(QStringLiteral("lbl3_15")));

    b.Pulsar(QStringLiteral("cmdSwitch"));
    QCOMPARE(b.Control<QPushButton>(QStringLiteral("cmdSwitch"))->text(), QStringLiteral("%"));
    QCOMPARE(b.Texto(QStringLiteral("lbl3_15")), QStringLiteral("1"));
    QVERIFY(b.Amarilla(QStringLiteral("lbl3_15")));
    QCOMPARE(b.Texto(QStringLiteral("lbl1_0")), QString());
  }

  void informeComoSeMuestraEnElEditor() {
    Banco b;
    b.Pulsar(QStringLiteral("cmdVerAnalisis"));
    QCOMPARE(b.plataforma.abiertosEnEditor.size(), std::size_t{1});
    QCOMPARE(b.plataforma.abiertosEnEditor[0], b.carpeta / "TANTEO_ANALISIS.txt");
    std::vector<std::string> lineas = b.LineasInforme();
    QCOMPARE(lineas.size(), std::size_t{34});  // 33 lines and the final CR LF
    QCOMPARE(lineas[0], std::string("TANTEO ANALISIS: "));
    QCOMPARE(lineas[2], std::string("An\xE1lisis por Resultados"));
    QCOMPARE(lineas[4], std::string("1. --       --       --       --       3        --       --       --       "));
    QCOMPARE(lineas[12], std::string("1. --       --       --       --       --       --       --       --       "));
    QCOMPARE(lineas[22], std::string("2.  3      ") + std::string(21, ' '));
    QCOMPARE(lineas[33], std::string());

    // The report follows the view on the screen.
    b.Pulsar(QStringLiteral("cmdSwitch"));
    b.Pulsar(QStringLiteral("cmdVerAnalisis"));
    lineas = b.LineasInforme();
    QCOMPARE(lineas[4], std::string("1. --       --       --       --       100%     --       --       --       "));
    QCOMPARE(lineas[14], std::string("3. --       --       --       --       --       --       --       33,33%   "));
    QVERIFY(b.ui.mensajes.empty());
  }

  void informeQueNoSePuedeEscribir() {
    Banco b;
    std::filesystem::remove_all(b.carpeta.Ruta());
    b.Pulsar(QStringLiteral("cmdVerAnalisis"));
    QCOMPARE(b.ui.mensajes.size(), std::size_t{1});
    QCOMPARE(b.ui.mensajes[0].icono, Icono::Error);
    QVERIFY(b.ui.mensajes[0].texto.starts_with("ERROR AL GENERAR EL FICHERO EN EL BLOC DE NOTAS ("));
    QVERIFY(b.plataforma.abiertosEnEditor.empty());
    QVERIFY(b.pantalla.isVisible());
  }

  void volverCierra() {
    Banco b;
    QVERIFY(QTest::qWaitForWindowExposed(&b.pantalla));
    b.Pulsar(QStringLiteral("imgVolver"));
    QVERIFY(!b.pantalla.isVisible());
  }

  void graficoConUnaBarraPorResultado() {
    Banco b;
    QVERIFY(QTest::qWaitForWindowExposed(&b.pantalla));
    auto* grafico = b.Control<GraficoResultados>(QStringLiteral("graficoResultados"));
    const int alto = grafico->Zona(1).height();
    QCOMPARE(grafico->Barra(1, k10).height(), alto);
    QVERIFY(grafico->Barra(1, 1).isEmpty());
    // Match 2: 1-1 twice and 0-0 once, each bar as high as its share of the largest count.
    QCOMPARE(grafico->Barra(2, 6).height(), alto);
    QCOMPARE(grafico->Barra(2, 1).height(), alto / 2);
    QVERIFY(grafico->Barra(2, 1).right() < grafico->Barra(2, 6).left());
    QVERIFY(grafico->Zona(1).right() < grafico->Zona(2).left());

    // The tallest bar is gold, the others blue, and nothing is drawn where no bet is.
    const QImage imagen = grafico->grab().toImage();
    QCOMPARE(imagen.pixelColor(grafico->Barra(1, k10).center()), QColor(0xF2, 0xB6, 0x32));
    QCOMPARE(imagen.pixelColor(grafico->Barra(2, 1).center()), QColor(0x5B, 0x8F, 0xC7));
    const QRect vacia = grafico->Barra(3, 16).translated(-(grafico->Barra(3, 16).width() + 8), 0);
    QVERIFY(imagen.pixelColor(vacia.center()) != QColor(0x5B, 0x8F, 0xC7));
    QVERIFY(imagen.pixelColor(vacia.center()) != QColor(0xF2, 0xB6, 0x32));
  }
};

}  // namespace tanteo

QTEST_MAIN(tanteo::PruebaFrmAnalisis)
#include "frm_analisis_test.moc"
