// The yardstick of every ratio quoted for the program: copying a full system's bytes.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

void BM_ReferenciaMemcpy(benchmark::State& estado) {
  constexpr std::size_t kBytes = 16'777'216ull * 6;  // 100,663,296
  std::vector<std::uint8_t> origen(kBytes, 7);
  std::vector<std::uint8_t> destino(kBytes, 0);
  for (auto _ : estado) {
    std::memcpy(destino.data(), origen.data(), kBytes);
    benchmark::DoNotOptimize(destino.data());
    benchmark::ClobberMemory();
  }
  estado.SetBytesProcessed(static_cast<std::int64_t>(estado.iterations()) * static_cast<std::int64_t>(kBytes));
}
BENCHMARK(BM_ReferenciaMemcpy)->Unit(benchmark::kMillisecond);

}  // namespace
