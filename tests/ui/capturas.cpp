// Writes PNG pictures of the main window in its typical states, for the README and for
// looking at the screens without a display: tanteo_capturas [CARPETA].
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <clocale>
#include <cstdio>

#include "ui/frm_acerca_de.h"
#include "ui/frm_autor.h"
#include "ui/programa.h"

namespace {

bool Guardar(QWidget& ventana, const QDir& carpeta, const QString& nombre) {
  QApplication::processEvents();
  const QString ruta = carpeta.filePath(nombre + QStringLiteral(".png"));
  const bool ok = ventana.grab().save(ruta);
  std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "escrita" : "no se pudo escribir", qPrintable(ruta));
  return ok;
}

// Freezes the counter's colour so the picture shows one of Timer1's colours, readable.
void Timer1Parado(QWidget& ventana) {
  if (auto* timer = ventana.findChild<QTimer*>(QStringLiteral("Timer1"))) timer->stop();
  if (auto* contador = ventana.findChild<QWidget*>(QStringLiteral("lblApuCondicionadas"))) {
    contador->setStyleSheet(QStringLiteral("color:#C0392B;"));
  }
}

// The same dots on every run, so the pictures change only when the screens do.
class PlataformaFija : public tanteo::PlataformaQt {
 public:
  std::uint64_t SemillaReloj() override { return 20240714; }
};

}  // namespace

int main(int argc, char* argv[]) {
  // A folder of its own, so that no configuration of the person running it is read or changed.
  QTemporaryDir datos;
  qputenv("XDG_DATA_HOME", datos.path().toUtf8());
  QApplication aplicacion(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  const QDir carpeta(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/capturas"));
  if (!QDir().mkpath(carpeta.path())) return 1;

  tanteo::Programa programa;
  auto& [combinacion, interaccion, plataforma, servicios, comandos, ventana] = programa;
  ventana.show();
  if (!QTest::qWaitForWindowExposed(&ventana)) return 1;

  bool bien = Guardar(ventana, carpeta, QStringLiteral("principal_vacia"));

  // A base by results: 1-0, 1-1, 2-1 in every match and a few extra results, 8.000 bets.
  for (int m = 1; m <= tanteo::kPartidos; ++m) {
    for (int r : {5, 6, 10}) combinacion.AlternarResultado(m, r);
    if (m % 2 == 1) {
      combinacion.AlternarResultado(m, 1);
      combinacion.AlternarResultado(m, 9);
    } else {
      combinacion.AlternarResultado(m, 2);
    }
  }
  const char* equipos[] = {"Atlético Norte", "Real Costa", "Unión Sierra", "Deportivo Valle", "CD Llanura", "Racing Puerto",
                           "Sporting Ría", "CF Meseta", "Club Vega", "UD Ribera", "Athletic Cumbre", "SD Campiña"};
  for (int t = 0; t < tanteo::kEquipos; ++t) comandos.estado.txtPartido[t] = equipos[t];
  // Two column bases of CB by results: between one and three home wins 1-0, at most two draws 1-1.
  tanteo::FiltroCBResultados& cb = combinacion.filtros.cbResultados;
  for (int m = 1; m <= tanteo::kPartidos; ++m) {
    cb.CB(1).pronostico[m] = "1-0";
    cb.CB(2).pronostico[m] = "1-1";
  }
  for (int h : {1, 2, 3}) cb.CB(1).aciertos[h] = 1;
  for (int h : {0, 1, 2}) cb.CB(2).aciertos[h] = 1;
  combinacion.lstFiltros.ReconstruirBloques(tanteo::FilaFiltro::CBResultados, combinacion.filtros);
  combinacion.lstFiltros.Activar(tanteo::FilaFiltro::CBResultados);
  ventana.Refrescar();

  // "Cálculo de Prueba": the picture during the run is taken while CB by results works,
  // everything locked and the conditioned counter naming it in one of Timer1's colours.
  QTimer durante;
  durante.setInterval(0);
  QObject::connect(&durante, &QTimer::timeout, [&] {
    auto* contador = ventana.findChild<QLabel*>(QStringLiteral("lblApuCondicionadas"));
    if (contador->text() != QStringLiteral("CB por RESULTADOS")) return;
    durante.stop();
    QTest::qWait(40);
    Timer1Parado(ventana);
    bien = Guardar(ventana, carpeta, QStringLiteral("principal_durante_calculo")) && bien;
  });
  durante.start();
  QTest::mouseClick(ventana.findChild<QWidget*>(QStringLiteral("lblMenu_4")), Qt::LeftButton);
  if (durante.isActive()) {
    std::fprintf(stderr, "el cálculo terminó sin ceder mientras trabajaba el filtro\n");
    bien = false;
  }
  bien = Guardar(ventana, carpeta, QStringLiteral("principal_base_resultados")) && bien;

  // The forecast view.
  combinacion.guardadaXML = true;
  combinacion.CambiarVista(interaccion);
  for (int t = 1; t <= tanteo::kEquipos; ++t) {
    combinacion.AlternarSigno(t, 1);
    combinacion.AlternarSigno(t, t % 2 == 0 ? 0 : 2);
  }
  ventana.Refrescar();
  bien = Guardar(ventana, carpeta, QStringLiteral("principal_vista_pronostico")) && bien;

  PlataformaFija fija;
  tanteo::FrmAcercaDe acercaDe(fija, &ventana);
  acercaDe.show();
  for (int paso = 0; paso < 20; ++paso) acercaDe.Avanzar();
  bien = Guardar(acercaDe, carpeta, QStringLiteral("acerca_de")) && bien;
  acercaDe.close();
  tanteo::FrmAutor autor(&ventana);
  autor.show();
  bien = Guardar(autor, carpeta, QStringLiteral("autor")) && bien;
  return bien ? 0 : 1;
}
