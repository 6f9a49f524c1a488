// The program's ServiciosPrincipal: what the window's commands reach outside the
// combination. Pieces that this build does not have yet report themselves unavailable, and
// the window keeps their controls disabled.
#pragma once

#include <memory>

#include "engine/interaccion.h"
#include "matchday/servicio_jornada.h"

#include <array>
#include <string>

#include "engine/generador_aleatorio.h"
#include "engine/plataforma.h"
#include "engine/servicios_principal.h"

namespace tanteo {

class FrmPrincipal;

class ServiciosVentana : public ServiciosPrincipal {
 public:
  // `interaccion` shows the matchday service's failures.
  ServiciosVentana(Plataforma& plataforma, Interaccion& interaccion);

  // The window the screens open over and read the combination from, once it exists; its
  // "J" button opens the load-matchday screen.
  void PonerVentana(FrmPrincipal& ventana);
  // The program's generator, for the random base.
  void PonerGenerador(GeneradorAleatorio& azar) { azar_ = &azar; }

  bool Disponible(Funcion funcion) const override;

  void RellenarJornadas(ListaDesplegable& lista) override;
  void RellenarTemporadas(ListaDesplegable& lista) override;
  void CargarPartidosJornada(std::string_view jornada, std::string_view temporada,
                             std::array<std::string, kEquipos>& equipos) override;

  void Calcular() override;
  void Importar() override;
  void GuardarApuestas(std::int32_t finales) override;
  void BaseAlAzar() override;
  void Analisis() override;
  void Garantias() override {}
  void Escrutinio(std::int32_t) override {}
  void SistemasPropios() override {}
  // "Cargar Jornada" over the main window's selectors and team names.
  void CargarJornada();

  bool EscribirFichero(const std::filesystem::path& fichero, std::string_view contenido) override;

 private:
  FrmPrincipal& Ventana() const;

  Plataforma& plataforma_;
  Interaccion& interaccion_;
  std::unique_ptr<ServicioJornada> servicioJornada_;
  FrmPrincipal* ventana_ = nullptr;
  GeneradorAleatorio* azar_ = nullptr;
};

}  // namespace tanteo
