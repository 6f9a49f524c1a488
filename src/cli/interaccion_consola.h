// Interaccion for the command line: messages go to standard error; nobody is there to
// answer, so questions get No and file dialogs are cancelled.
#pragma once

#include "engine/interaccion.h"

namespace tanteo::cli {

class InteraccionConsola final : public Interaccion {
 public:
  void Mensaje(Icono icono, std::string_view texto) override;
  bool Pregunta(std::string_view texto) override;
  std::optional<std::string> AbrirFichero(const DialogoFichero& dialogo) override;
  std::optional<std::string> GuardarFichero(const DialogoFichero& dialogo) override;
};

}  // namespace tanteo::cli
