#include "ui/plataforma_qt.h"

#include <QDesktopServices>
#include <QUrl>

namespace tanteo {

bool PlataformaQt::AbrirEnEditor(const std::filesystem::path& fichero) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(fichero.string())));
}

bool PlataformaQt::AbrirDireccion(std::string_view direccion) {
  const QString texto = QString::fromUtf8(direccion.data(), static_cast<qsizetype>(direccion.size()));
  const QUrl url = QUrl::fromUserInput(texto);
  return url.isValid() && QDesktopServices::openUrl(url);
}

}  // namespace tanteo
