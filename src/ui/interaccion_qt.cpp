#include "ui/interaccion_qt.h"
#include "ui/texto_qt.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace tanteo {

namespace {

QMessageBox::Icon IconoQt(Icono icono) {
  switch (icono) {
    case Icono::Error: return QMessageBox::Critical;
    case Icono::Aviso: return QMessageBox::Warning;
    case Icono::Informacion: return QMessageBox::Information;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

QWidget* InteraccionQt::Padre() const {
  // Over the modal screen that asks, not under it.
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return padre_;
}

void InteraccionQt::Mensaje(Icono icono, std::string_view texto) {
  QMessageBox caja(IconoQt(icono), QStringLiteral("TANTEO"), Q(texto), QMessageBox::Ok, Padre());
  caja.exec();
}

bool InteraccionQt::Pregunta(std::string_view texto) {
  QMessageBox caja(QMessageBox::Question, QStringLiteral("TANTEO"), Q(texto), QMessageBox::Yes | QMessageBox::No,
                   Padre());
  caja.setDefaultButton(QMessageBox::No);
  caja.setEscapeButton(QMessageBox::No);
  return caja.exec() == QMessageBox::Yes;
}

std::optional<std::string> InteraccionQt::AbrirFichero(const DialogoFichero& dialogo) { return Dialogo(dialogo, false); }

std::optional<std::string> InteraccionQt::GuardarFichero(const DialogoFichero& dialogo) { return Dialogo(dialogo, true); }

std::optional<std::string> InteraccionQt::Dialogo(const DialogoFichero& dialogo, bool guardar) {
  QFileDialog caja(Padre(), Q(dialogo.titulo));
  caja.setAcceptMode(guardar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  caja.setFileMode(guardar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (guardar && !dialogo.confirmarSobrescritura) caja.setOption(QFileDialog::DontConfirmOverwrite);
  const QStringList filtros = FiltrosQt(dialogo.filtro);
  if (!filtros.isEmpty()) {
    caja.setNameFilters(filtros);
    caja.selectNameFilter(filtros.value(std::max(0, dialogo.filtroInicial - 1), filtros.front()));
  }
  if (!dialogo.nombreInicial.empty()) caja.selectFile(Q(dialogo.nombreInicial));
  if (caja.exec() != QDialog::Accepted || caja.selectedFiles().isEmpty()) return std::nullopt;
  return caja.selectedFiles().front().toStdString();
}

QStringList FiltrosQt(std::string_view filtro) {
  const QStringList partes = Q(filtro).split(QLatin1Char('|'));
  QStringList filtros;
  for (qsizetype i = 0; i + 1 < partes.size(); i += 2) {
    QString descripcion = partes[i].trimmed();
    const QString patron = partes[i + 1].trimmed();
    if (descripcion.isEmpty() || patron.isEmpty()) continue;
    // The description usually names its pattern already: "Ficheros de Apuestas (*.TXT)".
    const QString propio = QStringLiteral("(") + patron + QStringLiteral(")");
    if (descripcion.endsWith(propio)) descripcion.chop(propio.size());
    QStringList patrones;
    for (const QString& p : patron.split(QLatin1Char(';'))) {
      if (p == QStringLiteral("*.*")) {
        patrones << QStringLiteral("*");
        continue;
      }
      patrones << p;
      if (p.toLower() != p) patrones << p.toLower();
    }
    filtros << descripcion.trimmed() + QStringLiteral(" (") + patrones.join(QLatin1Char(' ')) + QStringLiteral(")");
  }
  return filtros;
}

}  // namespace tanteo
