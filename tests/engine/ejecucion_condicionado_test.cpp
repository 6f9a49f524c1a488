#include "engine/ejecucion_condicionado.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <new>

#include "fakes/interaccion_guionizada.h"
#include "fakes/pantalla_registrada.h"
#include "fakes/progreso_registrado.h"
#include "fakes/reductor_falso.h"

namespace tanteo {
namespace {

using pruebas::InteraccionGuionizada;
using pruebas::PantallaRegistrada;
using pruebas::ProgresoRegistrado;
using pruebas::ReductorFalso;

std::vector<Apuesta> Filas(const TablaApuestas& t, std::int32_t n) {
  std::vector<Apuesta> v;
  for (std::int32_t i = 1; i <= n; ++i) v.push_back(t.ApuestaEn(i));
  return v;
}

// Matches in which a bet has the result of `celdas` (0: no result).
int Aciertos(const Apuesta& a, const std::array<int, 6>& celdas) {
  int h = 0;
  for (int m = 0; m < kPartidos; ++m) h += a[m] == celdas[m] ? 1 : 0;
  return h;
}

class Ejecucion : public ::testing::Test {
 protected:
  Combinacion c;
  InteraccionGuionizada ui;
  ProgresoRegistrado progreso;
  ReductorFalso reductor;
  PantallaRegistrada pantalla;
  EntornoEjecucion entorno{ui, progreso, reductor, pantalla};

  // Results 1..16 accepted per match, through the results view as the player ticks them.
  void Base(const std::vector<std::vector<int>>& aceptados) {
    for (int m = 1; m <= kPartidos; ++m) {
      for (int r : aceptados[m - 1]) c.AlternarResultado(m, r);
    }
  }
  // What an import leaves: the bets in file order, their frequencies, the type.
  void Importar(const std::vector<Apuesta>& apuestas) {
    c.tipo = TipoCombinacion::DesdeArchivo;
    c.apuestas.TotalImportadas = static_cast<std::int32_t>(apuestas.size());
    c.apuestas.ApuestasImportadas.Redimensionar(c.apuestas.TotalImportadas);
    for (std::size_t i = 0; i < apuestas.size(); ++i) c.apuestas.ApuestasImportadas.Poner(static_cast<std::int32_t>(i) + 1, apuestas[i]);
    ContarFrecuencias(c.apuestas.ApuestasImportadas, c.apuestas.TotalImportadas, c.apuestas.FrecuenciaResultados);
  }
  void CB(int numero, std::array<std::string_view, 6> celdas, std::initializer_list<int> aceptados) {
    auto& cb = c.filtros.cbResultados.CB(numero);
    for (int m = 1; m <= kPartidos; ++m) cb.pronostico[m] = std::string(celdas[m - 1]);
    for (int h : aceptados) cb.aciertos[h] = 1;
    c.lstFiltros.Activar(FilaFiltro::CBResultados);
  }
  void Ejecutar() { EjecutarCondicionado(c, entorno); }
  void Ejecutar(const CadenaFiltros& cadena) { EjecutarCondicionado(c, entorno, cadena); }

