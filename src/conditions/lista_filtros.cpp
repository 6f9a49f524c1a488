#include "conditions/lista_filtros.h"

namespace tanteo {

namespace {

constexpr std::array<std::string_view, kFilasListaFiltros> kNombres = {
    "CB Resultados     ", "Grupos Generales  ", "CB Goles          ", "Sumas Goles       ", "Grupos Resultados ",
    "Figuras           ", "Rangos            ", "Coe. Rentabilidad ", "Probabilidad      ", "Reducción         ",
};
constexpr std::array<std::string_view, kFilasListaFiltros> kClaves = {
    "CB RESULTADOS", "GRUPOS GENERALES", "CB GOLES", "SUMAS GOLES", "GRUPOS RESULTADOS", "", "", "", "", "",
};
constexpr std::string_view kSinInformacionInicio = "-       ";
constexpr std::string_view kReduccionTrasNuevo = "-      ";

void Sustituir(std::string& texto, std::string_view de, std::string_view a) {
  for (std::size_t p = texto.find(de); p != std::string::npos; p = texto.find(de, p + a.size())) {
    texto.replace(p, de.size(), a);
  }
}

}  // namespace

std::string_view NombreFila(FilaFiltro fila) { return kNombres[IndiceFila(fila)]; }
std::string_view ClaveBloques(FilaFiltro fila) { return kClaves[IndiceFila(fila)]; }

std::string_view TextoTipoReduccion(int tipo) {
  constexpr std::array<std::string_view, 5> kTextos = {"-   ", "al 5", "al 4", "al 3", "al 2"};
  return tipo >= 1 && tipo <= 4 ? kTextos[tipo] : kTextos[0];
}

ListaFiltros::ListaFiltros() {
  for (int i = 0; i < kFilasListaFiltros; ++i) {
    const FilaFiltro fila = FilaDeIndice(i);
    const std::string informacion =
        EsFiltroDeBloques(fila) ? "0 de " + std::to_string(kBloquesFiltro) : std::string(kSinInformacionInicio);
    filas_[i] = std::string(kDesactivada) + std::string(NombreFila(fila)) + informacion;
  }
}

bool ListaFiltros::Activa(FilaFiltro fila) const { return Texto(fila).starts_with("Sí"); }

void ListaFiltros::Activar(FilaFiltro fila) { Sustituir(filas_[IndiceFila(fila)], "No", "Sí"); }
void ListaFiltros::Desactivar(FilaFiltro fila) { Sustituir(filas_[IndiceFila(fila)], "Sí", "No"); }

void ListaFiltros::Alternar(FilaFiltro fila) {
  if (Texto(fila).starts_with("No")) {
    Activar(fila);
  } else {
    Desactivar(fila);
  }
}

void ListaFiltros::ReconstruirBloques(FilaFiltro fila, const AjustesFiltros& filtros) {
  filas_[IndiceFila(fila)] = Prefijo(fila) + std::string(NombreFila(fila)) + TextoBloquesActivos(filtros, ClaveBloques(fila));
}

void ListaFiltros::ReconstruirReduccion(int tipo) {
  filas_[IndiceFila(FilaFiltro::Reduccion)] =
      Prefijo(FilaFiltro::Reduccion) + std::string(NombreFila(FilaFiltro::Reduccion)) + std::string(TextoTipoReduccion(tipo));
}

void ListaFiltros::ReiniciarTrasNuevo(const AjustesFiltros& filtros) {
  for (int i = 0; i < kFilasListaFiltros; ++i) Desactivar(FilaDeIndice(i));
  for (int i = 0; i <= IndiceFila(FilaFiltro::GruposResultados); ++i) ReconstruirBloques(FilaDeIndice(i), filtros);
  filas_[IndiceFila(FilaFiltro::Reduccion)] =
      std::string(kDesactivada) + std::string(NombreFila(FilaFiltro::Reduccion)) + std::string(kReduccionTrasNuevo);
}

}  // namespace tanteo
