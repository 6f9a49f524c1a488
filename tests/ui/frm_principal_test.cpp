#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <fstream>
#include <functional>
#include <memory>
#include <set>
#include <sstream>

#include "engine/comandos.h"
#include "engine/comprobaciones.h"
#include "engine/configuracion.h"
#include "fakes/carpeta_temporal.h"
#include "fakes/interaccion_guionizada.h"
#include "fakes/plataforma_falsa.h"
#include "engine/texto_numeros.h"
#include "formats/ficheros_apuestas.h"
#include "ui/frm_acerca_de.h"
#include "ui/frm_principal.h"
#include "ui/progreso_qt.h"
#include "ui/servicios_ventana.h"
#include "ui/texto_qt.h"

namespace tanteo {

namespace {

// The program's services, with what this build lacks (the matchday service and the screens
// of other parts of the program) as records, each available unless the test says otherwise.
class ServiciosDePrueba : public ServiciosVentana {
 public:
  using ServiciosVentana::ServiciosVentana;

  bool Disponible(Funcion funcion) const override { return !ausentes.count(funcion); }
  void CargarPartidosJornada(std::string_view jornada, std::string_view temporada,
                             std::array<std::string, kEquipos>& equipos) override {
    cargas.emplace_back(std::string(jornada), std::string(temporada));
    for (int t = 0; t < kEquipos; ++t) equipos[t] = std::string(jornada) + "-" + std::to_string(t + 1);
  }
  void BaseAlAzar() override { llamadas.emplace_back("BaseAlAzar"); }
  void Analisis() override { llamadas.emplace_back("Analisis"); }
  void Garantias() override { llamadas.emplace_back("Garantias"); }
  void Escrutinio(std::int32_t) override { llamadas.emplace_back("Escrutinio"); }
  void SistemasPropios() override { llamadas.emplace_back("SistemasPropios"); }

  std::set<Funcion> ausentes;
  std::vector<std::string> llamadas;
  std::vector<std::pair<std::string, std::string>> cargas;
};

// The window with scripted answers, a temporary program folder and the program's services.
struct Banco {
  explicit Banco(const std::string& configuracion = "") {
    ui.alFallar = [](const std::string& motivo) { QTest::qFail(motivo.c_str(), __FILE__, __LINE__); };
    if (!configuracion.empty()) {
      std::ofstream(carpeta / std::string(kFicheroConfiguracion), std::ios::binary) << configuracion;
    }
    ventana = std::make_unique<FrmPrincipal>(comandos);
    servicios.PonerVentana(*ventana);
    ventana->show();
  }
  ~Banco() {
    if (ui.Pendientes() != 0) QTest::qFail("respuestas preparadas sin pregunta", __FILE__, __LINE__);
  }

  template <class T = QWidget>
  T* Control(const QString& nombre) const {
    T* control = ventana->findChild<T*>(nombre);
    if (control == nullptr) QTest::qFail(qPrintable(QStringLiteral("no existe ") + nombre), __FILE__, __LINE__);
    return control;
  }
  QAction* Menu(const QString& nombre) const { return Control<QAction>(nombre); }
  QString Texto(const QString& etiqueta) const { return Control<QLabel>(etiqueta)->text(); }
  void Pulsar(const QString& nombre) const { QTest::mouseClick(Control(nombre), Qt::LeftButton); }
  bool Seleccionada(const QString& etiqueta) const {
    return Control<QLabel>(etiqueta)->styleSheet().contains(QStringLiteral("#C0E0FF"));
  }
  // The enabled state of a control of the lock list (menus are actions of the menu bar).
  bool Habilitado(const QString& nombre) const {
    if (auto* menu = ventana->findChild<QMenu*>(nombre)) return menu->menuAction()->isEnabled();
    return Control(nombre)->isEnabled();
  }
  // A file of the temporary folder; its full path.
  std::string Fichero(const std::string& nombre, const std::string& contenido) const {
    std::ofstream(carpeta / nombre, std::ios::binary) << contenido;
    return (carpeta / nombre).string();
  }
  // "Desde Archivo" with `ruta` chosen in the open dialog.
  void Importar(const std::string& ruta) {
    ui.ElegirFichero(ruta);
    emit Control<QComboBox>(QStringLiteral("cboTipoCombinacion"))->activated(2);
  }
  // Calls `mirar` whenever the window lets events through (the yields of a long operation)
  // until it returns true.
  static std::unique_ptr<QTimer> Vigilar(std::function<bool()> mirar) {
    auto timer = std::make_unique<QTimer>();
    timer->setInterval(0);
    QObject::connect(timer.get(), &QTimer::timeout, [t = timer.get(), mirar = std::move(mirar)] {
      t->stop();
      if (!mirar()) t->start();
    });
    timer->start();
    return timer;
  }
  std::string ConfiguracionEscrita() const {
    std::ifstream entrada(carpeta / std::string(kFicheroConfiguracion), std::ios::binary);
    std::stringstream s;
    s << entrada.rdbuf();
    return s.str();
  }

  pruebas::CarpetaTemporal carpeta;
  Combinacion combinacion;
  pruebas::InteraccionGuionizada ui;
  pruebas::PlataformaFalsa plataforma{carpeta.Ruta()};
  ServiciosDePrueba servicios{plataforma, ui};
  ComandosPrincipal comandos{combinacion, ui, plataforma, servicios};
  std::unique_ptr<FrmPrincipal> ventana;
};

}  // namespace

class PruebaFrmPrincipal : public QObject {
  Q_OBJECT

