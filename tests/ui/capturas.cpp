// Writes PNG pictures of the main window in its typical states and of the other screens,
// for the README and for looking at them without a display: tanteo_capturas [CARPETA].
#include <QApplication>
#include <QDir>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <clocale>
#include <cstdio>

#include "capturas.h"
#include "ui/frm_acerca_de.h"
#include "ui/frm_autor.h"
#include "ui/programa.h"
#include "ui/progreso_qt.h"

namespace {

using tanteo::capturas::Guardar;

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
  auto& [combinacion, interaccion, plataforma, servicios, comandos, ventana, pantallasFiltros] = programa;
  ventana.show();
  if (!QTest::qWaitForWindowExposed(&ventana)) return 1;

  bool bien = Guardar(ventana, carpeta, QStringLiteral("principal_vacia"));

  // A base by results: 1-0, 1-1, 2-1 in every match and a few extra results.
  for (int m = 1; m <= tanteo::kPartidos; ++m) {
    for (int r : {5, 6, 10}) combinacion.AlternarResultado(m, r);
  }
  combinacion.AlternarResultado(2, 1);
  combinacion.AlternarResultado(4, 16);
  const char* equipos[] = {"Atlético Norte", "Real Costa", "Unión Sierra", "Deportivo Valle", "CD Llanura", "Racing Puerto",
                           "Sporting Ría", "CF Meseta", "Club Vega", "UD Ribera", "Athletic Cumbre", "SD Campiña"};
  for (int t = 0; t < tanteo::kEquipos; ++t) comandos.estado.txtPartido[t] = equipos[t];
  servicios.AlternarFiltro(0);
  servicios.AlternarFiltro(3);
  ventana.Refrescar();
  bien = Guardar(ventana, carpeta, QStringLiteral("principal_base_resultados")) && bien;

  // During a run: everything locked, the conditioned counter naming the filter at work in
  // the colours of Timer1.
  ventana.EmpezarCalculo();
  ventana.ProgresoCalculo().Texto("CB por RESULTADOS");
  QTest::qWait(40);
  Timer1Parado(ventana);
  bien = Guardar(ventana, carpeta, QStringLiteral("principal_durante_calculo")) && bien;
  ventana.TerminarCalculo();

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
  autor.close();
  bien = tanteo::capturas::PantallasFiltros(programa, carpeta) && bien;
  return bien ? 0 : 1;
}
