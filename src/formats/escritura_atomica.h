// Every user file and report is written through here: the bytes go to a temporary file in
// the same folder, which replaces the target only once it is complete and flushed. A
// failure at any point leaves the old file as it was and removes the temporary.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace tanteo {

// Sink handed to the writer: appends bytes to the temporary file. Buffered; a failed write
// is detected when the file is completed.
class SalidaFichero {
 public:
  virtual ~SalidaFichero() = default;
  virtual void Escribir(std::string_view bytes) = 0;
};

struct ResultadoEscritura {
  bool ok = false;
  std::string descripcion;  // why it failed, in Spanish, for the "(" + description + ")" of messages
};

// Calls `escritor` with a sink; when it returns true and every byte reached the disk, the
// temporary is renamed over `destino`. When it returns false (the caller gave up), nothing
// changes. An exception thrown by `escritor` is caught and reported as a failure.
ResultadoEscritura EscribirAtomicamente(const std::filesystem::path& destino,
                                        const std::function<bool(SalidaFichero&)>& escritor);

// The whole content at once.
ResultadoEscritura EscribirFicheroAtomicamente(const std::filesystem::path& destino, std::string_view contenido);

}  // namespace tanteo