 private slots:
  void arrancaSinConfiguracionConTodosLosControles() {
    Banco b;
    QVERIFY(QTest::qWaitForWindowExposed(b.ventana.get()));
    QCOMPARE(b.ventana->windowTitle(), QStringLiteral("TANTEO 3.4 - Fichero : Sin guardar.xml"));
    QCOMPARE(b.Control<QComboBox>(QStringLiteral("cboNumeroJornada"))->count(), 99);
    QCOMPARE(b.Control<QComboBox>(QStringLiteral("cboNumeroJornada"))->currentText(), QStringLiteral("1"));
    QCOMPARE(b.Control<QComboBox>(QStringLiteral("cboTemporada"))->currentText(), QStringLiteral("2025/2026"));
    QCOMPARE(b.Control<QComboBox>(QStringLiteral("cboTipoCombinacion"))->currentText(), QStringLiteral("Pronóstico Manual"));
    QCOMPARE(b.Control<QLineEdit>(QStringLiteral("txtPartido_0"))->text(), QStringLiteral("Equipo1"));
    QCOMPARE(b.Control<QLineEdit>(QStringLiteral("txtPartido_11"))->text(), QStringLiteral("Equipo12"));
    QVERIFY(!b.Control(QStringLiteral("txtFicheroASCII"))->isVisible());
    QVERIFY(b.servicios.cargas.empty());

    const char* leyendas[] = {"NUEVO", "ABRIR", "GUARDAR", "VALIDAR ON LINE", "Cálculo de Prueba", "Análisis", "Cálculo Definitivo"};
    const char* ayudas[] = {"Nuevo fichero Base en XML", "Abrir fichero Base en XML", "Guardar fichero Base en XML",
                            "Validar ON LINE las apuestas", "Calcular", "", "Cálculo con grabación de apuestas"};
    for (int i = 0; i < FrmPrincipal::kComandos; ++i) {
      auto* lbl = b.Control<QLabel>(QStringLiteral("lblMenu_%1").arg(i));
      QCOMPARE(lbl->text(), QString::fromUtf8(leyendas[i]));
      QCOMPARE(lbl->toolTip(), QString::fromUtf8(ayudas[i]));
      QVERIFY(b.Control(QStringLiteral("imgIco_%1").arg(i)) != nullptr);
      QVERIFY(!b.Control(QStringLiteral("ShapeBorde_%1").arg(i))->isVisible());
    }
    for (int m = 1; m <= 6; ++m) {
      for (int r = 1; r <= 16; ++r) {
        const QString nombre = QStringLiteral("lblPartido%1_%2").arg(m).arg(r - 1);
        QCOMPARE(b.Texto(nombre), Q(LeyendaResultado(r)));
        QVERIFY(!b.Seleccionada(nombre));
      }
    }
    for (int s = 0; s < 4; ++s) {
      for (int t = 0; t < 12; ++t) QCOMPARE(b.Texto(QStringLiteral("lblSigno%1_%2").arg(s).arg(t)), QString(QLatin1Char(TextoSigno(s))));
    }
    for (int k = 0; k < 6; ++k) QCOMPARE(b.Texto(QStringLiteral("lblNumero_%1").arg(k)), QString::number(k + 1));
    QVERIFY(b.Control(QStringLiteral("picBASEporRESULTADOS"))->isVisible());
    QVERIFY(!b.Control(QStringLiteral("picBASEporPRONOSTICO"))->isVisible());
    QCOMPARE(b.Control<QPushButton>(QStringLiteral("cmdSwitch"))->text(), QStringLiteral("Cambiar a por Pronóstico"));
    QCOMPARE(b.Control(QStringLiteral("cmdSwitch"))->toolTip(),
             QStringLiteral("Cambia la vista de introducción de datos entre: por Resultados o por Pronóstico"));
    QCOMPARE(b.Control(QStringLiteral("imgALLPronostico"))->toolTip(), QStringLiteral("Selecciona todos los pronósticos"));
    QCOMPARE(b.Control(QStringLiteral("imgINIPronostico"))->toolTip(), QStringLiteral("Inicializa todos los pronósticos"));
    QCOMPARE(b.Control<QPushButton>(QStringLiteral("cmdCargarJornada"))->text(), QStringLiteral("J"));
    QCOMPARE(b.Control(QStringLiteral("cmdCargarJornada"))->toolTip(), QStringLiteral("Abrir Jornada"));
    for (const char* contador : {"lblApuIniciales", "lblApuCondicionadas", "lblApuestasReduccion"}) {
      QCOMPARE(b.Texto(QString::fromLatin1(contador)), QStringLiteral("0"));
    }
    QCOMPARE(b.Control<QPushButton>(QStringLiteral("cmdCuadroApuDirecto"))->text(), QStringLiteral("Apuestas en Directo"));

    auto* lista = b.Control<QListWidget>(QStringLiteral("lstFiltros"));
    QCOMPARE(lista->count(), 10);
    QCOMPARE(lista->item(0)->text(), QStringLiteral("No   CB Resultados     0 de 100"));
    QCOMPARE(lista->item(9)->text(), QStringLiteral("No   Reducción         -       "));
    QVERIFY(lista->font().fixedPitch());
    QVERIFY(!b.Control<QLabel>(QStringLiteral("imgFondoList"))->isVisible());
    QVERIFY(!b.Control<QLabel>(QStringLiteral("imgFondoList"))->pixmap().isNull());
    QVERIFY(!b.Control(QStringLiteral("picVentanaEspera"))->isVisible());
    QCOMPARE(b.Control<QTimer>(QStringLiteral("Timer1"))->interval(), 5);
    QVERIFY(!b.Control<QTimer>(QStringLiteral("Timer1"))->isActive());
  }

