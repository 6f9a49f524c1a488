#include "formats/lector_fichero.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "formats/descripcion_error.h"

namespace tanteo {

LectorFichero::LectorFichero(const std::filesystem::path& ruta) {
  fd_ = ::open(ruta.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) {
    error_ = DescripcionError(errno);
    return;
  }
  struct stat datos {};
  if (::fstat(fd_, &datos) != 0 || S_ISDIR(datos.st_mode)) {
    error_ = DescripcionError(S_ISDIR(datos.st_mode) ? EISDIR : errno);
    ::close(fd_);
    fd_ = -1;
    return;
  }
  tamano_ = datos.st_size;
  datos_ = std::make_unique_for_overwrite<char[]>(kBloque);
}

LectorFichero::~LectorFichero() {
  if (fd_ >= 0) ::close(fd_);
}

void LectorFichero::Rellenar(std::size_t n) {
  if (fd_ < 0 || agotado_ || !error_.empty()) return;
  // Keep the unread bytes at the front of the block, then fill it up.
  const std::ptrdiff_t quedan = fin_ - inicio_;
  if (inicio_ > 0) std::memmove(datos_.get(), datos_.get() + inicio_, static_cast<std::size_t>(quedan));
  inicio_ = 0;
  fin_ = quedan;
  while (static_cast<std::size_t>(fin_) < n) {
    const ssize_t leidos = ::read(fd_, datos_.get() + fin_, kBloque - static_cast<std::size_t>(fin_));
    if (leidos < 0) {
      if (errno == EINTR) continue;
      error_ = DescripcionError(errno);
      return;
    }
    if (leidos == 0) {
      agotado_ = true;
      return;
    }
    fin_ += leidos;
  }
}

bool LectorLineas::Siguiente(std::string& linea) {
  linea.clear();
  bool hayLinea = false;
  for (;;) {
    const std::string_view v = fichero_.Ver(1);
    if (v.empty()) return hayLinea;
    hayLinea = true;
    const std::size_t fin = lf_ ? v.find_first_of("\r\n") : v.find('\r');
    if (fin == std::string_view::npos) {
      linea.append(v);
      fichero_.Avanzar(v.size());
      continue;
    }
    linea.append(v.substr(0, fin));
    fichero_.Avanzar(fin + 1);
    if (v[fin] == '\r') {
      const std::string_view siguiente = fichero_.Ver(1);
      if (!siguiente.empty() && siguiente[0] == '\n') fichero_.Avanzar(1);
    }
    return true;
  }
}

}  // namespace tanteo
