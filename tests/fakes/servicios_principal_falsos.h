// ServiciosPrincipal for tests: every piece available unless told otherwise, selectors
// filled like the real ones, team names from a table, and a record of every call. The
// run, the import and the screens do what the test puts in their hooks.
#pragma once

#include <array>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/servicios_principal.h"

namespace tanteo::pruebas {

class ServiciosPrincipalFalsos : public ServiciosPrincipal {
 public:
  bool Disponible(Funcion funcion) const override { return !ausentes.count(funcion); }

  void RellenarJornadas(ListaDesplegable& lista) override {
    lista.entradas.clear();
    for (int j = 1; j <= 99; ++j) lista.entradas.push_back(std::to_string(j));
    lista.indice = 0;
  }
  void RellenarTemporadas(ListaDesplegable& lista) override {
    lista.entradas.clear();
    for (int a = 1990; a <= 2060; ++a) lista.entradas.push_back(std::to_string(a) + "/" + std::to_string(a + 1));
    if (!lista.PonerTexto(temporadaActual)) lista.indice = 0;
  }
  void CargarPartidosJornada(std::string_view jornada, std::string_view temporada,
                             std::array<std::string, kEquipos>& equipos) override {
    cargas.emplace_back(std::string(jornada), std::string(temporada));
    for (int t = 0; t < kEquipos; ++t) equipos[t] = std::string(jornada) + "-" + std::to_string(t + 1);
  }

  void Calcular() override { Llamar("Calcular", calcular); }
  void Importar() override { Llamar("Importar", importar); }
  void GuardarApuestas(std::int32_t finales) override {
    guardadas.push_back(finales);
    Llamar("GuardarApuestas", guardar);
  }
  void BaseAlAzar() override { Llamar("BaseAlAzar", baseAlAzar); }
  void Analisis() override { Llamar("Analisis", {}); }
  void Garantias() override { Llamar("Garantias", {}); }
  void Escrutinio(std::int32_t apuestas) override {
    escrutadas.push_back(apuestas);
    Llamar("Escrutinio", {});
  }
  void SistemasPropios() override { Llamar("SistemasPropios", {}); }

  bool EscribirFichero(const std::filesystem::path& fichero, std::string_view contenido) override {
    std::ofstream salida(fichero, std::ios::binary);
    salida << contenido;
    return static_cast<bool>(salida);
  }

  std::set<Funcion> ausentes;
  std::string temporadaActual = "2024/2025";
  std::function<void()> calcular, importar, guardar, baseAlAzar;

  std::vector<std::string> llamadas;  // in order: "Calcular", "Analisis", ...
  std::vector<std::pair<std::string, std::string>> cargas;
  std::vector<std::int32_t> guardadas, escrutadas;

 private:
  void Llamar(const char* nombre, const std::function<void()>& gancho) {
    llamadas.emplace_back(nombre);
    if (gancho) gancho();
  }
};

}  // namespace tanteo::pruebas