  void menusConSusItemsSeparadoresYPendientesApagados() {
    Banco b;
    const std::pair<const char*, std::vector<const char*>> menus[] = {
        {"menuArchivo", {"menuNuevaBaseXML", "menuAbrirBaseXML", "menuGuardarBaseXML", "-", "menuSalir"}},
        {"menuDesarrollos", {"menuVerResumenFiltros", "menuInformeApuestasEliminadas"}},
        {"menuUtilidades",
         {"menuEscrutador", "menuVisualizarArchivo", "-", "menuAlgebra", "menuGarantiasYPremios", "menuSistemasPropios",
          "menuGeneradorApuestas", "menuOrdenarFicheroProbabilidad"}},
        {"menuAyuda", {"menuManual", "menuBoletia", "menuPronostia", "-", "menuAcercade"}},
    };
    for (const auto& [nombre, items] : menus) {
      auto* menu = b.Control<QMenu>(QString::fromLatin1(nombre));
      QStringList obtenidos;
      for (QAction* a : menu->actions()) obtenidos << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
      QStringList esperados;
      for (const char* i : items) esperados << QString::fromLatin1(i);
      QCOMPARE(obtenidos, esperados);
    }
    QCOMPARE(b.Control<QMenu>(QStringLiteral("menuArchivo"))->title(), QStringLiteral("&Archivo"));
    QCOMPARE(b.Control<QMenu>(QStringLiteral("menuDesarrollos"))->title(), QStringLiteral("&Datos"));
    QCOMPARE(b.Control<QMenu>(QStringLiteral("menuUtilidades"))->title(), QStringLiteral("&Utilidades"));
    QCOMPARE(b.Control<QMenu>(QStringLiteral("menuAyuda"))->title(), QStringLiteral("A&yuda"));
    QCOMPARE(b.Menu(QStringLiteral("menuBoletia"))->text(), QStringLiteral("Gentileza de Boletia"));
    QCOMPARE(b.Menu(QStringLiteral("menuPronostia"))->text(), QStringLiteral("Desarrollado por Pronostia"));
    QCOMPARE(b.Menu(QStringLiteral("menuAcercade"))->text(), QStringLiteral("Acerca de TANTEO ..."));
    QCOMPARE(b.Menu(QStringLiteral("menuGeneradorApuestas"))->text(), QStringLiteral("Generador de Apuestas por %"));

    // Screens of other parts of the program: off until they are provided, then on.
    for (const char* pendiente : {"menuAbrirBaseXML", "menuGuardarBaseXML", "menuVerResumenFiltros",
                                  "menuInformeApuestasEliminadas", "menuVisualizarArchivo", "menuAlgebra",
                                  "menuGeneradorApuestas", "menuOrdenarFicheroProbabilidad"}) {
      QVERIFY2(!b.Menu(QString::fromLatin1(pendiente))->isEnabled(), pendiente);
    }
    QVERIFY(!b.Habilitado(QStringLiteral("lblMenu_1")));
    QVERIFY(!b.Habilitado(QStringLiteral("imgIco_1")));
    QVERIFY(b.Habilitado(QStringLiteral("cmdCargarJornada")));
    int abiertas = 0;
    b.ventana->PonerAccion(QStringLiteral("menuAlgebra"), [&] { ++abiertas; });
    b.ventana->PonerAccion(QStringLiteral("lblMenu_1"), [&] { ++abiertas; });
    QVERIFY(b.Menu(QStringLiteral("menuAlgebra"))->isEnabled());
    QVERIFY(b.Habilitado(QStringLiteral("imgIco_1")));
    b.Menu(QStringLiteral("menuAlgebra"))->trigger();
    b.Pulsar(QStringLiteral("lblMenu_1"));
    QCOMPARE(abiertas, 2);

    // Pieces the services lack keep their command off.
    b.servicios.ausentes = {Funcion::Calculo, Funcion::Garantias, Funcion::Importacion};
    b.ventana->Refrescar();
    QVERIFY(!b.Habilitado(QStringLiteral("lblMenu_4")));
    QVERIFY(!b.Menu(QStringLiteral("menuGarantiasYPremios"))->isEnabled());
    auto* tipos = static_cast<QStandardItemModel*>(b.Control<QComboBox>(QStringLiteral("cboTipoCombinacion"))->model());
    QVERIFY(!tipos->item(2)->isEnabled());
    QVERIFY(tipos->item(1)->isEnabled());
  }

  void arrancaConConfiguracionYLaEscribeAlCerrar() {
    Banco b("jornada=07\r\nTEMPORADA=2023/2024\r\n");
    QCOMPARE(b.Control<QComboBox>(QStringLiteral("cboNumeroJornada"))->currentText(), QStringLiteral("7"));
    QCOMPARE(b.Control<QComboBox>(QStringLiteral("cboTemporada"))->currentText(), QStringLiteral("2023/2024"));
    QCOMPARE(b.Control<QLineEdit>(QStringLiteral("txtPartido_5"))->text(), QStringLiteral("7-6"));
    QCOMPARE(b.servicios.cargas.size(), std::size_t{1});

    // The player picks another matchday: the names go and that matchday's come.
    emit b.Control<QComboBox>(QStringLiteral("cboNumeroJornada"))->activated(11);
    QCOMPARE(b.servicios.cargas.back(), (std::pair<std::string, std::string>{"12", "2023/2024"}));
    QCOMPARE(b.Control<QLineEdit>(QStringLiteral("txtPartido_0"))->text(), QStringLiteral("12-1"));

    QVERIFY(b.ventana->close());
    QCOMPARE(b.ConfiguracionEscrita(), std::string("JORNADA=12\r\nTEMPORADA=2023/2024\r\n"));
  }

  void cerrarPreguntaSiNoEstaGuardadaYSalirNoVuelveAPreguntar() {
    Banco b;
    b.Pulsar(QStringLiteral("lblPartido1_0"));
    b.ui.ResponderNo();
    QVERIFY(!b.ventana->close());
    QVERIFY(b.ventana->isVisible());
    QCOMPARE(b.ui.preguntas, std::vector<std::string>{std::string(kPreguntaSalir)});
    QCOMPARE(b.ConfiguracionEscrita(), std::string());

    b.ui.ResponderSi();
    b.Menu(QStringLiteral("menuSalir"))->trigger();
    QVERIFY(!b.ventana->isVisible());
    QCOMPARE(b.ui.preguntas.size(), std::size_t{2});
    QCOMPARE(b.ConfiguracionEscrita(), std::string("JORNADA=1\r\nTEMPORADA=2025/2026\r\n"));
  }

