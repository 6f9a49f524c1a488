// CB by results over the full developed space: 100 CBs, CB c with cell m = result
// ((7c + 3m) mod 16) + 1, accepting {1..6} (selective) or {0..5} (permissive). Only the
// filter's pass is timed; the marks are cleared between iterations.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "conditions/cb_resultados.h"
#include "engine/base_pronostico.h"
#include "engine/progreso.h"

namespace {

tanteo::FiltroCBResultados CienCB(int primerAceptado) {
  tanteo::FiltroCBResultados filtro;
  for (int c = 1; c <= tanteo::kBloquesFiltro; ++c) {
    auto& cb = filtro.CB(c);
    for (int m = 1; m <= tanteo::kPartidos; ++m) cb.pronostico[m] = std::string(tanteo::NombreResultado((7 * c + 3 * m) % 16 + 1));
    for (int h = primerAceptado; h < primerAceptado + 6; ++h) cb.aciertos[h] = 1;
  }
  return filtro;
}

tanteo::AlmacenApuestas& EspacioCompleto() {
  static tanteo::AlmacenApuestas apuestas = [] {
    tanteo::AlmacenApuestas a;
    tanteo::BasePronostico base;
    base.SeleccionarTodo();
    a.TotalApuestas = base.Recuento();
    a.ApuestasSistema.Redimensionar(a.TotalApuestas);
    tanteo::DesarrollarBase(base.ConstruirBase(), a.ApuestasSistema, a.TotalApuestas);
    tanteo::ContarFrecuencias(a.ApuestasSistema, a.TotalApuestas, a.FrecuenciaResultados);
    tanteo::DerivarResultadosPartido(a.FrecuenciaResultados, a.ResultadosPartido, a.NumResultados);
    return a;
  }();
  return apuestas;
}

void Medir(benchmark::State& estado, int primerAceptado) {
  const tanteo::FiltroCBResultados filtro = CienCB(primerAceptado);
  tanteo::AlmacenApuestas& a = EspacioCompleto();
  tanteo::ProgresoNulo progreso;
  std::int32_t eliminadas = 0;
  for (auto _ : estado) {
    estado.PauseTiming();
    a.MarcasEliminacion.assign(static_cast<std::size_t>(a.TotalApuestas), 0);
    estado.ResumeTiming();
    eliminadas = tanteo::EvaluarFiltroCBResultados(filtro, a, progreso);
    benchmark::DoNotOptimize(eliminadas);
    benchmark::ClobberMemory();
  }
  estado.counters["eliminadas"] = static_cast<double>(eliminadas);
}

void BM_CBResultados100Selectivos(benchmark::State& estado) { Medir(estado, 1); }
void BM_CBResultados100Permisivos(benchmark::State& estado) { Medir(estado, 0); }
BENCHMARK(BM_CBResultados100Selectivos)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CBResultados100Permisivos)->Unit(benchmark::kMillisecond);

}  // namespace
