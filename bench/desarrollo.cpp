// Developing the full base (all 96 results accepted) into the system table.
#include <benchmark/benchmark.h>

#include "engine/base_pronostico.h"

namespace {

void BM_DesarrolloCompleto(benchmark::State& estado) {
  tanteo::BasePronostico base;
  base.SeleccionarTodo();
  const tanteo::TablaBase tabla = base.ConstruirBase();
  tanteo::TablaApuestas sistema;
  sistema.Redimensionar(base.Recuento());
  for (auto _ : estado) {
    tanteo::DesarrollarBase(tabla, sistema, base.Recuento());
    benchmark::DoNotOptimize(sistema.Datos());
    benchmark::ClobberMemory();
  }
  estado.SetBytesProcessed(static_cast<std::int64_t>(estado.iterations()) * 16'777'216ll * 6);
}
BENCHMARK(BM_DesarrolloCompleto)->Unit(benchmark::kMillisecond);

}  // namespace