  void laBaseSeEditaConSusColoresYContadores() {
    Banco b;
    b.Pulsar(QStringLiteral("lblPartido1_4"));
    QVERIFY(b.Seleccionada(QStringLiteral("lblPartido1_4")));
    QVERIFY(b.Control<QLabel>(QStringLiteral("lblPartido1_4"))->styleSheet().contains(QStringLiteral("color:#000000")));
    QVERIFY(b.Control<QLabel>(QStringLiteral("lblPartido1_5"))->styleSheet().contains(QStringLiteral("background:#FFFFFF; color:#80C0FF")));
    QVERIFY(b.combinacion.base.ResultadoSeleccionado(1, 5));
    QCOMPARE(b.Texto(QStringLiteral("lblApuIniciales")), QStringLiteral("0"));

    b.Pulsar(QStringLiteral("imgALLPronostico"));
    QCOMPARE(b.Texto(QStringLiteral("lblApuIniciales")), QStringLiteral("16.777.216"));
    QCOMPARE(b.Texto(QStringLiteral("lblApuCondicionadas")), QStringLiteral("16.777.216"));
    QVERIFY(b.Seleccionada(QStringLiteral("lblPartido6_15")));
    b.Pulsar(QStringLiteral("lblPartido6_15"));
    QCOMPARE(b.Texto(QStringLiteral("lblApuIniciales")), QStringLiteral("15.728.640"));
    b.Pulsar(QStringLiteral("imgINIPronostico"));
    QCOMPARE(b.Texto(QStringLiteral("lblApuIniciales")), QStringLiteral("0"));
    QVERIFY(!b.Seleccionada(QStringLiteral("lblPartido1_4")));

    // The switch asks after edits; No keeps the view.
    b.Pulsar(QStringLiteral("lblPartido2_0"));
    b.ui.ResponderNo();
    b.Pulsar(QStringLiteral("cmdSwitch"));
    QVERIFY(b.Control(QStringLiteral("picBASEporRESULTADOS"))->isVisible());
    b.ui.ResponderSi();
    b.Pulsar(QStringLiteral("cmdSwitch"));
    QVERIFY(b.Control(QStringLiteral("picBASEporPRONOSTICO"))->isVisible());
    QVERIFY(!b.Control(QStringLiteral("picBASEporRESULTADOS"))->isVisible());
    QCOMPARE(b.Control<QPushButton>(QStringLiteral("cmdSwitch"))->text(), QStringLiteral("Cambiar a por Resultados"));
    b.Pulsar(QStringLiteral("lblSigno2_3"));
    QVERIFY(b.Seleccionada(QStringLiteral("lblSigno2_3")));
    QVERIFY(b.combinacion.base.SignoSeleccionado(4, 2));
  }

  void nuevoTrasEditarPreguntaYLoDejaVacio() {
    Banco b;
    b.Pulsar(QStringLiteral("imgALLPronostico"));
    b.ui.ResponderNo();
    b.Pulsar(QStringLiteral("lblMenu_0"));
    QVERIFY(b.Seleccionada(QStringLiteral("lblPartido3_7")));
    b.ui.ResponderSi();
    b.Menu(QStringLiteral("menuNuevaBaseXML"))->trigger();
    QCOMPARE(b.ui.preguntas, std::vector<std::string>(2, std::string(kPreguntaNuevo)));
    QVERIFY(!b.Seleccionada(QStringLiteral("lblPartido3_7")));
    QCOMPARE(b.Texto(QStringLiteral("lblApuIniciales")), QStringLiteral("0"));
    QVERIFY(b.combinacion.guardadaXML);
    QCOMPARE(b.ventana->windowTitle(), QStringLiteral("TANTEO 3.4 - Fichero : Sin guardar.xml"));
  }

  void desdeArchivoYNoAlVolverAManualNoReimporta() {
    Banco b;
    const std::string ruta = b.Fichero("semana.txt", "100M00000000\r\n100100000000\r\n");
    b.Importar(ruta);
    auto* tipo = b.Control<QComboBox>(QStringLiteral("cboTipoCombinacion"));
    QCOMPARE(tipo->currentText(), QStringLiteral("Desde Archivo"));
    QCOMPARE(b.ui.dialogos.back().titulo, std::string("Abrir Fichero"));
    auto* fichero = b.Control<QLineEdit>(QStringLiteral("txtFicheroASCII"));
    QVERIFY(fichero->isVisible());
    QCOMPARE(fichero->text(), QStringLiteral("semana.txt"));
    QCOMPARE(fichero->toolTip(), Q(ruta));
    QCOMPARE(b.Control<QPushButton>(QStringLiteral("cmdCuadroApuDirecto"))->text(), QStringLiteral("Apuestas Importadas"));
    QVERIFY(!b.Control(QStringLiteral("imgALLPronostico"))->isVisible());
    QVERIFY(!b.Control(QStringLiteral("imgINIPronostico"))->isVisible());
    QVERIFY(!b.Habilitado(QStringLiteral("cmdSwitch")));
    QVERIFY(!b.Habilitado(QStringLiteral("picBASEporRESULTADOS")));
    QVERIFY(b.Habilitado(QStringLiteral("lstFiltros")));
    // The base is the smallest holding the file: 1-0 in match 1, 0-M or 0-1 in match 2.
    QVERIFY(b.Seleccionada(QStringLiteral("lblPartido1_4")));
    QVERIFY(b.Seleccionada(QStringLiteral("lblPartido2_3")));
    QVERIFY(b.Seleccionada(QStringLiteral("lblPartido2_1")));
    QVERIFY(!b.Seleccionada(QStringLiteral("lblPartido2_0")));
    for (const char* contador : {"lblApuIniciales", "lblApuCondicionadas", "lblApuestasReduccion"}) {
      QCOMPARE(b.Texto(QString::fromLatin1(contador)), QStringLiteral("2"));
    }

    // No keeps the imported type as it is: no second open dialog.
    b.combinacion.guardadaXML = false;
    b.ui.ResponderNo();
    emit tipo->activated(0);
    QCOMPARE(tipo->currentText(), QStringLiteral("Desde Archivo"));
    QCOMPARE(b.ui.dialogos.size(), std::size_t{1});
    QVERIFY(fichero->isVisible());
    QCOMPARE(b.Texto(QStringLiteral("lblApuestasReduccion")), QStringLiteral("2"));

    b.ui.ResponderSi();
    emit tipo->activated(0);
    QCOMPARE(tipo->currentText(), QStringLiteral("Pronóstico Manual"));
    QVERIFY(!fichero->isVisible());
    QVERIFY(b.Habilitado(QStringLiteral("cmdSwitch")));
    QVERIFY(b.Control(QStringLiteral("imgALLPronostico"))->isVisible());
    QCOMPARE(b.Control<QPushButton>(QStringLiteral("cmdCuadroApuDirecto"))->text(), QStringLiteral("Apuestas en Directo"));
    QCOMPARE(b.Texto(QStringLiteral("lblApuIniciales")), QStringLiteral("0"));
    QVERIFY(!b.Seleccionada(QStringLiteral("lblPartido1_4")));
  }

