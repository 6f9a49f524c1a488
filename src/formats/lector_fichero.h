// Sequential reading of a file in large blocks, shared by the readers of bets files and
// percentages files. Nothing is read twice and nothing is held beyond one block.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace tanteo {

class LectorFichero {
 public:
  explicit LectorFichero(const std::filesystem::path& ruta);
  ~LectorFichero();
  LectorFichero(const LectorFichero&) = delete;
  LectorFichero& operator=(const LectorFichero&) = delete;

  bool Abierto() const { return fd_ >= 0; }
  // Why opening or reading failed; empty while all is well (the end of the file is no error).
  const std::string& Error() const { return error_; }
  // The size of the file when it was opened.
  std::int64_t Tamano() const { return tamano_; }

  // The buffered bytes from the reading position on, at least `n` of them (n up to one block)
  // unless the file ends or fails first. Nothing is consumed.
  std::string_view Ver(std::size_t n) {
    if (static_cast<std::size_t>(fin_ - inicio_) < n) Rellenar(n);
    return {datos_.get() + inicio_, static_cast<std::size_t>(fin_ - inicio_)};
  }
  // Consumes `n` bytes of those Ver returned.
  void Avanzar(std::size_t n) { inicio_ += static_cast<std::ptrdiff_t>(n); }

  static constexpr std::size_t kBloque = 1 << 17;

 private:
  void Rellenar(std::size_t n);

  int fd_ = -1;
  std::int64_t tamano_ = 0;
  std::string error_;
  std::unique_ptr<char[]> datos_;
  std::ptrdiff_t inicio_ = 0;
  std::ptrdiff_t fin_ = 0;
  bool agotado_ = false;
};

// The lines of a text file: CR LF and a lone CR end a line, and so does a lone LF when
// `lfTerminaLinea`; otherwise a lone LF is part of the line. The last line needs no end.
class LectorLineas {
 public:
  LectorLineas(LectorFichero& fichero, bool lfTerminaLinea) : fichero_(fichero), lf_(lfTerminaLinea) {}
  // The next line without its end; false when the file is over or failed (see Error()).
  bool Siguiente(std::string& linea);

 private:
  LectorFichero& fichero_;
  bool lf_;
};

}  // namespace tanteo
