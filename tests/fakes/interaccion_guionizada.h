// Scripted Interaccion for tests: records every message, question and dialog, and answers
// questions and dialogs from queues. A question or dialog with no answer queued fails the
// test at once instead of waiting for someone to click.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/interaccion.h"

namespace tanteo::pruebas {

class InteraccionGuionizada : public Interaccion {
 public:
  struct Mostrado {
    Icono icono;
    std::string texto;
  };

  ~InteraccionGuionizada() override {
    if (alFallar) return;
    EXPECT_TRUE(respuestas_.empty()) << respuestas_.size() << " respuesta(s) preparada(s) sin pregunta";
    EXPECT_TRUE(ficheros_.empty()) << ficheros_.size() << " fichero(s) preparado(s) sin diálogo";
  }

  void ResponderSi() { respuestas_.push_back(true); }
  void ResponderNo() { respuestas_.push_back(false); }
  void ElegirFichero(std::string ruta) { ficheros_.emplace_back(std::move(ruta)); }
  void CancelarDialogo() { ficheros_.emplace_back(std::nullopt); }

  void Mensaje(Icono icono, std::string_view texto) override { mensajes.push_back({icono, std::string(texto)}); }

  bool Pregunta(std::string_view texto) override {
    preguntas.emplace_back(texto);
    if (respuestas_.empty()) {
      Fallar("pregunta sin respuesta preparada: " + std::string(texto));
      return false;
    }
    const bool si = respuestas_.front();
    respuestas_.pop_front();
    return si;
  }

  std::optional<std::string> AbrirFichero(const DialogoFichero& dialogo) override { return Dialogo(dialogo); }
  std::optional<std::string> GuardarFichero(const DialogoFichero& dialogo) override { return Dialogo(dialogo); }

  // The texts shown, in order.
  std::vector<std::string> Textos() const {
    std::vector<std::string> t;
    for (const auto& m : mensajes) t.push_back(m.texto);
    return t;
  }

  // Answers prepared and not asked for yet.
  std::size_t Pendientes() const { return respuestas_.size() + ficheros_.size(); }

  // Where a failure goes instead of GoogleTest and an exception (a Qt test cannot throw
  // through the event loop); the question then gets No and the dialog is cancelled.
  std::function<void(const std::string&)> alFallar;

  std::vector<Mostrado> mensajes;
  std::vector<std::string> preguntas;
  std::vector<DialogoFichero> dialogos;

 private:
  std::optional<std::string> Dialogo(const DialogoFichero& dialogo) {
    dialogos.push_back(dialogo);
    if (ficheros_.empty()) {
      Fallar("diálogo sin respuesta preparada: " + dialogo.titulo);
      return std::nullopt;
    }
    auto ruta = ficheros_.front();
    ficheros_.pop_front();
    return ruta;
  }
  void Fallar(const std::string& motivo) {
    if (alFallar) {
      alFallar(motivo);
      return;
    }
    ADD_FAILURE() << motivo;
    throw std::logic_error(motivo);
  }

  std::deque<bool> respuestas_;
  std::deque<std::optional<std::string>> ficheros_;
};

}  // namespace tanteo::pruebas