  void aleatorioEnLaVistaPorPronosticoAvisa() {
    Banco b;
    b.Pulsar(QStringLiteral("cmdSwitch"));
    emit b.Control<QComboBox>(QStringLiteral("cboTipoCombinacion"))->activated(1);
    QCOMPARE(b.ui.Textos(), std::vector<std::string>{std::string(kAvisoAleatorioEnPronostico)});
    QVERIFY(b.servicios.llamadas.empty());
  }

  void unCalculoBloqueaLaListaExactaYMuestraLosTresContadores() {
    Banco b;
    QVERIFY(QTest::qWaitForWindowExposed(b.ventana.get()));
    // Five results in every match: 15.625 bets, enough for CB 1 to yield while it works.
    for (int m = 1; m <= kPartidos; ++m) {
      for (int r = 0; r < 5; ++r) b.Pulsar(QStringLiteral("lblPartido%1_%2").arg(m).arg(r));
    }
    QCOMPARE(b.Texto(QStringLiteral("lblApuIniciales")), QStringLiteral("15.625"));
    // CB 1 keeps the bets with 0-0 in match 1.
    ColumnaBaseResultados& cb = b.combinacion.filtros.cbResultados.CB(1);
    cb.pronostico[1] = "0-0";
    cb.aciertos[1] = 1;
    auto* lista = b.Control<QListWidget>(QStringLiteral("lstFiltros"));
    QTest::mouseClick(lista->viewport(), Qt::RightButton, {}, lista->visualItemRect(lista->item(0)).center());
    QVERIFY(lista->item(0)->text().startsWith(QStringLiteral("Sí")));

    bool visto = false, timerActivo = false, cierreRechazado = false;
    QStringList encendidos;
    QString color;
    const auto vigia = Banco::Vigilar([&] {
      if (b.Texto(QStringLiteral("lblApuCondicionadas")) != QStringLiteral("CB por RESULTADOS")) return false;
      for (const std::string& control : ControlesBloqueo()) {
        if (b.Habilitado(Q(control))) encendidos << Q(control);
      }
      timerActivo = b.Control<QTimer>(QStringLiteral("Timer1"))->isActive();
      auto* contador = b.Control<QLabel>(QStringLiteral("lblApuCondicionadas"));
      if (QTest::qWaitFor([contador] { return !contador->styleSheet().isEmpty(); }, 2000)) color = contador->styleSheet();
      cierreRechazado = !b.ventana->close();
      return visto = true;
    });
    b.Pulsar(QStringLiteral("lblMenu_4"));
    QVERIFY(visto);
    QCOMPARE(encendidos, QStringList());
    QVERIFY(timerActivo);
    QVERIFY2(color.startsWith(QStringLiteral("color:#")) && color != QStringLiteral("color:#000000;"), qPrintable(color));
    QVERIFY(cierreRechazado);
    QVERIFY(b.ui.preguntas.empty());
    QVERIFY(b.ui.mensajes.empty());
    QVERIFY(b.ventana->isVisible());

    QCOMPARE(b.Texto(QStringLiteral("lblApuIniciales")), QStringLiteral("15.625"));
    QCOMPARE(b.Texto(QStringLiteral("lblApuCondicionadas")), QStringLiteral("3.125"));
    QCOMPARE(b.Texto(QStringLiteral("lblApuestasReduccion")), QStringLiteral("3.125"));
    QCOMPARE(b.combinacion.filtros.EliminadasFiltro[1], 12500);
    QVERIFY(!b.combinacion.cambiadaDesdeGeneracion);
    QVERIFY(!b.Control<QTimer>(QStringLiteral("Timer1"))->isActive());
    QVERIFY(b.Control<QLabel>(QStringLiteral("lblApuCondicionadas"))->styleSheet().contains(QStringLiteral("#000000")));
    for (const char* control : {"menuArchivo", "menuAyuda", "lblMenu_0", "imgIco_4", "lstFiltros", "cboTipoCombinacion",
                                "picBanner2", "txtPartido_11", "cmdSwitch", "picBASEporRESULTADOS", "cboTemporada",
                                "imgALLPronostico"}) {
      QVERIFY2(b.Habilitado(QString::fromLatin1(control)), control);
    }
  }

