#include "engine/reduccion_voraz.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/texto_numeros.h"
#include "fakes/progreso_registrado.h"
#include "reduccion_literal.h"

namespace tanteo {
namespace {

using pruebas::BaseAleatoria;
using pruebas::BaseIgual;
using pruebas::Condicionar;
using pruebas::CondicionarAlAzar;
using pruebas::Distancia;
using pruebas::EntradaReduccion;
using pruebas::ProgresoRegistrado;
using pruebas::ReduccionLiteral;
using pruebas::SalidaLiteral;

// Presses the stop button once the reduction has completed `tope` cycles.
class ProgresoHastaCiclos : public ProgresoRegistrado {
 public:
  bool DetencionPedida() const override {
    return ProgresoRegistrado::DetencionPedida() || (tope >= 0 && reduccion != nullptr && reduccion->Ciclos() >= tope);
  }
  const ReduccionVoraz* reduccion = nullptr;
  std::int64_t tope = -1;
};

struct Corrida {
  ResultadoReduccion resultado;
  EstadoVentanaProceso ventana;
  std::vector<Apuesta> finales;
  std::vector<Apuesta> condicionadas;
  std::int64_t ciclos = 0;
  std::int32_t maximo = 0;
  std::vector<std::string> textos;
  std::vector<std::pair<std::int64_t, std::int64_t>> avances;
};

Corrida Reducir(EntradaReduccion& e, GeneradorAleatorio& generador, std::int64_t detenerTrasCiclos = -1,
                std::int64_t detenerTrasCesiones = -1) {
  ProgresoHastaCiclos progreso;
  progreso.detenerTrasCesiones = detenerTrasCesiones;
  VentanaProceso ventana(progreso);
  ReduccionVoraz reduccion(ventana, generador);
  progreso.reduccion = &reduccion;
  progreso.tope = detenerTrasCiclos;
  Corrida c;
  c.resultado = reduccion.Reducir(e.Peticion());
  c.ventana = ventana.Estado();
  for (std::int32_t f = 1; f <= c.resultado.apuestas; ++f) c.finales.push_back(e.almacen.ApuestasFinales.ApuestaEn(f));
  for (std::int32_t f = 1; f <= e.M; ++f) c.condicionadas.push_back(e.almacen.ApuestasCondicionadas.ApuestaEn(f));
  c.ciclos = reduccion.Ciclos();
  c.maximo = reduccion.Maximo();
  c.textos = progreso.textos;
  c.avances = progreso.avances;
  return c;
}

Corrida Reducir(EntradaReduccion& e, std::int64_t detenerTrasCiclos = -1) {
  GeneradorAleatorio generador;
  return Reducir(e, generador, detenerTrasCiclos);
}

// Members within R of some final bet.
std::int32_t Garantizadas(const EntradaReduccion& e, const std::vector<Apuesta>& finales) {
  std::int32_t n = 0;
  for (std::size_t i = 0; i < e.sistema.size(); ++i) {
    if (!e.miembro[i]) continue;
    for (const Apuesta& x : finales) {
      if (Distancia(e.sistema[i], x) <= e.ajustes.Tipo) {
        ++n;
        break;
      }
    }
  }
  return n;
}

// The same result as the literal run, every final bet a distinct member, and the asked share
// of the members within R of them.
void CompararConLiteral(const EntradaReduccion& e, const Corrida& c, const SalidaLiteral& l) {
  EXPECT_EQ(c.finales, l.finales);
  EXPECT_EQ(c.condicionadas, l.condicionadas);
  EXPECT_EQ(c.ciclos, l.ciclos);
  EXPECT_EQ(c.maximo, l.maximo);
  EXPECT_EQ(c.resultado.apuestas, static_cast<std::int32_t>(l.finales.size()));
  EXPECT_EQ(c.resultado.lblApuestasReduccion, FormatoCuenta(static_cast<std::int64_t>(l.finales.size())));
  EXPECT_EQ(c.resultado.tooltip, "Obtenida en el ciclo: " + std::to_string(l.cicloMejor));
  EXPECT_EQ(c.ventana.lblCiclos, std::to_string(l.ciclos));

  std::set<Apuesta> distintas(c.finales.begin(), c.finales.end());
  EXPECT_EQ(distintas.size(), c.finales.size());
  for (const Apuesta& x : c.finales) {
    const auto it = std::find(e.sistema.begin(), e.sistema.end(), x);
    ASSERT_NE(it, e.sistema.end());
    EXPECT_TRUE(e.miembro[static_cast<std::size_t>(it - e.sistema.begin())]);
  }
  const std::int32_t g = static_cast<std::int32_t>(static_cast<double>(Garantizadas(e, c.finales)) / e.M * 100);
  const Reduccion& a = e.ajustes;
  if (a.ActivarNumeroApuestas == 1 && a.ApuestasExactas == 0) {
    EXPECT_TRUE(g == 100 || (a.ActivarCiclos == 0 && c.resultado.apuestas == a.NuApuestas));
  } else if (a.ApuestasExactas == 0) {
    EXPECT_GE(g, a.Porcentaje);
  }
}

struct Modo {
  const char* nombre;
  std::int16_t porcentaje;
  std::int16_t numero;  // ActivarNumeroApuestas
  std::int32_t nuApuestas;
};
constexpr Modo kModos[] = {{"100%", 100, 0, 1}, {"75%", 75, 0, 1}, {"5 apuestas", 100, 1, 5}};

EntradaReduccion EntradaAleatoria(std::uint64_t semilla, int radio, const Modo& modo, std::int32_t minimo = 80,
                                  std::int32_t maximo = 400) {
  EntradaReduccion e;
  const BasePronostico base = BaseAleatoria(semilla, minimo, maximo);
  if (semilla % 3 == 0) {
    Condicionar(e, base, [](const Apuesta&) { return true; }, true);
  } else {
    CondicionarAlAzar(e, base, 0.7, semilla);
  }
  e.ajustes.Tipo = static_cast<std::int16_t>(radio);
  e.ajustes.Porcentaje = modo.porcentaje;
  e.ajustes.ActivarNumeroApuestas = modo.numero;
  e.ajustes.NuApuestas = modo.nuApuestas;
  return e;
}

TEST(ReduccionVoraz, UnCicloEsElDeLaReduccionLiteral) {
  for (std::uint64_t semilla = 1; semilla <= 6; ++semilla) {
    for (int radio = 0; radio <= 4; ++radio) {
      for (const Modo& modo : kModos) {
        SCOPED_TRACE(testing::Message() << "semilla " << semilla << ", R " << radio << ", " << modo.nombre);
        EntradaReduccion e = EntradaAleatoria(semilla, radio, modo);
        e.ajustes.ActivarCiclos = 0;
        GeneradorAleatorio g;
        const SalidaLiteral literal = ReduccionLiteral(e).Ejecutar(g, -1, true);
        const Corrida c = Reducir(e);
        CompararConLiteral(e, c, literal);
        EXPECT_EQ(c.ciclos, 1);
        if (modo.numero == 1 && c.resultado.apuestas != modo.nuApuestas) {
          EXPECT_EQ(Garantizadas(e, c.finales), e.M);  // 100 % was reached first
        }
      }
    }
  }
}

// Thirty cycles pass the first lowering of the threshold (after thirteen) and the reorders.
TEST(ReduccionVoraz, LosCiclosSonLosDeLaReduccionLiteral) {
  int abandonados = 0;
  for (std::uint64_t semilla = 1; semilla <= 6; ++semilla) {
    for (int radio = 1; radio <= 3; ++radio) {
      for (const Modo& modo : kModos) {
        for (std::int16_t aleatorio = 0; aleatorio <= 1; ++aleatorio) {
          SCOPED_TRACE(testing::Message() << "semilla " << semilla << ", R " << radio << ", " << modo.nombre
                                          << ", aleatorio " << aleatorio);
          EntradaReduccion e = EntradaAleatoria(semilla, radio, modo);
          e.ajustes.Aleatorio = aleatorio;
          GeneradorAleatorio gl;
          gl.Sembrar(semilla);
          const SalidaLiteral literal = ReduccionLiteral(e).Ejecutar(gl, 30);
          GeneradorAleatorio gv;
          gv.Sembrar(semilla);
          const Corrida c = Reducir(e, gv, 30);
          CompararConLiteral(e, c, literal);
          abandonados += literal.abandonados;
        }
      }
    }
  }
  EXPECT_GT(abandonados, 0);  // the abandon rule was exercised
}

TEST(ReduccionVoraz, MismaEntradaMismoResultado) {
  for (std::int16_t aleatorio = 0; aleatorio <= 1; ++aleatorio) {
    EntradaReduccion a = EntradaAleatoria(4, 2, kModos[0]);
    EntradaReduccion b = EntradaAleatoria(4, 2, kModos[0]);
    a.ajustes.Aleatorio = b.ajustes.Aleatorio = aleatorio;
    GeneradorAleatorio ga;
    GeneradorAleatorio gb;
    ga.Sembrar(99);
    gb.Sembrar(99);
    const Corrida ca = Reducir(a, ga, 20);
    const Corrida cb = Reducir(b, gb, 20);
    EXPECT_EQ(ca.finales, cb.finales);
    EXPECT_EQ(ca.resultado.tooltip, cb.resultado.tooltip);
    EXPECT_EQ(ca.condicionadas, cb.condicionadas);
  }
  // Without the random mode the program's generator state does not matter.
  EntradaReduccion a = EntradaAleatoria(4, 2, kModos[0]);
  EntradaReduccion b = EntradaAleatoria(4, 2, kModos[0]);
  GeneradorAleatorio ga;
  GeneradorAleatorio gb;
  gb.Sembrar(12345);
  gb.Siguiente();
  EXPECT_EQ(Reducir(a, ga, 20).finales, Reducir(b, gb, 20).finales);
}

// R = 0: the members in scan order, one per choice (each counts 1), until the share is
// reached. The share is taken as the program computes it, covered / M x 100 in double
// precision: 29 / 100 x 100 = 28.999... is below 29 %, so 29 % of 100 members takes 30.
TEST(ReduccionVoraz, SinReduccionTomaLosPrimerosEnOrdenHastaElPorcentaje) {
  struct Caso {
    const char* nombre;
    std::int16_t porcentaje;
    std::size_t esperadas;  // 0: the least count that reaches the share
  };
  const Caso casos[] = {{"60 % de 5^6 al azar", 60, 0}, {"29 % de 100", 29, 30}};
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    EntradaReduccion e;
    if (caso.esperadas == 0) {
      CondicionarAlAzar(e, BaseIgual({1, 2, 5, 6, 7}), 0.8, 3);
    } else {
      BasePronostico base;
      for (int r = 1; r <= 10; ++r) {
        base.PonerResultado(1, r, true);
        base.PonerResultado(2, r, true);
      }
      for (int m = 3; m <= kPartidos; ++m) base.PonerResultado(m, 1, true);
      Condicionar(e, base, [](const Apuesta&) { return true; }, true);
      ASSERT_EQ(e.M, 100);
    }
    e.ajustes.Tipo = 0;
    e.ajustes.Porcentaje = caso.porcentaje;
    e.ajustes.ActivarCiclos = 0;
    std::vector<Apuesta> miembros;
    for (std::int32_t f = 1; f <= e.M; ++f) miembros.push_back(e.almacen.ApuestasCondicionadas.ApuestaEn(f));
    std::size_t esperadas = caso.esperadas;
    while (esperadas == 0 || static_cast<std::int32_t>(static_cast<double>(esperadas) / e.M * 100) < caso.porcentaje) {
      ++esperadas;
    }
    const Corrida c = Reducir(e);
    ASSERT_EQ(c.finales.size(), esperadas);
    EXPECT_TRUE(std::equal(c.finales.begin(), c.finales.end(), miembros.begin()));
    EXPECT_EQ(c.maximo, 1);
    EXPECT_EQ(c.resultado.lblApuestasReduccion, FormatoCuenta(static_cast<std::int64_t>(esperadas)));
  }
}

// Members pairwise at distance 2 or more (digits summing to a multiple of 3): at R = 1 each
// covers only itself, so every one of them is chosen.
TEST(ReduccionVoraz, MiembrosLejanosSeEligenTodos) {
  EntradaReduccion e;
  Condicionar(
      e, BaseIgual({1, 6, 11}),
      [](const Apuesta& a) {
        int suma = 0;
        for (const auto d : a) suma += d;
        return suma % 3 == 0;
      },
      false);
  e.ajustes.Tipo = 1;
  e.ajustes.ActivarCiclos = 0;
  std::set<Apuesta> miembros;
  for (std::int32_t f = 1; f <= e.M; ++f) miembros.insert(e.almacen.ApuestasCondicionadas.ApuestaEn(f));
  const Corrida c = Reducir(e);
  EXPECT_EQ(std::set<Apuesta>(c.finales.begin(), c.finales.end()), miembros);
  EXPECT_EQ(c.resultado.apuestas, e.M);
  EXPECT_EQ(c.maximo, 1);
}

// The first choice of the run (threshold 10000, target 1), seen through a one-bet result.
EntradaReduccion UnaApuesta(EntradaReduccion e, int radio) {
  e.ajustes.Tipo = static_cast<std::int16_t>(radio);
  e.ajustes.ActivarNumeroApuestas = 1;
  e.ajustes.NuApuestas = 1;
  e.ajustes.ActivarCiclos = 0;
  return e;
}

TEST(ReduccionVoraz, PrimeraEleccionConCuentaUnoSeTomaEnSeguida) {
  // Match 1 has three results; members: 1-1-1-1-1-1 alone, then a tight group far from it.
  EntradaReduccion e;
  Condicionar(
      e, BaseIgual({1, 2, 3}),
      [](const Apuesta& a) {
        return a == Apuesta{1, 1, 1, 1, 1, 1} || (a[0] == 3 && a[1] == 3 && a[2] == 3 && a[3] == 3);
      },
      false);
  EntradaReduccion u = UnaApuesta(std::move(e), 1);
  const Corrida c = Reducir(u);
  ASSERT_EQ(c.finales.size(), 1u);
  EXPECT_EQ(c.finales[0], (Apuesta{1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(c.maximo, 1);
}

TEST(ReduccionVoraz, PrimeraEleccionSinCuentaUnoNiUmbralTomaLaMayorMasTemprana) {
  // Unfiltered 3^6 at R = 1: every count is 13, so the first bet; with 1-1-1-1-1-1 removed,
  // the counts next to it drop and the first bet with the full 13 is chosen.
  EntradaReduccion e;
  Condicionar(e, BaseIgual({1, 2, 3}), [](const Apuesta& a) { return a != Apuesta{1, 1, 1, 1, 1, 1}; }, false);
  EntradaReduccion u = UnaApuesta(std::move(e), 1);
  const Corrida c = Reducir(u);
  ASSERT_EQ(c.finales.size(), 1u);
  EXPECT_EQ(c.finales[0], (Apuesta{1, 1, 1, 1, 2, 2}));  // the first one not next to the gap
  EXPECT_EQ(c.maximo, 13);
}

TEST(ReduccionVoraz, PrimeraEleccionConCuentaDeDiezMilSeTomaEnSeguida) {
  // 16-16-16-16-1-1 at R = 3, members: the bets within 3 of z = 1-0 0-0 0-0 0-0. z counts all
  // its 14,911 members; the very first bet, next to z, counts 14,911 - 15^3 = 11,536 >= 10000
  // and is taken before z is reached.
  BasePronostico base;
  for (int m = 1; m <= 4; ++m) {
    for (int r = 1; r <= kResultados; ++r) base.PonerResultado(m, r, true);
  }
  base.PonerResultado(5, 1, true);
  base.PonerResultado(6, 1, true);
  const Apuesta z{2, 1, 1, 1, 1, 1};
  EntradaReduccion e;
  Condicionar(e, base, [&](const Apuesta& a) { return Distancia(a, z) <= 3; }, false);
  ASSERT_EQ(e.M, 14'911);
  EntradaReduccion u = UnaApuesta(std::move(e), 3);
  const Corrida c = Reducir(u);
  ASSERT_EQ(c.finales.size(), 1u);
  EXPECT_EQ(c.finales[0], (Apuesta{1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(c.maximo, 11'536);
}

TEST(ReduccionVoraz, CicloQueIgualaAlMejorSeAbandonaYNoLoSustituye) {
  // Find a case where the literal run abandons a cycle, then check the tooltip keeps the
  // cycle of the earlier, strictly smaller result.
  for (std::uint64_t semilla = 1; semilla <= 20; ++semilla) {
    EntradaReduccion e = EntradaAleatoria(semilla, 1, kModos[0]);
    GeneradorAleatorio gl;
    const SalidaLiteral literal = ReduccionLiteral(e).Ejecutar(gl, 15);
    if (literal.abandonados == 0) continue;
    const Corrida c = Reducir(e, 15);
    EXPECT_EQ(c.finales, literal.finales);
    EXPECT_EQ(c.resultado.tooltip, "Obtenida en el ciclo: " + std::to_string(literal.cicloMejor));
    EXPECT_LT(literal.cicloMejor, 15);
    return;
  }
  FAIL() << "no abandoned cycle found";
}

TEST(ReduccionVoraz, NumeroDeApuestasConCiclosTerminaAlAlcanzarlo) {
  EntradaReduccion e = EntradaAleatoria(2, 1, kModos[0]);
  e.ajustes.ActivarCiclos = 0;
  const std::int32_t unCiclo = Reducir(e).resultado.apuestas;
  EntradaReduccion n = EntradaAleatoria(2, 1, kModos[0]);
  n.ajustes.ActivarNumeroApuestas = 1;
  n.ajustes.NuApuestas = unCiclo;  // the first cycle already reaches it
  const Corrida c = Reducir(n);  // no stop button: the run must end by itself
  EXPECT_EQ(c.ciclos, 1);
  EXPECT_EQ(c.resultado.apuestas, unCiclo);
  EXPECT_EQ(Garantizadas(n, c.finales), n.M);
}

TEST(ReduccionVoraz, NumeroExactoRecortaALasPrimerasElegidas) {
  EntradaReduccion e = EntradaAleatoria(5, 1, kModos[0]);
  e.ajustes.ActivarCiclos = 0;
  const Corrida completa = Reducir(e);
  ASSERT_GT(completa.resultado.apuestas, 3);
  EntradaReduccion x = EntradaAleatoria(5, 1, kModos[0]);
  x.ajustes.ActivarCiclos = 0;
  x.ajustes.ActivarNumeroApuestas = 1;
  x.ajustes.ApuestasExactas = 1;
  x.ajustes.NuApuestas = 3;
  const Corrida c = Reducir(x);
  EXPECT_EQ(c.finales, std::vector<Apuesta>(completa.finales.begin(), completa.finales.begin() + 3));
  EXPECT_EQ(c.resultado.lblApuestasReduccion, "3");
  EXPECT_EQ(c.resultado.tooltip, "Obtenida en el ciclo: 1");
  EXPECT_FALSE(c.ventana.imgDetenerVisible);
}

TEST(ReduccionVoraz, NumeroExactoRellenaSiempreConLasMismasApuestas) {
  EntradaReduccion e = EntradaAleatoria(7, 2, kModos[0]);
  e.ajustes.ActivarCiclos = 0;
  e.ajustes.ActivarNumeroApuestas = 1;
  e.ajustes.ApuestasExactas = 1;
  e.ajustes.NuApuestas = e.M - 5;
  GeneradorAleatorio gl;
  const SalidaLiteral literal = ReduccionLiteral(e).Ejecutar(gl);
  // Whatever the state of the program's generator: the filler is seeded with 1.
  GeneradorAleatorio sembrado;
  sembrado.Sembrar(777);
  const Corrida c = Reducir(e, sembrado);
  ASSERT_EQ(c.resultado.apuestas, e.M - 5);
  EXPECT_EQ(c.finales, literal.finales);
  EXPECT_EQ(c.resultado.lblApuestasReduccion, FormatoCuenta(e.M - 5));
  EXPECT_EQ(std::set<Apuesta>(c.finales.begin(), c.finales.end()).size(), c.finales.size());
}

TEST(ReduccionVoraz, DetenerDuranteElAnalisisNoDaResultado) {
  EntradaReduccion e = EntradaAleatoria(1, 1, kModos[0], 1000, 5000);
  e.almacen.ApuestasFinales.Redimensionar(1);
  e.almacen.ApuestasFinales.Poner(1, Apuesta{9, 9, 9, 9, 9, 9});
  GeneradorAleatorio g;
  const Corrida c = Reducir(e, g, -1, 1);
  EXPECT_EQ(c.resultado.apuestas, 0);
  EXPECT_EQ(c.resultado.lblApuestasReduccion, "0");
  EXPECT_EQ(c.resultado.tooltip, "");
  EXPECT_EQ(c.textos, (std::vector<std::string>{"0", "Analizando ...", "0"}));
  EXPECT_EQ(e.almacen.ApuestasFinales.ApuestaEn(1), (Apuesta{9, 9, 9, 9, 9, 9}));
}

TEST(ReduccionVoraz, DetenerTrasUnCicloConservaSuResultado) {
  EntradaReduccion e = EntradaAleatoria(3, 1, kModos[0]);
  GeneradorAleatorio gl;
  const SalidaLiteral literal = ReduccionLiteral(e).Ejecutar(gl, 1);
  const Corrida c = Reducir(e, 1);
  EXPECT_EQ(c.ciclos, 1);
  EXPECT_EQ(c.finales, literal.finales);
  EXPECT_EQ(c.ventana.lblCiclos, "1");
  EXPECT_EQ(c.resultado.tooltip, "Obtenida en el ciclo: 1");
}

// What the window shows: the counters it copies, "Analizando ..." then the cycles, the
// bar in percent, and the value it hands back.
TEST(VentanaProceso, TextosYAvanceDeUnaReduccion) {
  EntradaReduccion e = EntradaAleatoria(1, 1, kModos[0], 1000, 5000);
  const Corrida c = Reducir(e, 3);
  EXPECT_EQ(c.ventana.lblApuestasInicialesVP, "1.234");
  EXPECT_EQ(c.ventana.lblApuestasCondicionadasVP, "567");
  EXPECT_EQ(c.textos, (std::vector<std::string>{"0", "Analizando ...", "0", "1", "2", "3"}));
  EXPECT_EQ(c.ventana.lblCiclos, "3");
  EXPECT_TRUE(c.ventana.imgDetenerVisible);
  for (const auto& [hecho, total] : c.avances) {
    EXPECT_EQ(total, 100);
    EXPECT_GE(hecho, 0);
    EXPECT_LE(hecho, 100);
  }
  // The last choice of a cycle covers everything.
  EXPECT_NE(std::find(c.avances.begin(), c.avances.end(), std::pair<std::int64_t, std::int64_t>{100, 100}),
            c.avances.end());
  EXPECT_EQ(c.resultado.lblApuestasReduccion, c.ventana.lblApuestasReduccion);
  EXPECT_EQ(c.resultado.tooltip, c.ventana.tooltipApuestasReduccion);
  EXPECT_EQ(c.resultado.apuestas, static_cast<std::int32_t>(c.finales.size()));
}

}  // namespace
}  // namespace tanteo
