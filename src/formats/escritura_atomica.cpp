#include "formats/escritura_atomica.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <exception>
#include <random>
#include <vector>

#include "formats/descripcion_error.h"

namespace tanteo {
namespace {

// Buffered writes straight to a file descriptor, remembering the first error.
class SalidaDescriptor final : public SalidaFichero {
 public:
  explicit SalidaDescriptor(int fd) : fd_(fd) { buffer_.reserve(kTamano); }

  void Escribir(std::string_view bytes) override {
    if (error_ != 0) return;
    if (buffer_.size() + bytes.size() > kTamano) Vaciar();
    if (bytes.size() >= kTamano) {
      Volcar(bytes.data(), bytes.size());
    } else {
      buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
    }
  }

  // Flushes the buffer and the file to disk; 0 or the first error.
  int Completar() {
    Vaciar();
    if (error_ == 0 && ::fsync(fd_) != 0) error_ = errno;
    return error_;
  }

 private:
  static constexpr std::size_t kTamano = 1 << 20;

  void Vaciar() {
    if (!buffer_.empty()) Volcar(buffer_.data(), buffer_.size());
    buffer_.clear();
  }
  void Volcar(const char* datos, std::size_t n) {
    while (n > 0 && error_ == 0) {
      const ssize_t escritos = ::write(fd_, datos, n);
      if (escritos < 0) {
        if (errno != EINTR) error_ = errno;
        continue;
      }
      datos += escritos;
      n -= static_cast<std::size_t>(escritos);
    }
  }

  int fd_;
  int error_ = 0;
  std::vector<char> buffer_;
};

std::filesystem::path NombreTemporal(const std::filesystem::path& destino) {
  std::random_device azar;
  return destino.parent_path() /
         ("." + destino.filename().string() + ".tmp" + std::to_string(azar() % 1000000u));
}

}  // namespace

ResultadoEscritura EscribirAtomicamente(const std::filesystem::path& destino,
                                        const std::function<bool(SalidaFichero&)>& escritor) {
  const std::filesystem::path temporal = NombreTemporal(destino);
  const int fd = ::open(temporal.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return {false, DescripcionError(errno)};

  SalidaDescriptor salida(fd);
  bool seguir = false;
  std::string fallo;
  try {
    seguir = escritor(salida);
  } catch (const std::exception& e) {
    fallo = e.what();
  }
  int error = seguir ? salida.Completar() : 0;
  if (::close(fd) != 0 && error == 0 && seguir) error = errno;

  if (!fallo.empty() || !seguir || error != 0) {
    ::unlink(temporal.c_str());
    if (!fallo.empty()) return {false, fallo};
    if (error != 0) return {false, DescripcionError(error)};
    return {false, "Operación cancelada"};
  }
  // Keep the permissions of the file being replaced.
  struct stat anterior {};
  if (::stat(destino.c_str(), &anterior) == 0) ::chmod(temporal.c_str(), anterior.st_mode & 07777);
  if (::rename(temporal.c_str(), destino.c_str()) != 0) {
    const int e = errno;
    ::unlink(temporal.c_str());
    return {false, DescripcionError(e)};
  }
  return {true, {}};
}

ResultadoEscritura EscribirFicheroAtomicamente(const std::filesystem::path& destino, std::string_view contenido) {
  return EscribirAtomicamente(destino, [&](SalidaFichero& salida) {
    salida.Escribir(contenido);
    return true;
  });
}

}  // namespace tanteo