  // The calculation window opens over the run with the main window's counters, reduces and
  // hands its count back: two bets one match apart need one bet at "al 5".
  void laVentanaDeCalculoReduceYDevuelveSuCuenta() {
    Banco b;
    for (int m = 1; m <= kPartidos; ++m) b.Pulsar(QStringLiteral("lblPartido%1_0").arg(m));
    b.Pulsar(QStringLiteral("lblPartido1_1"));
    b.combinacion.lstFiltros.Activar(FilaFiltro::Reduccion);
    b.combinacion.reduccion.Tipo = 1;
    b.combinacion.reduccion.ActivarCiclos = 0;
    QString titulo, enDirecto, condicionado;
    bool sinCierre = false, cierreRechazado = false;
    const auto vigia = Banco::Vigilar([&] {
      QWidget* pantalla = QApplication::activeModalWidget();
      if (pantalla == nullptr || pantalla->objectName() != QStringLiteral("frmVentanaProceso")) return false;
      titulo = pantalla->windowTitle();
      enDirecto = pantalla->findChild<QLabel*>(QStringLiteral("lblApuestasInicialesVP"))->text();
      condicionado = pantalla->findChild<QLabel*>(QStringLiteral("lblApuestasCondicionadasVP"))->text();
      sinCierre = !pantalla->windowFlags().testFlag(Qt::WindowCloseButtonHint);
      cierreRechazado = !pantalla->close() && pantalla->isVisible();
      return true;
    });
    b.Pulsar(QStringLiteral("lblMenu_4"));
    QCOMPARE(titulo, QStringLiteral("Cálculo del sistema"));
    QCOMPARE(enDirecto, QStringLiteral("2"));
    QCOMPARE(condicionado, QStringLiteral("2"));
    QVERIFY(sinCierre);
    QVERIFY(cierreRechazado);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(b.Texto(QStringLiteral("lblApuCondicionadas")), QStringLiteral("2"));
    QCOMPARE(b.Texto(QStringLiteral("lblApuestasReduccion")), QStringLiteral("1"));
    QCOMPARE(b.Control<QLabel>(QStringLiteral("lblApuestasReduccion"))->toolTip(), QStringLiteral("Obtenida en el ciclo: 1"));
    QCOMPARE(b.combinacion.apuestas.TotalFinales, 1);
    QVERIFY(b.ui.mensajes.empty());
  }

  // imgDetener pressed while the analysis works: no result, the main counter shows "0" and
  // there is nothing to save.
  void detenerDuranteElAnalisisDejaCeroFinales() {
    Banco b;
    for (int m = 1; m <= kPartidos; ++m) {
      for (int r = 0; r < 5; ++r) b.Pulsar(QStringLiteral("lblPartido%1_%2").arg(m).arg(r));
    }
    b.combinacion.lstFiltros.Activar(FilaFiltro::Reduccion);
    b.combinacion.reduccion.Tipo = 2;
    QString cicloAlDetener;
    const auto vigia = Banco::Vigilar([&] {
      QWidget* pantalla = QApplication::activeModalWidget();
      if (pantalla == nullptr || pantalla->objectName() != QStringLiteral("frmVentanaProceso")) return false;
      cicloAlDetener = pantalla->findChild<QLabel*>(QStringLiteral("lblCiclos"))->text();
      QWidget* detener = pantalla->findChild<QWidget*>(QStringLiteral("imgDetener"));
      if (detener->toolTip() != QStringLiteral("Detener el proceso")) QTest::qFail("ayuda de imgDetener", __FILE__, __LINE__);
      QTest::mouseClick(detener, Qt::LeftButton);
      return true;
    });
    b.Pulsar(QStringLiteral("lblMenu_4"));
    QCOMPARE(cicloAlDetener, QStringLiteral("Analizando ..."));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(b.Texto(QStringLiteral("lblApuCondicionadas")), QStringLiteral("15.625"));
    QCOMPARE(b.Texto(QStringLiteral("lblApuestasReduccion")), QStringLiteral("0"));
    QVERIFY(b.ui.mensajes.empty());
    b.Pulsar(QStringLiteral("lblMenu_6"));
    QCOMPARE(b.ui.Textos(), std::vector<std::string>{std::string(kErrorSinGenerarB)});
    QVERIFY(b.ui.dialogos.empty());
  }

  // With cycles the reduction goes on until imgDetener: the best result shown so far is
  // what the main window gets.
  void detenerEnLosCiclosGuardaElMejorResultado() {
    Banco b;
    for (int m = 1; m <= kPartidos; ++m) {
      for (int r = 0; r < 3; ++r) b.Pulsar(QStringLiteral("lblPartido%1_%2").arg(m).arg(r));
    }
    b.combinacion.lstFiltros.Activar(FilaFiltro::Reduccion);
    b.combinacion.reduccion.Tipo = 1;
    QString mejor, ayuda;
    const auto vigia = Banco::Vigilar([&] {
      QWidget* pantalla = QApplication::activeModalWidget();
      if (pantalla == nullptr || pantalla->objectName() != QStringLiteral("frmVentanaProceso")) return false;
      auto* reduccion = pantalla->findChild<QLabel*>(QStringLiteral("lblApuestasReduccion"));
      const QString ciclos = pantalla->findChild<QLabel*>(QStringLiteral("lblCiclos"))->text();
      if (reduccion->text() == QStringLiteral("0") || ciclos.toInt() < 3) return false;
      mejor = reduccion->text();
      ayuda = reduccion->toolTip();
      QTest::mouseClick(pantalla->findChild<QWidget*>(QStringLiteral("imgDetener")), Qt::LeftButton);
      return true;
    });
    b.Pulsar(QStringLiteral("lblMenu_4"));
    QVERIFY(!mejor.isEmpty());
    QVERIFY2(mejor.toInt() > 0 && mejor.toInt() < 729, qPrintable(mejor));
    QVERIFY(ayuda.startsWith(QStringLiteral("Obtenida en el ciclo: ")));
    // A better result may have come between the last repaint and the stop.
    const int finales = b.Texto(QStringLiteral("lblApuestasReduccion")).toInt();
    QVERIFY(finales > 0 && finales <= mejor.toInt());
    QCOMPARE(b.combinacion.apuestas.TotalFinales, finales);
  }

