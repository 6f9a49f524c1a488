// tanteo-cli: the program's core from the command line.
#include <cstdio>
#include <string_view>

namespace {

constexpr std::string_view kAyuda =
    "Uso: tanteo-cli ORDEN [ARGUMENTOS]\n"
    "\n"
    "Órdenes:\n"
    "  --help    muestra esta ayuda\n";

}  // namespace

int main(int argc, char* argv[]) {
  if (argc >= 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
    std::fwrite(kAyuda.data(), 1, kAyuda.size(), stdout);
    return 0;
  }
  std::fwrite(kAyuda.data(), 1, kAyuda.size(), stderr);
  return 2;
}
