// Writes PNG pictures of the main window in its typical states and of its screens, for the
// README and for looking at the screens without a display: tanteo_capturas [CARPETA].
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <vector>

#include "engine/base_pronostico.h"
#include "evaluation/analisis.h"
#include "capturas.h"
#include "ui/frm_acerca_de.h"
#include "ui/frm_alazar.h"
#include "ui/frm_analisis.h"
#include "ui/frm_autor.h"
#include "ui/programa.h"

namespace {

using tanteo::capturas::Guardar;

// Freezes the counter's colour so the picture shows one of Timer1's colours, readable.
void Timer1Parado(QWidget& ventana) {
  if (auto* timer = ventana.findChild<QTimer*>(QStringLiteral("Timer1"))) timer->stop();
  if (auto* contador = ventana.findChild<QWidget*>(QStringLiteral("lblApuCondicionadas"))) {
    contador->setStyleSheet(QStringLiteral("color:#C0392B;"));
  }
}

// The same dots and draws on every run, so the pictures change only when the screens do.
class PlataformaFija : public tanteo::PlataformaQt {
 public:
  std::uint64_t SemillaReloj() override { return semilla_++; }

 private:
  std::uint64_t semilla_ = 20240714;
};

// Final bets as a conditioned run leaves them: the bets of a base with a few results per
// match, each kept with a chance that favours some results over others.
tanteo::TablaApuestas ApuestasDeMuestra() {
  tanteo::BasePronostico base;
  const int aceptados[tanteo::kPartidos][4] = {{5, 6, 10, 1}, {1, 5, 6, 2}, {6, 10, 11, 16},
                                               {5, 9, 6, 7}, {2, 5, 6, 0}, {1, 6, 10, 14}};
  for (int m = 1; m <= tanteo::kPartidos; ++m) {
    for (int r : aceptados[m - 1]) {
      if (r != 0) base.PonerResultado(m, r, true);
    }
  }
  tanteo::TablaApuestas sistema;
  sistema.Redimensionar(base.Recuento());
  tanteo::DesarrollarBase(base.ConstruirBase(), sistema, base.Recuento());
  tanteo::GeneradorAleatorio azar;
  azar.Sembrar(20240714);
  std::vector<tanteo::Apuesta> guardadas;
  for (std::int32_t i = 1; i <= sistema.Filas(); ++i) {
    double probabilidad = 1.0;
    for (int m = 1; m <= tanteo::kPartidos; ++m) probabilidad *= 1.0 - 0.09 * ((sistema(i, m) * 7 + m) % 8);
    if (azar.Siguiente() < 4 * probabilidad) guardadas.push_back(sistema.ApuestaEn(i));
  }
  tanteo::TablaApuestas finales;
  finales.Redimensionar(static_cast<std::int32_t>(guardadas.size()));
  for (std::size_t i = 0; i < guardadas.size(); ++i) finales.Poner(static_cast<std::int32_t>(i + 1), guardadas[i]);
  return finales;
}

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
  auto& [combinacion, interaccion, plataforma, azar, servicios, comandos, ventana, pantallasFiltros] = programa;
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
  autor.close();

  // A random base of 3, 2, 4, 1, 2 and 3 results drawn into the results view.
  combinacion.base.Reiniciar();
  tanteo::FrmAlazar alazar(combinacion.base, azar, fija, [&] { ventana.Refrescar(); }, &ventana);
  const int cuentas[tanteo::kPartidos] = {3, 2, 4, 1, 2, 3};
  for (int k = 0; k < tanteo::kPartidos; ++k) {
    alazar.findChild<QComboBox*>(QStringLiteral("cboPartido_%1").arg(k))->setCurrentIndex(cuentas[k] - 1);
  }
  alazar.show();
  QTest::mouseClick(alazar.findChild<QWidget*>(QStringLiteral("imgRellenar")), Qt::LeftButton);
  bien = Guardar(alazar, carpeta, QStringLiteral("alazar")) && bien;
  alazar.close();
  combinacion.tipo = tanteo::TipoCombinacion::PronosticoAleatorio;
  combinacion.Recontar();
  ventana.Refrescar();
  bien = Guardar(ventana, carpeta, QStringLiteral("principal_base_al_azar")) && bien;

  const tanteo::TablaApuestas finales = ApuestasDeMuestra();
  tanteo::FrmAnalisis analisis(tanteo::FrmAnalisisLogica(tanteo::AnalizarApuestas(finales, finales.Filas())),
                               comandos.estado.txtPartido, plataforma, interaccion, &ventana);
  analisis.show();
  bien = Guardar(analisis, carpeta, QStringLiteral("analisis")) && bien;
  QTest::mouseClick(analisis.findChild<QWidget*>(QStringLiteral("cmdSwitch")), Qt::LeftButton);
  bien = Guardar(analisis, carpeta, QStringLiteral("analisis_porcentajes")) && bien;
  bien = tanteo::capturas::PantallasFiltros(programa, carpeta) && bien;
  bien = tanteo::capturas::VentanaCalculo(programa, carpeta) && bien;
  bien = tanteo::capturas::PantallaJornada(programa, carpeta) && bien;
  return bien ? 0 : 1;
}
