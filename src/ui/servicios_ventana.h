// The program's ServiciosPrincipal: what the window's commands reach outside the
// combination. Pieces that this build does not have yet report themselves unavailable, and
// the window keeps their controls disabled.
#pragma once

#include <array>
#include <string>

#include "engine/combinacion.h"
#include "engine/plataforma.h"
#include "engine/servicios_principal.h"

namespace tanteo {

class ServiciosVentana : public ServiciosPrincipal {
 public:
  ServiciosVentana(Plataforma& plataforma, Combinacion& combinacion);

  bool Disponible(Funcion funcion) const override;

  void RellenarJornadas(ListaDesplegable& lista) override;
  void RellenarTemporadas(ListaDesplegable& lista) override;
  void CargarPartidosJornada(std::string_view, std::string_view, std::array<std::string, kEquipos>&) override {}

  std::string FilaFiltro(int fila) const override { return combinacion_.lstFiltros.Texto(FilaDeIndice(fila)); }
  void AlternarFiltro(int fila) override;
  void InicializarFiltros() override;

  void Calcular() override {}
  void Importar() override {}
  void GuardarApuestas(std::int32_t) override {}
  void BaseAlAzar() override {}
  void Analisis() override {}
  void Garantias() override {}
  void Escrutinio(std::int32_t) override {}
  void SistemasPropios() override {}

  bool EscribirFichero(const std::filesystem::path& fichero, std::string_view contenido) override;

 private:
  Plataforma& plataforma_;
  Combinacion& combinacion_;
};

}  // namespace tanteo
