// Analysis of the final bets: how many carry each result of each match and each goal sign
// of each team, shown as counts or percentages and written as a text report.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/interaccion.h"
#include "engine/plataforma.h"
#include "engine/tabla_apuestas.h"
#include "engine/vocabulario.h"

namespace tanteo {

struct Analisis {
  std::int32_t K = 0;
  std::array<std::array<std::int32_t, kResultados + 1>, kPartidos + 1> ConteoResultados{};  // [partido][resultado]
  std::array<std::array<std::int32_t, kSignos>, kEquipos + 1> ConteoSignos{};                // [equipo][signo]
};

// Over rows 1..K of `apuestas`.
Analisis AnalizarApuestas(const TablaApuestas& apuestas, std::int32_t K);

inline constexpr std::string_view kFicheroAnalisis = "TANTEO_ANALISIS.txt";

// The state of the analysis screen.
class FrmAnalisisLogica {
 public:
  explicit FrmAnalisisLogica(Analisis analisis) : analisis_(std::move(analisis)) {}

  const Analisis& Datos() const { return analisis_; }
  bool MuestraPorcentajes() const { return porcentajes_; }
  // cmdSwitch: counts <-> percentages; its caption names the other view.
  void Cambiar() { porcentajes_ = !porcentajes_; }
  std::string TextoCmdSwitch() const { return porcentajes_ ? "Nº" : "%"; }

  // A cell holds bets (light-yellow background) exactly when its count is positive.
  static bool Marcada(std::int32_t cuenta) { return cuenta > 0; }
  // What a cell shows: empty for 0, else the count or count x 100 / K with two decimals and "%".
  std::string TextoCelda(std::int32_t cuenta) const;
  std::string TextoResultado(int partido, int resultado) const {
    return TextoCelda(analisis_.ConteoResultados[partido][resultado]);
  }
  std::string TextoSigno(int equipo, int signo) const { return TextoCelda(analisis_.ConteoSignos[equipo][signo]); }

  // Tool tip of a match's row labels: the home team's name, "-", the away team's name
  // (`equipos` as the main window shows them, index team - 1).
  static std::string AyudaPartido(const std::array<std::string, kEquipos>& equipos, int partido) {
    return equipos[2 * partido - 2] + "-" + equipos[2 * partido - 1];
  }

  // The report as shown (UTF-8, CR LF line ends).
  std::string Informe() const;
  // cmdVerAnalisis: writes the report to the program's folder and opens it in the editor;
  // a failure is reported with "ERROR AL GENERAR EL FICHERO EN EL BLOC DE NOTAS (...)".
  bool VerInforme(Plataforma& plataforma, Interaccion& interaccion) const;

 private:
  Analisis analisis_;
  bool porcentajes_ = false;
};

}  // namespace tanteo
