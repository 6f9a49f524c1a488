// What the main window's commands ask of the rest of the program: the matchday service,
// the conditioning run, the bets files and the modal screens. The program
// wires the real ones; tests script them.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "engine/lista_desplegable.h"
#include "engine/vocabulario.h"

namespace tanteo {

// The pieces that can be missing from a build, so the window offers only what it has.
enum class Funcion {
  CargarPartidos,
  Calculo,
  Importacion,
  GuardarApuestas,
  BaseAlAzar,
  Analisis,
  Garantias,
  Escrutinio,
  SistemasPropios,
};

class ServiciosPrincipal {
 public:
  virtual ~ServiciosPrincipal() = default;
  virtual bool Disponible(Funcion funcion) const = 0;

  // The selectors' entries and their first selection.
  virtual void RellenarJornadas(ListaDesplegable& lista) = 0;
  virtual void RellenarTemporadas(ListaDesplegable& lista) = 0;
  // The team names of a matchday into `equipos` (index team - 1); failures are reported
  // to the player by the service itself.
  virtual void CargarPartidosJornada(std::string_view jornada, std::string_view temporada,
                                     std::array<std::string, kEquipos>& equipos) = 0;

  // "Cálculo de Prueba": the conditioning run, reduction included.
  virtual void Calcular() = 0;
  // The import of a bets file for the "Desde Archivo" type (its own dialog and messages).
  virtual void Importar() = 0;
  // Saves the first `finales` final bets and the XML base beside them.
  virtual void GuardarApuestas(std::int32_t finales) = 0;

  // The modal screens the commands open.
  virtual void BaseAlAzar() = 0;
  virtual void Analisis() = 0;
  virtual void Garantias() = 0;
  virtual void Escrutinio(std::int32_t ApuestasAESCRUTAR) = 0;
  virtual void SistemasPropios() = 0;

  // Writes a file of the program's folder as a whole; false when it could not be written.
  virtual bool EscribirFichero(const std::filesystem::path& fichero, std::string_view contenido) = 0;
};

}  // namespace tanteo
