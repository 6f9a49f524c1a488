// Interaccion with Qt's message boxes and file dialogs, every one titled "TANTEO" or with
// the dialog's own title.
#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "engine/interaccion.h"

namespace tanteo {

class InteraccionQt : public Interaccion {
 public:
  explicit InteraccionQt(QWidget* padre = nullptr) : padre_(padre) {}
  void PonerPadre(QWidget* padre) { padre_ = padre; }

  void Mensaje(Icono icono, std::string_view texto) override;
  bool Pregunta(std::string_view texto) override;
  std::optional<std::string> AbrirFichero(const DialogoFichero& dialogo) override;
  std::optional<std::string> GuardarFichero(const DialogoFichero& dialogo) override;

 private:
  std::optional<std::string> Dialogo(const DialogoFichero& dialogo, bool guardar);
  QWidget* Padre() const;
  QPointer<QWidget> padre_;
};

// "Description|pattern|Description|pattern|" as Qt's name filters. Patterns also match
// lower-case names (the file systems here tell case apart), and "*.*" shows every file.
QStringList FiltrosQt(std::string_view filtro);

}  // namespace tanteo
