// Answers of the matchday service written for the tests.
#pragma once

#include <string>
#include <vector>

namespace tanteo::pruebas {

inline std::string Respuesta(const std::vector<std::string>& partidos) {
  std::string texto = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quinigol>\n";
  for (const std::string& p : partidos) texto += "  " + p + "\n";
  return texto + "</quinigol>\n";
}

inline std::string PartidoEquipos(int num, const std::string& local, const std::string& visitante,
                                  const std::string& elemento = "partido") {
  return "<" + elemento + " num=\"" + std::to_string(num) + "\" equipo1=\"" + local + "\" equipo2=\"" + visitante +
         "\"/>";
}

// The percentage attribute of a kind ("pta", "pt", "ptl"), sign 0..3 and side (0 home, 1 away)
// of match n, as the answer writes it: "<kind 1..3><n>.<side><sign>", so every box shows
// where its text came from (pt, match 4, away, sign 1 → "24.11").
inline std::string ValorPrueba(int clase, int num, int lado, int signo) {
  return std::to_string(clase * 10 + num) + "." + std::to_string(lado) + std::to_string(signo);
}

inline std::string PartidoPorcentajes(int num, const std::string& sinAtributo = {}) {
  static const char* const kPrefijos[] = {"pta", "pt", "ptl"};
  static const char* const kSignos[] = {"0", "1", "2", "M"};
  static const char* const kLados[] = {"_local", "_visitante"};
  std::string texto = "<partido num=\"" + std::to_string(num) + "\"";
  for (int clase = 1; clase <= 3; ++clase) {
    for (int lado = 0; lado < 2; ++lado) {
      for (int signo = 0; signo < 4; ++signo) {
        const std::string nombre = std::string(kPrefijos[clase - 1]) + kSignos[signo] + kLados[lado];
        if (nombre != sinAtributo) texto += " " + nombre + "=\"" + ValorPrueba(clase, num, lado, signo) + "\"";
      }
    }
  }
  return texto + "/>";
}

}  // namespace tanteo::pruebas
