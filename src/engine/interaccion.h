// What the core asks of the person at the screen: messages, Yes/No questions and file
// dialogs. Every message box is titled "TANTEO".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tanteo {

enum class Icono { Error, Aviso, Informacion };

struct DialogoFichero {
  std::string titulo;
  // "Description|pattern|Description|pattern", as the program writes its filter lists.
  std::string filtro;
  int filtroInicial = 1;  // 1 = the first pair of `filtro`
  std::string nombreInicial;
  bool confirmarSobrescritura = false;
};

class Interaccion {
 public:
  virtual ~Interaccion() = default;
  virtual void Mensaje(Icono icono, std::string_view texto) = 0;
  // Yes/No with No preselected; true for Yes.
  virtual bool Pregunta(std::string_view texto) = 0;
  // The chosen path, or nothing when the dialog was cancelled.
  virtual std::optional<std::string> AbrirFichero(const DialogoFichero& dialogo) = 0;
  virtual std::optional<std::string> GuardarFichero(const DialogoFichero& dialogo) = 0;

  void Error(std::string_view texto) { Mensaje(Icono::Error, texto); }
  void Aviso(std::string_view texto) { Mensaje(Icono::Aviso, texto); }
  void Informacion(std::string_view texto) { Mensaje(Icono::Informacion, texto); }
};

}  // namespace tanteo