  void unCalculoDesdeArchivoDejaApagadosElCambioYLaVista() {
    Banco b;
    // The first bet twice: the run reports the repetition and keeps two bets.
    b.Importar(b.Fichero("tres.txt", "000000000000\r\n100000000000\r\n000000000000\r\n"));
    QCOMPARE(b.Texto(QStringLiteral("lblApuIniciales")), QStringLiteral("3"));
    bool bloqueadaDurante = false;
    const auto vigia = Banco::Vigilar([&] {
      if (!b.combinacion.ocupada) return false;
      bloqueadaDurante = !b.Habilitado(QStringLiteral("picBASEporPRONOSTICO")) && !b.Habilitado(QStringLiteral("lstFiltros"));
      return true;
    });
    b.Pulsar(QStringLiteral("lblMenu_4"));
    QVERIFY(bloqueadaDurante);
    QCOMPARE(b.ui.Textos(), std::vector<std::string>{std::string(kAvisoRepetidas) + "1"});
    QCOMPARE(b.Texto(QStringLiteral("lblApuIniciales")), QStringLiteral("3"));
    QCOMPARE(b.Texto(QStringLiteral("lblApuCondicionadas")), QStringLiteral("2"));
    QCOMPARE(b.Texto(QStringLiteral("lblApuestasReduccion")), QStringLiteral("2"));
    QVERIFY(!b.Habilitado(QStringLiteral("cmdSwitch")));
    QVERIFY(!b.Habilitado(QStringLiteral("picBASEporRESULTADOS")));
    QVERIFY(b.Habilitado(QStringLiteral("picBASEporPRONOSTICO")));
    QVERIFY(b.Habilitado(QStringLiteral("lstFiltros")));
  }

  void calculoDefinitivoTrasImportarGuardaLasImportadasEnSuOrden() {
    Banco b;
    // 12.001 bets against system order, the first one again at the end: enough for the
    // import and the writer to yield.
    std::vector<std::string> apuestas;
    for (int i = 0; i < 12000; ++i) {
      std::string compacta;
      for (int m = 0; m < kPartidos; ++m) {
        const int r = m < 3 ? 16 - (i >> (4 * m)) % 16 : m == 3 ? 16 - i / 4096 : 1 + i % 2;
        compacta += CodigoResultado(r);
      }
      apuestas.push_back(compacta);
    }
    apuestas.push_back(apuestas.front());
    std::string texto;
    for (const std::string& a : apuestas) texto += a + "\r\n";
    b.Importar(b.Fichero("grande.txt", texto));
    QCOMPARE(b.Texto(QStringLiteral("lblApuestasReduccion")), QStringLiteral("12.001"));

    bool panelVisto = false, archivoApagado = false;
    int barra = 0;
    const auto vigia = Banco::Vigilar([&] {
      if (!b.Control(QStringLiteral("picVentanaEspera"))->isVisible()) return false;
      panelVisto = true;
      archivoApagado = !b.Habilitado(QStringLiteral("menuArchivo"));
      barra = b.Control(QStringLiteral("lblProgressBar"))->width();
      return true;
    });
    b.combinacion.guardadaXML = false;
    b.ui.ElegirFichero((b.carpeta / "semana").string());
    b.Pulsar(QStringLiteral("lblMenu_6"));
    QVERIFY(b.ui.preguntas.empty());
    QCOMPARE(b.ui.dialogos.back().titulo, std::string("Guardar Combinación"));
    QCOMPARE(b.ui.dialogos.back().nombreInicial, std::string("Sin guardar.TTO"));
    QVERIFY(panelVisto);
    QVERIFY(archivoApagado);
    QCOMPARE(barra, 6000 * FrmPrincipal::kAnchoBarraEspera / 12001);
    QVERIFY(!b.Control(QStringLiteral("picVentanaEspera"))->isVisible());
    QVERIFY(b.Habilitado(QStringLiteral("menuArchivo")));
    // No XML base was written beside the bets, so leaving still asks.
    QVERIFY(!b.combinacion.guardadaXML);

    TablaApuestas leidas;
    const ResultadoLectura lectura = LeerFicheroApuestas(b.carpeta / "semana.TTO", leidas);
    QVERIFY2(lectura.ok, lectura.descripcion.c_str());
    QCOMPARE(lectura.apuestas, 12001);
    for (std::int32_t i = 1; i <= lectura.apuestas; ++i) {
      if (ApuestaCompacta(leidas.Fila(i)) != apuestas[i - 1]) QFAIL(qPrintable(QStringLiteral("apuesta %1").arg(i)));
    }
  }

  void analisisTrasEditarHaceLaPreguntaDeCambios() {
    Banco b;
    b.Pulsar(QStringLiteral("imgALLPronostico"));
    b.combinacion.contadores.lblApuestasReduccion = "16.777.216";
    b.ui.ResponderNo();
    b.Pulsar(QStringLiteral("lblMenu_5"));
    QCOMPARE(b.ui.preguntas, std::vector<std::string>{PreguntaCambios(kPreguntaVerAnalisis)});
    QVERIFY(b.servicios.llamadas.empty());
    b.ui.ResponderSi();
    b.Menu(QStringLiteral("menuGarantiasYPremios"))->trigger();
    QCOMPARE(b.servicios.llamadas, std::vector<std::string>{"Garantias"});
  }

