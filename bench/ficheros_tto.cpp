// TTO bets files of 1,000,000 bets written and read, against writing and reading the same
// number of bytes with plain buffered I/O.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include "formats/decodificacion_tto.h"
#include "formats/fichero_tto.h"
#include "formats/lector_fichero.h"

namespace {

constexpr std::int32_t kApuestas = 1'000'000;
constexpr std::size_t kTrozo = 1 << 16;

// A folder of its own under the system's temporary folder, removed at the end.
struct Carpeta {
  Carpeta() : ruta(std::filesystem::temp_directory_path() / ("tanteo-bench-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(ruta);
  }
  ~Carpeta() {
    std::error_code ec;
    std::filesystem::remove_all(ruta, ec);
  }
  std::filesystem::path ruta;
};

const Carpeta& Temporal() {
  static const Carpeta carpeta;
  return carpeta;
}

const tanteo::TablaApuestas& Apuestas() {
  static const tanteo::TablaApuestas tabla = [] {
    tanteo::TablaApuestas t;
    t.Redimensionar(kApuestas);
    for (std::int32_t i = 1; i <= kApuestas; ++i) t.Poner(i, tanteo::ApuestaDeNumero(static_cast<std::int32_t>((i * 2'654'435ll) % 16'777'216)));
    return t;
  }();
  return tabla;
}

// The TTO file of the bets, written once.
const std::filesystem::path& FicheroTTO() {
  static const std::filesystem::path ruta = [] {
    const auto r = Temporal().ruta / "lectura.tto";
    tanteo::EscribirFicheroTTO(r, "16-16-16-16-16-16", Apuestas(), kApuestas, nullptr);
    return r;
  }();
  return ruta;
}

std::int64_t BytesTTO() { return static_cast<std::int64_t>(std::filesystem::file_size(FicheroTTO())); }

void BM_EscribirTTO_1M(benchmark::State& estado) {
  const auto ruta = Temporal().ruta / "escritura.tto";
  for (auto _ : estado) {
    if (!tanteo::EscribirFicheroTTO(ruta, "16-16-16-16-16-16", Apuestas(), kApuestas, nullptr).ok) {
      estado.SkipWithError("no se pudo escribir");
    }
  }
  estado.SetBytesProcessed(estado.iterations() * BytesTTO());
}
BENCHMARK(BM_EscribirTTO_1M)->Unit(benchmark::kMillisecond);

// The file is written (and so in the page cache) before the timing starts, here and in the
// plain reading. The argument is the fastest decoding way allowed: 0 scalar, 1 AVX2,
// 2 AVX-512 VBMI (the reader's default, the best the processor has).
void BM_LeerTTO_1M(benchmark::State& estado) {
  const auto via = static_cast<tanteo::ViaDecodificacion>(estado.range(0));
  if (!tanteo::ViaDisponible(via)) {
    estado.SkipWithError("el procesador no tiene esta vía");
    return;
  }
  tanteo::ElegirViaDecodificacion(via);
  FicheroTTO();
  tanteo::TablaApuestas leidas;
  for (auto _ : estado) {
    const auto r = tanteo::LeerFicheroTTO(FicheroTTO(), leidas);
    if (!r.ok || r.apuestas != kApuestas) estado.SkipWithError("lectura incorrecta");
    benchmark::DoNotOptimize(leidas.Datos());
  }
  tanteo::ElegirViaDecodificacion(tanteo::ViaDecodificacion::AVX512);
  estado.SetBytesProcessed(estado.iterations() * BytesTTO());
}
BENCHMARK(BM_LeerTTO_1M)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_EscrituraPlana_1M(benchmark::State& estado) {
  const std::vector<char> bytes(static_cast<std::size_t>(BytesTTO()), 'x');
  const auto ruta = Temporal().ruta / "plana.bin";
  for (auto _ : estado) {
    std::FILE* f = std::fopen(ruta.c_str(), "wb");
    for (std::size_t i = 0; i < bytes.size(); i += kTrozo) std::fwrite(bytes.data() + i, 1, std::min(kTrozo, bytes.size() - i), f);
    std::fclose(f);
  }
  estado.SetBytesProcessed(estado.iterations() * BytesTTO());
}
BENCHMARK(BM_EscrituraPlana_1M)->Unit(benchmark::kMillisecond);

// The same bytes in the blocks the TTO reader uses, into a buffer allocated per reading as
// the reader allocates its own.
void BM_LecturaPlana_1M(benchmark::State& estado) {
  FicheroTTO();
  for (auto _ : estado) {
    const auto trozo = std::make_unique_for_overwrite<char[]>(tanteo::LectorFichero::kBloque);
    std::FILE* f = std::fopen(FicheroTTO().c_str(), "rb");
    std::size_t total = 0;
    for (std::size_t n; (n = std::fread(trozo.get(), 1, tanteo::LectorFichero::kBloque, f)) > 0;) total += n;
    std::fclose(f);
    benchmark::DoNotOptimize(total);
  }
  estado.SetBytesProcessed(estado.iterations() * BytesTTO());
}
BENCHMARK(BM_LecturaPlana_1M)->Unit(benchmark::kMillisecond);

}  // namespace
