#include "ui/manual.h"

#include <QFile>

#include "engine/direcciones_web.h"
#include "formats/escritura_atomica.h"

namespace tanteo {

bool PrepararManual(Plataforma& plataforma, Interaccion& interaccion) {
  QFile recurso(QStringLiteral(":/manual/tanteo.html"));
  if (!recurso.open(QIODevice::ReadOnly)) {
    interaccion.Error("ERROR: El manual no está incluido en esta versión de TANTEO.");
    return false;
  }
  const QByteArray contenido = recurso.readAll();
  const std::filesystem::path fichero = FicheroManual(plataforma);
  std::error_code ec;
  std::filesystem::create_directories(fichero.parent_path(), ec);
  const ResultadoEscritura escrito =
      EscribirFicheroAtomicamente(fichero, std::string_view(contenido.constData(), static_cast<std::size_t>(contenido.size())));
  if (!escrito.ok) {
    interaccion.Error("ERROR AL PREPARAR EL MANUAL (" + escrito.descripcion + ")");
    return false;
  }
  return true;
}

}  // namespace tanteo