  void enterEnElDuodecimoEquipoVaAlPrimeroConSuTextoSeleccionado() {
    Banco b;
    QApplication::setActiveWindow(b.ventana.get());
    QVERIFY(QTest::qWaitForWindowActive(b.ventana.get()));
    auto* primero = b.Control<QLineEdit>(QStringLiteral("txtPartido_0"));
    auto* segundo = b.Control<QLineEdit>(QStringLiteral("txtPartido_1"));
    auto* duodecimo = b.Control<QLineEdit>(QStringLiteral("txtPartido_11"));
    primero->setFocus();
    QTest::keyClick(primero, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), segundo);
    duodecimo->setFocus();
    QTest::keyClicks(duodecimo, QStringLiteral("x"));
    QCOMPARE(b.comandos.estado.txtPartido[11], std::string("Equipo12x"));
    QTest::keyClick(duodecimo, Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), primero);
    QCOMPARE(primero->selectedText(), QStringLiteral("Equipo1"));
  }

  void listaDeFiltros() {
    Banco b;
    auto* lista = b.Control<QListWidget>(QStringLiteral("lstFiltros"));
    QVERIFY(QTest::qWaitForWindowExposed(b.ventana.get()));
    const QPoint fila3 = lista->visualItemRect(lista->item(3)).center();
    QTest::mouseClick(lista->viewport(), Qt::RightButton, {}, fila3);
    QCOMPARE(lista->item(3)->text(), QStringLiteral("Sí   Sumas Goles       0 de 100"));
    QVERIFY(b.combinacion.lstFiltros.Activa(FilaFiltro::SumaGoles));
    QTest::mouseClick(lista->viewport(), Qt::RightButton, {}, fila3);
    QCOMPARE(lista->item(3)->text(), QStringLiteral("No   Sumas Goles       0 de 100"));

    // The screen a row opens; afterwards the row shows what it changed.
    b.ventana->PonerAccion(QStringLiteral("lstFiltros_9"), [&] { b.combinacion.reduccion.Tipo = 1; });
    b.ventana->PonerAccion(QStringLiteral("lstFiltros_0"), [&] {
      QCOMPARE(b.combinacion.filtros.BloqueCBResultados, std::int16_t{1});
      b.combinacion.filtros.cbResultados.CB(7).aciertos[2] = 1;
    });
    b.combinacion.filtros.BloqueCBResultados = 5;
    QVERIFY(b.combinacion.guardadaXML);
    QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(lista->item(9)).center());
    QCOMPARE(lista->item(9)->text(), QStringLiteral("No   Reducción         al 5"));
    QVERIFY(!b.combinacion.guardadaXML);
    QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(lista->item(0)).center());
    QCOMPARE(lista->item(0)->text(), QStringLiteral("No   CB Resultados     1 de 100"));
  }

  void elBordeDelComandoSigueAlPuntero() {
    Banco b;
    QVERIFY(QTest::qWaitForWindowExposed(b.ventana.get()));
    auto* celda = b.Control(QStringLiteral("lblMenu_3"))->parentWidget();
    QEnterEvent entrar(QPointF(5, 5), QPointF(5, 5), celda->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(celda, &entrar);
    QVERIFY(b.Control(QStringLiteral("ShapeBorde_3"))->isVisible());
    QVERIFY(!b.Control(QStringLiteral("ShapeBorde_2"))->isVisible());
    QMouseEvent mover(QEvent::MouseMove, QPointF(5, 300), QPointF(5, 300), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(b.ventana->centralWidget(), &mover);
    QVERIFY(!b.Control(QStringLiteral("ShapeBorde_3"))->isVisible());
  }

  void direccionesSinConfigurarAvisanYLaAyudaAbreElManual() {
    Banco b;
    b.Pulsar(QStringLiteral("lblMenu_3"));
    b.Pulsar(QStringLiteral("picBanner2"));
    b.Menu(QStringLiteral("menuPronostia"))->trigger();
    QCOMPARE(b.ui.mensajes.size(), std::size_t{3});
    for (const auto& m : b.ui.mensajes) {
      QCOMPARE(m.icono, Icono::Aviso);
      QVERIFY(Q(m.texto).startsWith(QStringLiteral("AVISO: No hay ninguna dirección configurada para ")));
    }
    QVERIFY(Q(b.ui.mensajes[0].texto).contains(QStringLiteral("validar apuestas")));
    QVERIFY(b.plataforma.direcciones.empty());

    b.Menu(QStringLiteral("menuManual"))->trigger();
    QCOMPARE(b.plataforma.direcciones.size(), std::size_t{1});
    const std::filesystem::path manual = b.carpeta / "ayuda" / "tanteo.html";
    QCOMPARE(b.plataforma.direcciones[0], "file://" + manual.string());
    std::ifstream entrada(manual);
    std::stringstream html;
    html << entrada.rdbuf();
    QVERIFY(html.str().find("El camino de una combinación") != std::string::npos);
  }

  void acercaDeYAutor() {
    Banco b;
    QString titulo, programa, fecha;
    std::size_t puntos = 0;
    bool todosALaDerecha = true;
    QTimer::singleShot(0, [&] {
      QWidget* pantalla = QApplication::activeModalWidget();
      QVERIFY(pantalla != nullptr);
      titulo = pantalla->windowTitle();
      programa = pantalla->findChild<QLabel*>(QStringLiteral("lblPrograma"))->text();
      fecha = pantalla->findChild<QLabel*>(QStringLiteral("lblFecha"))->text();
      auto* acercaDe = static_cast<FrmAcercaDe*>(pantalla);
      const auto antes = acercaDe->Puntos();
      acercaDe->Avanzar();
      puntos = antes.size();
      for (std::size_t i = 0; i < antes.size(); ++i) {
        const auto& p = acercaDe->Puntos()[i];
        const bool avanzo = p.x > antes[i].x || p.x < 0;
        todosALaDerecha = todosALaDerecha && avanzo && p.velocidad < FrmAcercaDe::kVelocidadMaxima;
      }
      pantalla->close();
    });
    b.Menu(QStringLiteral("menuAcercade"))->trigger();
    QCOMPARE(titulo, QStringLiteral("Acerca de ..."));
    QCOMPARE(programa, QStringLiteral("TANTEO 3.4"));
    QCOMPARE(fecha, QStringLiteral("14/07/2024"));
    QCOMPARE(puntos, std::size_t{151});
    QVERIFY(todosALaDerecha);

    // Alt + right button on "J", even while its own screen is missing.
    QString autor;
    QTimer::singleShot(0, [&] {
      QWidget* pantalla = QApplication::activeModalWidget();
      QVERIFY(pantalla != nullptr);
      autor = pantalla->windowTitle();
      QVERIFY(pantalla->findChild<QLabel*>(QStringLiteral("picICONOS")) != nullptr);
      auto* volver = pantalla->findChild<QPushButton*>(QStringLiteral("cmdVolver_1"));
      QCOMPARE(volver->toolTip(), QStringLiteral("Vuelve al Menú anterior"));
      volver->click();
    });
    QTest::mousePress(b.Control(QStringLiteral("cmdCargarJornada")), Qt::RightButton, Qt::AltModifier);
    QCOMPARE(autor, QStringLiteral("AUTOR"));
  }
};

}  // namespace tanteo

QTEST_MAIN(tanteo::PruebaFrmPrincipal)
#include "frm_principal_test.moc"