  void EsperarDesbloqueada() {
    EXPECT_FALSE(c.ocupada);
    EXPECT_FALSE(c.bloqueada);
    EXPECT_FALSE(c.indicacionProgreso);
    ASSERT_FALSE(pantalla.llamadas.empty());
    EXPECT_EQ(pantalla.llamadas.front(), "Bloquear");
    EXPECT_NE(std::find(pantalla.llamadas.begin(), pantalla.llamadas.end(), "Desbloquear"), pantalla.llamadas.end());
    EXPECT_EQ(pantalla.llamadas.back(), "DetenerIndicacion");
  }
};

TEST_F(Ejecucion, SinApuestasNoHaceNada) {
  c.contadores.lblApuCondicionadas = "7";
  Ejecutar();
  EXPECT_EQ(ui.Textos(), std::vector<std::string>{"ERROR: Apuestas del sistema TOTAL igual a 0."});
  EXPECT_EQ(ui.mensajes[0].icono, Icono::Error);
  EXPECT_TRUE(pantalla.llamadas.empty());
  EXPECT_EQ(c.contadores.lblApuCondicionadas, "7");
}

TEST_F(Ejecucion, SinFiltrosNiReduccionLasFinalesSonElSistema) {
  Base({{1, 16}, {2, 5, 9}, {1}, {3}, {4, 7}, {12}});
  c.guardadaXML = true;
  Ejecutar();
  EXPECT_GE(progreso.cesiones, 1);
  EXPECT_TRUE(ui.mensajes.empty());
  EXPECT_EQ(c.contadores.lblApuIniciales, "12");
  EXPECT_EQ(c.contadores.lblApuCondicionadas, "12");
  EXPECT_EQ(c.contadores.lblApuestasReduccion, "12");
  EXPECT_EQ(c.apuestas.TotalFinales, 12);
  EXPECT_EQ(Filas(c.apuestas.ApuestasFinales, 12), Filas(c.apuestas.ApuestasSistema, 12));
  EXPECT_EQ(Filas(c.apuestas.ApuestasCondicionadas, 12), Filas(c.apuestas.ApuestasSistema, 12));
  EXPECT_EQ(reductor.llamadas, 0);
  EXPECT_FALSE(c.cambiadaDesdeGeneracion);
  EXPECT_TRUE(c.guardadaXML);  // no filter ran
  EXPECT_TRUE(c.apuestas.OrdenApuestas.empty());
  EXPECT_EQ(pantalla.llamadas, (std::vector<std::string>{"Bloquear", "IniciarIndicacion", "Desbloquear", "DetenerIndicacion"}));
  EsperarDesbloqueada();
}

TEST_F(Ejecucion, FiltrosEnOrdenCuentanSoloLoQueQuedaba) {
  Base({{1, 2, 3, 4}, {1, 2, 3, 4}, {1, 2}, {5}, {6}, {1, 2, 3}});
  c.guardadaXML = true;
  CB(1, {"0-0", "0-1", "---", "---", "---", "---"}, {0, 1});  // kills bets with both
  CB(2, {"---", "---", "0-1", "---", "---", "0-2"}, {0, 1});  // kills bets with both
  c.lstFiltros.Activar(FilaFiltro::GruposGenerales);
  // A second filter whose condition overlaps the first: match 1 must not be 0-0.
  CadenaFiltros cadena = CadenaDeFiltros(c.filtros);
  std::array<bool, 3> estadoDurante{};
  cadena[2].evaluar = [&](const EntradaFiltro& e) {
    estadoDurante = {c.ocupada, c.bloqueada, c.indicacionProgreso};
    std::int32_t n = 0;
    for (std::int32_t i = 1; i <= e.apuestas.TotalApuestas; ++i) {
      if (e.apuestas.MarcasEliminacion[i - 1] == 0 && e.apuestas.ApuestasSistema(i, 1) == 1) {
        e.apuestas.MarcasEliminacion[i - 1] = 1;
        ++n;
      }
    }
    return n;
  };
  Ejecutar(cadena);

  std::int32_t porCB = 0, porGrupos = 0;
  std::vector<Apuesta> quedan;
  for (std::int32_t i = 1; i <= c.apuestas.TotalApuestas; ++i) {
    const Apuesta a = c.apuestas.ApuestasSistema.ApuestaEn(i);
    if (Aciertos(a, {1, 2, 0, 0, 0, 0}) == 2 || Aciertos(a, {0, 0, 2, 0, 0, 3}) == 2) {
      ++porCB;
    } else if (a[0] == 1) {
      ++porGrupos;
    } else {
      quedan.push_back(a);
    }
  }
  ASSERT_EQ(c.apuestas.TotalApuestas, 96);
  EXPECT_EQ(porCB, 6 + 16 - 1);
  EXPECT_EQ(c.filtros.EliminadasFiltro[1], porCB);
  EXPECT_EQ(c.filtros.EliminadasFiltro[2], porGrupos);
  EXPECT_EQ(c.contadores.lblApuCondicionadas, std::to_string(quedan.size()));
  EXPECT_EQ(Filas(c.apuestas.ApuestasFinales, c.apuestas.TotalFinales), quedan);
  EXPECT_EQ(progreso.textos, (std::vector<std::string>{"CB por RESULTADOS", "GRUPOS GENERALES"}));
  EXPECT_EQ(estadoDurante, (std::array<bool, 3>{true, true, true}));
  EXPECT_FALSE(c.guardadaXML);
  EsperarDesbloqueada();
}

TEST_F(Ejecucion, ImportadoConUnaApuestaTresVecesYEnOrdenInverso) {
  const Apuesta a{1, 1, 1, 1, 1, 1}, d{16, 1, 1, 1, 1, 1}, e{16, 1, 1, 1, 1, 6};
  // The smallest system holding them is 2 x 1 x 1 x 1 x 1 x 2: a, (1,...,6), d, e.
  Importar({e, a, d, a, a});
  Ejecutar();
  EXPECT_EQ(ui.Textos(), std::vector<std::string>{
                             "AVISO: El sistema importado tiene apuestas repetidas y serán eliminadas\n"
                             "TOTAL apuestas repetidas: 2"});
  EXPECT_EQ(ui.mensajes[0].icono, Icono::Aviso);
  EXPECT_EQ(c.apuestas.TotalApuestas, 4);
  EXPECT_EQ(c.apuestas.MarcasEliminacion, (std::vector<std::uint8_t>{0, 1, 0, 0}));
  EXPECT_EQ(c.contadores.lblApuCondicionadas, "3");
  EXPECT_EQ(c.contadores.lblApuestasReduccion, "3");
  EXPECT_EQ(Filas(c.apuestas.ApuestasCondicionadas, 3), (std::vector<Apuesta>{a, d, e}));
  EXPECT_EQ(Filas(c.apuestas.ApuestasFinales, 3), (std::vector<Apuesta>{a, d, e}));
  EXPECT_EQ(Filas(c.apuestas.ApuestasImportadas, 5), (std::vector<Apuesta>{e, a, d, a, a}));
  EsperarDesbloqueada();
}

TEST_F(Ejecucion, ImportadoConFiltroDaLasApuestasExactas) {
  std::vector<Apuesta> fichero;
  for (int r1 = 16; r1 >= 1; r1 -= 3) {
    for (int r6 : {9, 2, 7}) fichero.push_back({static_cast<std::uint8_t>(r1), 4, 4, 4, 4, static_cast<std::uint8_t>(r6)});
  }
  Importar(fichero);
  CB(40, {"M-M", "---", "---", "---", "---", "0-1"}, {0, 1});  // not both
  Ejecutar();
  std::vector<Apuesta> esperadas;
  for (const Apuesta& x : fichero) {
    if (!(x[0] == 16 && x[5] == 2)) esperadas.push_back(x);
  }
  std::sort(esperadas.begin(), esperadas.end());  // system order is ascending results here
  EXPECT_EQ(c.filtros.EliminadasFiltro[1], 1);
  EXPECT_EQ(c.contadores.lblApuCondicionadas, "17");
  EXPECT_EQ(Filas(c.apuestas.ApuestasFinales, 17), esperadas);
  EXPECT_EQ(c.apuestas.TotalFinales, 17);
}

TEST_F(Ejecucion, CeroSupervivientes) {
  Base({{1, 2}, {1}, {1}, {1}, {1}, {1}});
  c.apuestas.ApuestasFinales.Redimensionar(1);
  c.apuestas.ApuestasFinales.Poner(1, Apuesta{3, 3, 3, 3, 3, 3});
  c.contadores.tooltipApuestasReduccion = "Obtenida en el ciclo: 4";
  CB(1, {"0-0", "---", "---", "---", "---", "---"}, {});  // no accepted count: everything goes
  Ejecutar();
  EXPECT_EQ(ui.Textos(), std::vector<std::string>{
                             "ERROR: Se han generado 0 apuestas después de condicionar, cambie las condiciones o el pronóstico"});
  EXPECT_EQ(c.contadores.lblApuCondicionadas, "0");
  EXPECT_EQ(c.contadores.lblApuestasReduccion, "0");
  EXPECT_TRUE(c.contadores.tooltipApuestasReduccion.empty());
  EXPECT_EQ(c.filtros.EliminadasFiltro[1], 2);
  EXPECT_TRUE(c.apuestas.ApuestasSistema.Vacia());
  EXPECT_EQ(c.apuestas.ApuestasFinales.ApuestaEn(1), (Apuesta{3, 3, 3, 3, 3, 3}));
  EXPECT_EQ(c.apuestas.TotalFinales, 0);
  EXPECT_TRUE(c.cambiadaDesdeGeneracion);
  EsperarDesbloqueada();
}

// The probability filter sees R = the rows still kept, and by positions runs only when its
// window is narrower than R.
TEST_F(Ejecucion, ReglaDeRDelFiltroDeProbabilidad) {
  struct Caso {
    std::int16_t tipoLimite;
    std::int32_t minimo, maximo;
    bool llamado;
  };
  const Caso casos[] = {{0, 1, 1000, false}, {0, 1, 700, false}, {0, 2, 700, true}, {0, 0, 0, true}, {1, 1, 1000, true}};
  for (const Caso& caso : casos) {
    Combinacion nueva;
    c = std::move(nueva);
    Base({{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {1, 2, 3, 4, 5, 6, 7, 8}, {1}, {1}, {1}});
    CB(1, {"M-M", "M-M", "0-0", "---", "---", "---"}, {0});  // the 100 bets with 0-0 in match 3 go: 700 kept
    c.lstFiltros.Activar(FilaFiltro::Probabilidad);
    c.filtros.probabilidad.TipoLimiteActivado = caso.tipoLimite;
    c.filtros.probabilidad.valorminimo = caso.minimo;
    c.filtros.probabilidad.valormaximo = caso.maximo;
    CadenaFiltros cadena = CadenaDeFiltros(c.filtros);
    std::vector<std::int32_t> vistos;
    cadena[9].evaluar = [&](const EntradaFiltro& e) {
      vistos.push_back(e.restantes);
      e.apuestas.MarcasEliminacion[799] = 1;  // the last row, still kept
      return 1;
    };
    Ejecutar(cadena);
    EXPECT_EQ(c.filtros.EliminadasFiltro[1], 100);
    EXPECT_EQ(vistos, caso.llamado ? std::vector<std::int32_t>{700} : std::vector<std::int32_t>{})
        << caso.minimo << ".." << caso.maximo;
    EXPECT_EQ(c.filtros.EliminadasFiltro[9], caso.llamado ? 1 : 0);
    EXPECT_EQ(c.contadores.lblApuCondicionadas, caso.llamado ? "699" : "700");
  }
}

TEST_F(Ejecucion, ImportadoConRepetidasDaRSinLasRepetidas) {
  const Apuesta a{1, 1, 1, 1, 1, 1}, b{2, 1, 1, 1, 1, 1}, d{2, 1, 1, 1, 1, 5};
  Importar({a, b, a, d});
  c.lstFiltros.Activar(FilaFiltro::Probabilidad);
  c.filtros.probabilidad.TipoLimiteActivado = 1;
  CadenaFiltros cadena = CadenaDeFiltros(c.filtros);
  std::int32_t visto = -1;
  std::int32_t sinMarcar = 0;
  cadena[9].evaluar = [&](const EntradaFiltro& e) {
    visto = e.restantes;
    for (auto m : e.apuestas.MarcasEliminacion) sinMarcar += m == 0 ? 1 : 0;
    return 0;
  };
  Ejecutar(cadena);
  EXPECT_EQ(visto, 3);
  EXPECT_EQ(sinMarcar, 3);
  EXPECT_EQ(c.contadores.lblApuCondicionadas, "3");
}

TEST_F(Ejecucion, SinReduccionAlCienEnPorcentajeEsComoNoReducir) {
  Base({{1, 2}, {1, 2}, {1}, {1}, {1}, {1}});
  c.lstFiltros.Activar(FilaFiltro::Reduccion);
  c.contadores.tooltipApuestasReduccion = "Obtenida en el ciclo: 9";
  Ejecutar();
  EXPECT_EQ(reductor.llamadas, 0);
  EXPECT_EQ(c.contadores.lblApuestasReduccion, "4");
  EXPECT_TRUE(c.contadores.tooltipApuestasReduccion.empty());
  EXPECT_EQ(Filas(c.apuestas.ApuestasFinales, 4), Filas(c.apuestas.ApuestasSistema, 4));

  c.reduccion.Tipo = 1;
  c.lstFiltros.Desactivar(FilaFiltro::Reduccion);
  Ejecutar();
  EXPECT_EQ(reductor.llamadas, 0);
}

TEST_F(Ejecucion, ReduccionRecibeDigitosLocalesYDevuelveResultados) {
  Base({{2, 5}, {1}, {1}, {1}, {1}, {3, 8, 16}});
  c.lstFiltros.Activar(FilaFiltro::Reduccion);
  c.reduccion.Tipo = 1;
  reductor.elegidas = {5, 2};
  reductor.filasDeMas = 3;
  reductor.tooltip = "Obtenida en el ciclo: 3";
  bool indicacionDurante = true;
  reductor.antes = [&](const PeticionReduccion&) { indicacionDurante = c.indicacionProgreso || !c.ocupada; };
  Ejecutar();
  ASSERT_EQ(reductor.llamadas, 1);
  EXPECT_EQ(reductor.M, 6);
  EXPECT_TRUE(reductor.sinFiltrar);
  EXPECT_EQ(reductor.ajustes.Tipo, 1);
  EXPECT_EQ(reductor.lblApuIniciales, "6");
  EXPECT_EQ(reductor.lblApuCondicionadas, "6");
  EXPECT_EQ(reductor.orden, (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(reductor.condicionadas[0], (Apuesta{1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(reductor.condicionadas[5], (Apuesta{2, 1, 1, 1, 1, 3}));
  EXPECT_FALSE(indicacionDurante);

  EXPECT_EQ(c.contadores.lblApuestasReduccion, "2");
  EXPECT_EQ(c.contadores.tooltipApuestasReduccion, "Obtenida en el ciclo: 3");
  EXPECT_EQ(c.apuestas.TotalFinales, 2);
  EXPECT_EQ(c.apuestas.ApuestasFinales.Filas(), 2);
  EXPECT_EQ(Filas(c.apuestas.ApuestasFinales, 2), (std::vector<Apuesta>{{5, 1, 1, 1, 1, 8}, {2, 1, 1, 1, 1, 8}}));
  EXPECT_EQ(Filas(c.apuestas.ApuestasCondicionadas, 6), Filas(c.apuestas.ApuestasSistema, 6));
  EXPECT_TRUE(c.apuestas.OrdenApuestas.empty());
  EXPECT_FALSE(c.cambiadaDesdeGeneracion);
  EsperarDesbloqueada();
}

TEST_F(Ejecucion, ReduccionSinResultadoDejaCero) {
  Base({{2, 5}, {1}, {1}, {1}, {1}, {1}});
  c.lstFiltros.Activar(FilaFiltro::Reduccion);
  c.reduccion.Porcentaje = 60;
  c.lstFiltros.Activar(FilaFiltro::CBResultados);  // active with no CB: runs, eliminates nothing
  Ejecutar();
  ASSERT_EQ(reductor.llamadas, 1);
  EXPECT_FALSE(reductor.sinFiltrar);
  EXPECT_EQ(c.filtros.EliminadasFiltro[1], 0);
  EXPECT_EQ(c.contadores.lblApuCondicionadas, "2");
  EXPECT_EQ(c.contadores.lblApuestasReduccion, "0");
  EXPECT_EQ(c.apuestas.TotalFinales, 0);
  EXPECT_EQ(Filas(c.apuestas.ApuestasCondicionadas, 2), Filas(c.apuestas.ApuestasSistema, 2));
  EXPECT_FALSE(c.cambiadaDesdeGeneracion);
}

TEST_F(Ejecucion, NumeroExactoMayorQueLasCondicionadas) {
  Base({{2, 5, 7}, {1}, {1}, {1}, {1}, {1}});
  c.lstFiltros.Activar(FilaFiltro::Reduccion);
  c.reduccion.ActivarNumeroApuestas = 1;
  c.reduccion.ApuestasExactas = 1;
  c.reduccion.NuApuestas = 4;
  Ejecutar();
  EXPECT_EQ(reductor.llamadas, 0);
  EXPECT_EQ(ui.Textos(), std::vector<std::string>{
                             "ERROR: Ha elegido reducir con la opción 'Número Exacto de Apuestas' y dicho número supera "
                             "el sistema final condicionado, cambie el número de apuestas pedidas al reducir"});
  EXPECT_EQ(c.contadores.lblApuCondicionadas, "3");
  EXPECT_EQ(c.contadores.lblApuestasReduccion, "0");
  EXPECT_EQ(Filas(c.apuestas.ApuestasCondicionadas, 3),
            (std::vector<Apuesta>{{2, 1, 1, 1, 1, 1}, {5, 1, 1, 1, 1, 1}, {7, 1, 1, 1, 1, 1}}));
  EXPECT_TRUE(c.apuestas.ApuestasSistema.Vacia());
  EXPECT_TRUE(c.cambiadaDesdeGeneracion);
  EsperarDesbloqueada();

  c.reduccion.NuApuestas = 3;
  ui.mensajes.clear();
  Ejecutar();
  EXPECT_EQ(reductor.llamadas, 1);
  EXPECT_TRUE(ui.mensajes.empty());
}

TEST_F(Ejecucion, UnFalloDejaContadoresACeroYLosAjustesIntactos) {
  Base({{2, 5}, {1}, {1}, {1}, {1}, {1}});
  CB(3, {"0-1", "---", "---", "---", "---", "---"}, {0, 1});
  c.lstFiltros.Activar(FilaFiltro::CBGoles);
  c.reduccion.Tipo = 2;
  const AjustesFiltros filtros = c.filtros;
  const ListaFiltros lista = c.lstFiltros;
  CadenaFiltros cadena = CadenaDeFiltros(c.filtros);
  cadena[3].evaluar = [](const EntradaFiltro&) -> std::int32_t { throw std::bad_alloc(); };
  Ejecutar(cadena);
  EXPECT_EQ(ui.Textos(), std::vector<std::string>{"ERROR: Memoria insuficiente"});
  EXPECT_EQ(c.contadores.lblApuCondicionadas, "0");
  EXPECT_EQ(c.contadores.lblApuestasReduccion, "0");
  EXPECT_EQ(c.contadores.lblApuIniciales, "2");
  EXPECT_EQ(c.filtros.cbResultados.CB(3).pronostico[1], filtros.cbResultados.CB(3).pronostico[1]);
  EXPECT_EQ(c.filtros.cbResultados.CB(3).aciertos, filtros.cbResultados.CB(3).aciertos);
  EXPECT_EQ(c.reduccion.Tipo, 2);
  for (int i = 0; i < kFilasListaFiltros; ++i) EXPECT_EQ(c.lstFiltros.Texto(FilaDeIndice(i)), lista.Texto(FilaDeIndice(i)));
  EXPECT_TRUE(c.base.ResultadoSeleccionado(1, 5));
  EXPECT_TRUE(c.cambiadaDesdeGeneracion);
  EsperarDesbloqueada();
}

TEST_F(Ejecucion, UnFalloEnLaReduccionNoDejaDigitosLocales) {
  Base({{2, 5}, {1}, {1}, {1}, {1}, {1}});
  c.lstFiltros.Activar(FilaFiltro::Reduccion);
  c.reduccion.Tipo = 1;
  reductor.antes = [](const PeticionReduccion& p) {
    p.apuestas.ApuestasFinales.Redimensionar(1);
    throw std::runtime_error("sin sitio para la cobertura");
  };
  Ejecutar();
  EXPECT_EQ(ui.Textos(), std::vector<std::string>{"ERROR: sin sitio para la cobertura"});
  EXPECT_TRUE(c.apuestas.ApuestasCondicionadas.Vacia());
  EXPECT_TRUE(c.apuestas.ApuestasFinales.Vacia());
  EXPECT_EQ(c.apuestas.TotalFinales, 0);
  EsperarDesbloqueada();
}

}  // namespace
}  // namespace tanteo
