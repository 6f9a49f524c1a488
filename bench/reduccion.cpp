// The greedy reduction: its analysis, its set-up plus one cycle, and how many bets it gives
// on full systems after 1 and after 100 cycles.
#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstring>

#include "engine/generador_aleatorio.h"
#include "engine/reduccion_voraz.h"
#include "engine/vecindad.h"

namespace {

using tanteo::ReduccionVoraz;

// A full system (no filter: every bet a member) of the given results per match, as the
// conditioning run hands it over: conditioned rows in local digits, in system order.
struct SistemaCompleto {
  tanteo::AlmacenApuestas almacen;
  tanteo::TablaApuestas original;
  tanteo::Reduccion ajustes;
  std::int32_t M = 0;

  SistemaCompleto(const std::array<int, tanteo::kPartidos>& k, int radio) {
    for (int m = 1; m <= tanteo::kPartidos; ++m) {
      almacen.NumResultados[m] = k[m - 1];
      for (int d = 1; d <= k[m - 1]; ++d) almacen.ResultadosPartido[d][m] = static_cast<std::uint8_t>(d);
    }
    const tanteo::Vecindad vecindad(almacen.NumResultados);
    M = vecindad.TotalApuestas();
    almacen.TotalApuestas = M;
    original.Redimensionar(M);
    for (std::int32_t i = 0; i < M; ++i) vecindad.FilaDeIndice(i, original.Fila(i + 1));
    almacen.MarcasEliminacion.assign(static_cast<std::size_t>(M), 0);
    almacen.OrdenApuestas.assign(static_cast<std::size_t>(M), 0);
    almacen.ApuestasCondicionadas.Redimensionar(M);
    ajustes.Tipo = static_cast<std::int16_t>(radio);
    ajustes.Porcentaje = 100;
    ajustes.ActivarCiclos = 0;
  }

  // Back to the conditioned rows in system order, as before a reduction.
  tanteo::PeticionReduccion Peticion() {
    std::memcpy(almacen.ApuestasCondicionadas.Datos(), original.Datos(), static_cast<std::size_t>(M) * tanteo::kBytesApuesta);
    return tanteo::PeticionReduccion{almacen, M, true, ajustes, "", ""};
  }
};

// The reduction of a full system, unwatched.
struct Banco {
  SistemaCompleto sistema;
  tanteo::ProgresoNulo progreso;
  tanteo::VentanaProceso ventana{progreso};
  tanteo::GeneradorAleatorio generador;
  ReduccionVoraz reduccion{ventana, generador};

  Banco(const std::array<int, tanteo::kPartidos>& k, int radio) : sistema(k, radio) {}
};

constexpr std::array<int, tanteo::kPartidos> k65536{16, 16, 16, 16, 1, 1};

void BM_ReduccionAnalisis_65536_R1(benchmark::State& estado) {
  Banco banco(k65536, 1);
  ReduccionVoraz& reduccion = banco.reduccion;
  for (auto _ : estado) {
    estado.PauseTiming();
    reduccion.Preparar(banco.sistema.Peticion());
    estado.ResumeTiming();
    benchmark::DoNotOptimize(reduccion.Analizar());
  }
}
BENCHMARK(BM_ReduccionAnalisis_65536_R1)->Unit(benchmark::kMillisecond);

void BM_ReduccionCiclo_65536_R1(benchmark::State& estado) {
  Banco banco(k65536, 1);
  ReduccionVoraz& reduccion = banco.reduccion;
  for (auto _ : estado) {
    estado.PauseTiming();
    reduccion.Preparar(banco.sistema.Peticion());
    reduccion.Analizar();
    estado.ResumeTiming();
    reduccion.Disponer();
    benchmark::DoNotOptimize(reduccion.Ciclo());
  }
  estado.counters["apuestas"] = reduccion.MejorCuenta();
}
BENCHMARK(BM_ReduccionCiclo_65536_R1)->Unit(benchmark::kMillisecond);

// Arguments: results per match (every match alike) and radius. Runs 100 cycles once and
// reports the best result after the first and after the hundredth, and the time per cycle.
void BM_ReduccionCalidad(benchmark::State& estado) {
  const int k = static_cast<int>(estado.range(0));
  Banco banco({k, k, k, k, k, k}, static_cast<int>(estado.range(1)));
  banco.sistema.ajustes.ActivarCiclos = 1;
  ReduccionVoraz& reduccion = banco.reduccion;
  for (auto _ : estado) {
    reduccion.Preparar(banco.sistema.Peticion());
    reduccion.Analizar();
    reduccion.Disponer();
    const auto inicio = std::chrono::steady_clock::now();
    std::int32_t trasUno = 0;
    for (;;) {
      const ReduccionVoraz::FinCiclo fin = reduccion.Ciclo();
      if (reduccion.Ciclos() == 1) trasUno = reduccion.MejorCuenta();
      if (fin != ReduccionVoraz::FinCiclo::Seguir || reduccion.Ciclos() >= 100) break;
    }
    const std::chrono::duration<double, std::milli> tiempo = std::chrono::steady_clock::now() - inicio;
    estado.counters["apuestas_1_ciclo"] = trasUno;
    estado.counters["apuestas_100_ciclos"] = reduccion.MejorCuenta();
    estado.counters["ciclos"] = static_cast<double>(reduccion.Ciclos());
    estado.counters["ms_por_ciclo"] = tiempo.count() / static_cast<double>(reduccion.Ciclos());
  }
}
BENCHMARK(BM_ReduccionCalidad)
    ->Args({2, 1})
    ->Args({3, 1})
    ->Args({3, 2})
    ->Args({4, 1})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
