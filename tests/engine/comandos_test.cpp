#include "engine/comandos.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "engine/comprobaciones.h"
#include "engine/configuracion.h"
#include "fakes/carpeta_temporal.h"
#include "fakes/interaccion_guionizada.h"
#include "fakes/plataforma_falsa.h"
#include "fakes/servicios_principal_falsos.h"

namespace tanteo {
namespace {

using pruebas::CarpetaTemporal;
using pruebas::InteraccionGuionizada;
using pruebas::PlataformaFalsa;
using pruebas::ServiciosPrincipalFalsos;

// The commands with scripted answers, a temporary program folder and fake services.
struct Entorno {
  CarpetaTemporal carpeta;
  Combinacion c;
  InteraccionGuionizada ui;
  PlataformaFalsa plataforma{carpeta.Ruta()};
  ServiciosPrincipalFalsos servicios;
  ComandosPrincipal comandos{c, ui, plataforma, servicios};
};

class Comandos : public ::testing::Test, protected Entorno {
 protected:
  void EscribirConfiguracion(const std::string& contenido) {
    std::ofstream(carpeta / std::string(kFicheroConfiguracion), std::ios::binary) << contenido;
  }
  std::string LeerConfiguracionEscrita() {
    std::ifstream entrada(carpeta / std::string(kFicheroConfiguracion), std::ios::binary);
    std::stringstream s;
    s << entrada.rdbuf();
    return s.str();
  }
  // A base of `por_partido` results in every match, as if a run had just produced it.
  void BaseCalculada(int por_partido) {
    for (int m = 1; m <= kPartidos; ++m) {
      for (int r = 1; r <= por_partido; ++r) c.AlternarResultado(m, r);
    }
    c.cambiadaDesdeGeneracion = false;
  }
};

TEST_F(Comandos, ArranqueSinConfiguracion) {
  c.guardadaXML = false;
  c.cambiadaDesdeGeneracion = true;
  c.AlternarResultado(1, 1);
  c.lstFiltros.Activar(FilaFiltro::Reduccion);
  c.reduccion.Tipo = 2;
  c.filtros.EliminadasFiltro[1] = 5;
  comandos.Arrancar();

  EXPECT_EQ(comandos.estado.cboNumeroJornada.entradas.size(), 99u);
  EXPECT_EQ(comandos.estado.cboNumeroJornada.Texto(), "1");
  EXPECT_EQ(comandos.estado.cboTemporada.Texto(), "2024/2025");
  EXPECT_TRUE(servicios.cargas.empty());
  EXPECT_EQ(comandos.estado.txtPartido[0], "Equipo1");
  EXPECT_EQ(comandos.estado.txtPartido[11], "Equipo12");
  EXPECT_EQ(comandos.estado.Titulo(), "TANTEO 3.4 - Fichero : Sin guardar.xml");
  EXPECT_EQ(c.apuestas.TotalApuestas, 0);
  EXPECT_FALSE(c.base.ResultadoSeleccionado(1, 1));
  EXPECT_TRUE(c.guardadaXML);
  EXPECT_FALSE(c.cambiadaDesdeGeneracion);
  EXPECT_FALSE(c.cargando);
  // The filters as the list starts: every row "No", the reduction's with its start-up text.
  EXPECT_EQ(c.lstFiltros.Texto(FilaFiltro::Reduccion), ListaFiltros().Texto(FilaFiltro::Reduccion));
  EXPECT_EQ(c.reduccion, Reduccion{});
  EXPECT_EQ(c.filtros.EliminadasFiltro[1], 0);
  EXPECT_EQ(c.tipo, TipoCombinacion::PronosticoManual);
  EXPECT_EQ(c.tipoAnterior, TipoCombinacion::PronosticoManual);
  EXPECT_TRUE(ui.mensajes.empty());
  EXPECT_TRUE(ui.preguntas.empty());
}

TEST_F(Comandos, ArranqueConConfiguracionCargaEsaJornada) {
  EscribirConfiguracion("jornada=07\r\nTEMPORADA=2023/2024\r\n");
  comandos.Arrancar();
  EXPECT_EQ(comandos.estado.cboNumeroJornada.Texto(), "7");
  EXPECT_EQ(comandos.estado.cboTemporada.Texto(), "2023/2024");
  ASSERT_EQ(servicios.cargas.size(), 1u);
  EXPECT_EQ(servicios.cargas[0], (std::pair<std::string, std::string>{"7", "2023/2024"}));
  EXPECT_EQ(comandos.estado.txtPartido[0], "7-1");
}

TEST_F(Comandos, ArranqueConConfiguracionSoloTemporadaSiLaPrimeraClaveEsOtra) {
  EscribirConfiguracion("OTRA=5\r\nTEMPORADA=2001/2002\r\n");
  comandos.Arrancar();
  EXPECT_EQ(comandos.estado.cboNumeroJornada.Texto(), "1");
  EXPECT_EQ(comandos.estado.cboTemporada.Texto(), "2001/2002");
  EXPECT_EQ(servicios.cargas.size(), 1u);
}

TEST_F(Comandos, ArranqueConConfiguracionErroneaVaALasPrimerasEntradas) {
  for (const std::string contenido :
       {"JORNADA=150\r\nTEMPORADA=2023/2024\r\n", "JORNADA=siete\r\nTEMPORADA=2023/2024\r\n",
        "JORNADA=7\r\nTEMPORADA=1800/1801\r\n", "JORNADA=7\r\n", "JORNADA 7\r\nTEMPORADA=2023/2024\r\n"}) {
    EscribirConfiguracion(contenido);
    servicios.cargas.clear();
    comandos.Arrancar();
    EXPECT_EQ(comandos.estado.cboNumeroJornada.Texto(), "1") << contenido;
    EXPECT_EQ(comandos.estado.cboTemporada.Texto(), "1990/1991") << contenido;
    EXPECT_TRUE(servicios.cargas.empty()) << contenido;
    EXPECT_TRUE(ui.mensajes.empty()) << contenido;
  }
}

TEST_F(Comandos, CerrarEscribeLaConfiguracionConLasDosClaves) {
  comandos.Arrancar();
  comandos.ElegirJornada(11);
  comandos.Descargar();
  EXPECT_EQ(LeerConfiguracionEscrita(), "JORNADA=12\r\nTEMPORADA=2024/2025\r\n");

  // and the next start-up comes back to it
  ComandosPrincipal otra{c, ui, plataforma, servicios};
  otra.Arrancar();
  EXPECT_EQ(otra.estado.cboNumeroJornada.Texto(), "12");
}

TEST_F(Comandos, CambiarJornadaOTemporadaVaciaLosEquiposYCarga) {
  comandos.Arrancar();
  c.cargando = true;
  comandos.ElegirJornada(4);
  EXPECT_TRUE(servicios.cargas.empty());
  EXPECT_EQ(comandos.estado.cboNumeroJornada.Texto(), "5");
  c.cargando = false;

  comandos.ElegirTemporada(0);
  ASSERT_EQ(servicios.cargas.size(), 1u);
  EXPECT_EQ(servicios.cargas[0], (std::pair<std::string, std::string>{"5", "1990/1991"}));
  EXPECT_EQ(comandos.estado.txtPartido[3], "5-4");

  // Without a matchday service the names the player typed stay.
  servicios.ausentes.insert(Funcion::CargarPartidos);
  comandos.estado.txtPartido[0] = "Real";
  comandos.ElegirJornada(1);
  EXPECT_EQ(comandos.estado.txtPartido[0], "Real");
}

TEST_F(Comandos, CierreYSalida) {
  comandos.Arrancar();
  EXPECT_TRUE(comandos.PedirCierre());
  EXPECT_TRUE(comandos.Salir());
  EXPECT_TRUE(ui.preguntas.empty());

  c.AlternarResultado(1, 1);
  ui.ResponderNo();
  EXPECT_FALSE(comandos.PedirCierre());
  ui.ResponderSi();
  EXPECT_TRUE(comandos.PedirCierre());
  ui.ResponderNo();
  EXPECT_FALSE(comandos.Salir());
  ui.ResponderSi();
  EXPECT_TRUE(comandos.Salir());
  EXPECT_EQ(ui.preguntas, std::vector<std::string>(4, std::string(kPreguntaSalir)));

  c.ocupada = true;
  EXPECT_FALSE(comandos.PedirCierre());
  // An import or a save at work holds the bets the unload would release.
  c.ocupada = false;
  comandos.Bloquear();
  EXPECT_FALSE(comandos.PedirCierre());
  EXPECT_EQ(ui.preguntas.size(), 4u);
}

TEST_F(Comandos, NuevoPreguntaSiNoEstaGuardadaYLoDejaTodoVacio) {
  comandos.Arrancar();
  BaseCalculada(2);
  c.contadores.tooltipApuestasReduccion = "Obtenida en el ciclo: 2";
  comandos.estado.txtFicheroASCII = "a.TTO";
  comandos.estado.tooltipFicheroASCII = "/x/a.TTO";
  comandos.estado.ficheroXML = "mia.xml";
  comandos.AlternarFiltro(3);

  ui.ResponderNo();
  EXPECT_FALSE(comandos.Nuevo());
  EXPECT_TRUE(c.lstFiltros.Activa(FilaFiltro::SumaGoles));
  EXPECT_EQ(c.apuestas.TotalApuestas, 64);
  EXPECT_EQ(comandos.estado.ficheroXML, "mia.xml");

  ui.ResponderSi();
  EXPECT_TRUE(comandos.Nuevo());
  EXPECT_EQ(ui.preguntas, std::vector<std::string>(2, std::string(kPreguntaNuevo)));
  EXPECT_FALSE(c.base.ResultadoSeleccionado(1, 1));
  EXPECT_EQ(c.apuestas.TotalApuestas, 0);
  EXPECT_EQ(c.apuestas.TotalImportadas, 0);
  EXPECT_EQ(c.contadores.lblApuIniciales, "0");
  EXPECT_EQ(c.contadores.lblApuCondicionadas, "0");
  EXPECT_EQ(c.contadores.lblApuestasReduccion, "0");
  EXPECT_EQ(c.contadores.tooltipApuestasReduccion, "");
  EXPECT_EQ(c.lstFiltros.Texto(FilaFiltro::SumaGoles), "No   Sumas Goles       0 de 100");
  EXPECT_EQ(c.lstFiltros.Texto(FilaFiltro::Reduccion), "No   Reducción         -      ");
  EXPECT_EQ(comandos.estado.Titulo(), "TANTEO 3.4 - Fichero : Sin guardar.xml");
  EXPECT_EQ(comandos.estado.txtFicheroASCII, "");
  EXPECT_EQ(comandos.estado.tooltipFicheroASCII, "");
  EXPECT_TRUE(c.guardadaXML);

  // saved: no question, and the forecast view stays the visible one
  c.base.MostrarVista(Vista::PorPronostico);
  c.AlternarSigno(1, 0);
  c.guardadaXML = true;
  EXPECT_TRUE(comandos.Nuevo());
  EXPECT_EQ(ui.preguntas.size(), 2u);
  EXPECT_EQ(c.base.VistaActiva(), Vista::PorPronostico);
  EXPECT_EQ(c.base.CuentaSignos(1), 0);
}

TEST_F(Comandos, DesdeArchivoImportaYBloqueaLaBase) {
  comandos.Arrancar();
  c.base.MostrarVista(Vista::PorPronostico);
  c.AlternarSigno(1, 0);
  servicios.importar = [&] {
    EXPECT_EQ(c.base.VistaActiva(), Vista::PorResultados);
    EXPECT_EQ(c.apuestas.TotalApuestas, 0);
    EXPECT_FALSE(c.base.SignoSeleccionado(1, 0));
  };
  comandos.ElegirTipo(2);
  EXPECT_EQ(servicios.llamadas, std::vector<std::string>{"Importar"});
  EXPECT_TRUE(ui.preguntas.empty());
  EXPECT_EQ(c.tipo, TipoCombinacion::DesdeArchivo);
  EXPECT_EQ(c.tipoAnterior, TipoCombinacion::DesdeArchivo);
  EXPECT_EQ(comandos.estado.cmdCuadroApuDirecto, "Apuestas Importadas");
  EXPECT_EQ(c.TextoCambiarVista(), "Cambiar a por Pronóstico");
  EXPECT_TRUE(comandos.estado.txtFicheroASCIIVisible);
  EXPECT_FALSE(comandos.estado.imagenesPronosticoVisibles);
  EXPECT_FALSE(comandos.estado.Habilitado("cmdSwitch"));
  EXPECT_FALSE(comandos.estado.Habilitado("picBASEporRESULTADOS"));
  EXPECT_FALSE(comandos.estado.Habilitado("picBASEporPRONOSTICO"));
}

TEST_F(Comandos, ManualTrasImportarConCambiosYNoVuelveADesdeArchivoSinReimportar) {
  comandos.Arrancar();
  comandos.ElegirTipo(2);
  c.guardadaXML = false;
  comandos.estado.txtFicheroASCII = "a.TTO";
  c.apuestas.TotalImportadas = 3;

  ui.ResponderNo();
  comandos.ElegirTipo(0);
  EXPECT_EQ(ui.preguntas, std::vector<std::string>{std::string(kPreguntaManual)});
  EXPECT_EQ(c.tipo, TipoCombinacion::DesdeArchivo);
  EXPECT_EQ(servicios.llamadas, std::vector<std::string>{"Importar"});
  EXPECT_EQ(c.apuestas.TotalImportadas, 3);
  EXPECT_EQ(comandos.estado.cmdCuadroApuDirecto, "Apuestas Importadas");
  EXPECT_TRUE(comandos.estado.txtFicheroASCIIVisible);

  // Yes: one question only, then New and the direct type
  ui.ResponderSi();
  comandos.ElegirTipo(0);
  EXPECT_EQ(ui.preguntas.size(), 2u);
  EXPECT_EQ(c.tipo, TipoCombinacion::PronosticoManual);
  EXPECT_EQ(c.tipoAnterior, TipoCombinacion::PronosticoManual);
  EXPECT_EQ(comandos.estado.cmdCuadroApuDirecto, "Apuestas en Directo");
  EXPECT_FALSE(comandos.estado.txtFicheroASCIIVisible);
  EXPECT_EQ(comandos.estado.txtFicheroASCII, "");
  EXPECT_EQ(c.apuestas.TotalImportadas, 0);
  EXPECT_TRUE(c.guardadaXML);
  EXPECT_TRUE(comandos.estado.imagenesPronosticoVisibles);
  EXPECT_TRUE(comandos.estado.Habilitado("cmdSwitch"));
  EXPECT_TRUE(comandos.estado.Habilitado("picBASEporRESULTADOS"));
}

TEST_F(Comandos, ManualConCambiosYNoDesdeOtroTipoNoHaceNada) {
  comandos.Arrancar();
  comandos.ElegirTipo(1);  // the random base marks the combination changed
  ASSERT_FALSE(c.guardadaXML);
  comandos.AlternarFiltro(0);
  ui.ResponderNo();
  comandos.ElegirTipo(0);
  EXPECT_EQ(c.tipo, TipoCombinacion::PronosticoManual);
  EXPECT_FALSE(c.guardadaXML);
  EXPECT_TRUE(c.lstFiltros.Activa(FilaFiltro::CBResultados));
}

TEST_F(Comandos, AleatorioDibujaLaBaseEnLaVistaPorResultados) {
  comandos.Arrancar();
  c.apuestas.TotalImportadas = 9;
  servicios.baseAlAzar = [&] {
    for (int m = 1; m <= kPartidos; ++m) c.base.PonerResultado(m, m, true);
    c.base.PonerResultado(1, 16, true);
  };
  comandos.ElegirTipo(1);
  EXPECT_EQ(servicios.llamadas, std::vector<std::string>{"BaseAlAzar"});
  EXPECT_EQ(c.apuestas.TotalApuestas, 2);
  EXPECT_EQ(c.contadores.lblApuIniciales, "2");
  EXPECT_EQ(c.apuestas.TotalImportadas, 0);
  EXPECT_TRUE(c.cambiadaDesdeGeneracion);
  EXPECT_FALSE(c.guardadaXML);
  EXPECT_EQ(c.tipo, TipoCombinacion::PronosticoAleatorio);
  EXPECT_EQ(c.tipoAnterior, TipoCombinacion::PronosticoManual);
  EXPECT_TRUE(ui.mensajes.empty());
}

TEST_F(Comandos, AleatorioEnLaVistaPorPronosticoSoloAvisa) {
  comandos.Arrancar();
  c.base.MostrarVista(Vista::PorPronostico);
  comandos.ElegirTipo(1);
  ASSERT_EQ(ui.mensajes.size(), 1u);
  EXPECT_EQ(ui.mensajes[0].icono, Icono::Aviso);
  EXPECT_EQ(ui.mensajes[0].texto, kAvisoAleatorioEnPronostico);
  EXPECT_TRUE(servicios.llamadas.empty());
  EXPECT_TRUE(c.guardadaXML);
  EXPECT_TRUE(comandos.estado.imagenesPronosticoVisibles);
}

TEST_F(Comandos, ElTipoNoCambiaMientrasCalcula) {
  comandos.Arrancar();
  c.ocupada = true;
  comandos.ElegirTipo(2);
  EXPECT_EQ(c.tipo, TipoCombinacion::PronosticoManual);
  EXPECT_TRUE(c.ocupada);
  EXPECT_TRUE(servicios.llamadas.empty());
}

// Checks (A), (B) and (C) through the commands that use them.
struct CasoComprobacion {
  const char* nombre;
  std::int32_t totalApuestas, totalImportadas;
  const char* contador;  // lblApuestasReduccion
  bool cambiada;
  std::vector<bool> respuestas;
  std::vector<std::string> preguntas;
  std::vector<std::string> errores;
  bool sigue;
};

void Comprobar(const CasoComprobacion& caso, void (ComandosPrincipal::*orden)(), const char* pantalla) {
  Entorno e;
  auto& [carpeta, c, ui, plataforma, servicios, comandos] = e;
  c.apuestas.TotalApuestas = caso.totalApuestas;
  c.apuestas.TotalImportadas = caso.totalImportadas;
  c.contadores.lblApuestasReduccion = caso.contador;
  c.cambiadaDesdeGeneracion = caso.cambiada;
  for (bool si : caso.respuestas) si ? ui.ResponderSi() : ui.ResponderNo();

  (comandos.*orden)();
  EXPECT_EQ(ui.preguntas, caso.preguntas) << caso.nombre;
  std::vector<std::string> errores;
  for (const auto& m : ui.mensajes) {
    EXPECT_EQ(m.icono, Icono::Error) << caso.nombre;
    errores.push_back(m.texto);
  }
  EXPECT_EQ(errores, caso.errores) << caso.nombre;
  EXPECT_EQ(servicios.llamadas, caso.sigue ? std::vector<std::string>{pantalla} : std::vector<std::string>{})
      << caso.nombre;
}

const std::string kCambiosAnalisis = PreguntaCambios(kPreguntaVerAnalisis);

TEST(ComprobacionesA, Analisis) {
  const CasoComprobacion casos[] = {
      {"sin apuestas", 0, 0, "0", true, {}, {}, {std::string(kErrorTotalesCero)}, false},
      {"sin generar", 64, 0, "0", false, {}, {}, {std::string(kErrorSinGenerarA)}, false},
      {"importadas sin contador", 0, 5, "0", false, {}, {}, {}, true},
      {"generadas", 64, 0, "64", false, {}, {}, {}, true},
      {"cambiada y No", 64, 0, "64", true, {false}, {kCambiosAnalisis}, {}, false},
      {"cambiada y Sí", 64, 0, "64", true, {true}, {kCambiosAnalisis}, {}, true},
  };
  for (const auto& caso : casos) Comprobar(caso, &ComandosPrincipal::Analisis, "Analisis");
  EXPECT_EQ(kCambiosAnalisis, "Ha habido cambios desde la última generación,\n¿ DESEA VER EL ANALISIS DE TODAS FORMAS ?");
}

TEST(ComprobacionesA, Garantias) {
  const std::string cambios = PreguntaCambios(kPreguntaVerGarantias);
  const CasoComprobacion casos[] = {
      {"sin generar", 64, 0, "0", true, {}, {}, {"ERROR: No hay apuestas generadas."}, false},
      {"cambiada y Sí", 64, 0, "64", true, {true}, {cambios}, {}, true},
  };
  for (const auto& caso : casos) Comprobar(caso, &ComandosPrincipal::Garantias, "Garantias");
}

TEST(ComprobacionesB, CalculoDefinitivo) {
  const std::string cambios = PreguntaCambios(kPreguntaContinuar);
  const std::string millones(kPreguntaMasDeTresMillones);
  const CasoComprobacion casos[] = {
      {"sin apuestas", 0, 0, "0", false, {}, {}, {"ERROR: Apuestas TOTALES igual a 0."}, false},
      {"sin generar", 64, 0, "0", true, {}, {}, {"ERROR: No hay apuestas generadas"}, false},
      {"tres millones justos", 16'777'216, 0, "3.000.000", false, {}, {}, {}, true},
      {"más de tres millones y No", 16'777'216, 0, "3.000.001", true, {false}, {millones}, {}, false},
      {"más de tres millones, Sí y cambios No", 16'777'216, 0, "3.000.001", true, {true, false}, {millones, cambios}, {}, false},
      {"más de tres millones, Sí y Sí", 16'777'216, 0, "3.000.001", true, {true, true}, {millones, cambios}, {}, true},
  };
  for (const auto& caso : casos) Comprobar(caso, &ComandosPrincipal::CalculoDefinitivo, "GuardarApuestas");
}

TEST(ComprobacionesC, Escrutinio) {
  const std::string cambios = PreguntaCambios(kPreguntaVerEscrutinio);
  const CasoComprobacion casos[] = {
      {"sin apuestas: el escrutinio puede abrir su fichero", 0, 0, "0", true, {}, {}, {}, true},
      {"generadas sin cambios", 64, 0, "64", false, {}, {}, {}, true},
      {"cambiada y No", 64, 0, "64", true, {false}, {cambios}, {}, false},
      {"cambiada y Sí", 64, 0, "64", true, {true}, {cambios}, {}, true},
  };
  for (const auto& caso : casos) Comprobar(caso, &ComandosPrincipal::Escrutinio, "Escrutinio");
}

TEST_F(Comandos, LasOrdenesPasanElNumeroDeApuestasFinales) {
  comandos.Arrancar();
  BaseCalculada(2);
  c.contadores.lblApuestasReduccion = "1.234";
  comandos.CalculoDefinitivo();
  comandos.Escrutinio();
  EXPECT_EQ(servicios.guardadas, std::vector<std::int32_t>{1234});
  EXPECT_EQ(servicios.escrutadas, std::vector<std::int32_t>{1234});
  EXPECT_EQ(c.apuestas.TotalFinales, 1234);
  comandos.SistemasPropios();
  comandos.CalculoPrueba();
  EXPECT_EQ(servicios.llamadas, (std::vector<std::string>{"GuardarApuestas", "Escrutinio", "SistemasPropios", "Calcular"}));
  EXPECT_TRUE(ui.preguntas.empty());
}

TEST_F(Comandos, CalculoDefinitivoTrasImportarGuardaSinCalcularNiPreguntar) {
  comandos.Arrancar();
  servicios.importar = [&] {
    c.apuestas.TotalImportadas = 3;
    c.contadores.lblApuIniciales = c.contadores.lblApuCondicionadas = c.contadores.lblApuestasReduccion = "3";
    c.cambiadaDesdeGeneracion = false;
  };
  comandos.ElegirTipo(2);
  comandos.CalculoDefinitivo();
  EXPECT_EQ(servicios.llamadas, (std::vector<std::string>{"Importar", "GuardarApuestas"}));
  EXPECT_EQ(servicios.guardadas, std::vector<std::int32_t>{3});
  EXPECT_TRUE(ui.preguntas.empty());
}

TEST_F(Comandos, ListaDeFiltros) {
  struct : PantallasFiltros {
    void MostrarFiltro(FilaFiltro fila) override { abiertas.push_back(IndiceFila(fila)); }
    void MostrarReduccion() override { abiertas.push_back(9); }
    std::vector<int> abiertas;
  } pantallas;
  comandos.Arrancar();
  const std::string inicial = c.lstFiltros.Texto(FilaFiltro::Reduccion);
  comandos.AlternarFiltro(-1);
  comandos.AlternarFiltro(9);
  EXPECT_EQ(c.lstFiltros.Texto(FilaFiltro::Reduccion), "Sí" + inicial.substr(2));
  comandos.AlternarFiltro(9);
  EXPECT_EQ(c.lstFiltros.Texto(FilaFiltro::Reduccion), inicial);
  EXPECT_TRUE(c.guardadaXML);

  comandos.DobleClicFiltros(-1, pantallas);
  EXPECT_FALSE(c.guardadaXML);
  EXPECT_TRUE(pantallas.abiertas.empty());
  c.reduccion.Tipo = 3;
  comandos.DobleClicFiltros(9, pantallas);
  comandos.DobleClicFiltros(6, pantallas);
  EXPECT_EQ(pantallas.abiertas, (std::vector<int>{9, 6}));
  EXPECT_EQ(c.lstFiltros.Texto(FilaFiltro::Reduccion), "No   Reducción         al 3");
}

TEST(Bloqueo, ListaExactaYDesbloqueoSegunElTipo) {
  const auto& controles = ControlesBloqueo();
  EXPECT_EQ(controles.size(), 4u + 14u + 3u + 12u + 8u);
  for (const char* nombre : {"menuArchivo", "menuDesarrollos", "menuUtilidades", "menuAyuda", "lblMenu_0", "imgIco_6",
                             "lstFiltros", "cboTipoCombinacion", "picBanner2", "txtPartido_0", "txtPartido_11",
                             "cmdSwitch", "cmdCargarJornada", "picBASEporRESULTADOS", "picBASEporPRONOSTICO",
                             "cboNumeroJornada", "cboTemporada", "imgINIPronostico", "imgALLPronostico"}) {
    EXPECT_EQ(std::count(controles.begin(), controles.end(), nombre), 1) << nombre;
  }

  EstadoPrincipal estado;
  estado.Bloquear();
  for (const auto& control : controles) EXPECT_FALSE(estado.Habilitado(control)) << control;

  estado.Desbloquear(TipoCombinacion::DesdeArchivo);
  for (const auto& control : controles) {
    const bool apagado = control == "cmdSwitch" || control == "picBASEporRESULTADOS";
    EXPECT_EQ(estado.Habilitado(control), !apagado) << control;
  }
  estado.Bloquear();
  estado.Desbloquear(TipoCombinacion::PronosticoAleatorio);
  for (const auto& control : controles) EXPECT_TRUE(estado.Habilitado(control)) << control;
}

}  // namespace
}  // namespace tanteo
