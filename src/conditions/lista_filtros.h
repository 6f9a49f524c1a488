// The filter list of the main window: ten fixed rows, nine filters in chain order and the
// reduction last. A row is activation (5 characters), name (18) and information; a filter
// is active exactly when its row begins with "Sí".
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "conditions/ajustes_filtros.h"

namespace tanteo {

// The rows, 0-based as the list numbers them.
enum class FilaFiltro {
  CBResultados = 0,
  GruposGenerales,
  CBGoles,
  SumaGoles,
  GruposResultados,
  Figuras,
  Rangos,
  CoeRentabilidad,
  Probabilidad,
  Reduccion,
};

inline constexpr int kFilasListaFiltros = 10;

constexpr FilaFiltro FilaDeIndice(int indice) { return static_cast<FilaFiltro>(indice); }
constexpr int IndiceFila(FilaFiltro fila) { return static_cast<int>(fila); }
// Rows 0..4 hold 100 blocks each.
constexpr bool EsFiltroDeBloques(FilaFiltro fila) { return IndiceFila(fila) <= IndiceFila(FilaFiltro::GruposResultados); }
// The EliminadasFiltro slot of a filter row (1..9).
constexpr int RanuraContador(FilaFiltro fila) { return IndiceFila(fila) + 1; }

inline constexpr std::string_view kActivada = "Sí   ";
inline constexpr std::string_view kDesactivada = "No   ";

// The name column, blank-padded to 18 characters.
std::string_view NombreFila(FilaFiltro fila);
// The TextoBloquesActivos key of rows 0..4; "" for the others.
std::string_view ClaveBloques(FilaFiltro fila);
// The reduction row's information: "-   ", or "al 5" .. "al 2" for types 1..4.
std::string_view TextoTipoReduccion(int tipo);

class ListaFiltros {
 public:
  // The rows at start-up, all "No   ".
  ListaFiltros();

  const std::string& Texto(FilaFiltro fila) const { return filas_[IndiceFila(fila)]; }
  bool Activa(FilaFiltro fila) const;
  // Every "No" of the row becomes "Sí" / every "Sí" becomes "No".
  void Activar(FilaFiltro fila);
  void Desactivar(FilaFiltro fila);
  // A row that begins "No" is activated, any other deactivated.
  void Alternar(FilaFiltro fila);

  // After a block-filter screen closes: its activation, name and current block count.
  void ReconstruirBloques(FilaFiltro fila, const AjustesFiltros& filtros);
  // After the reduction screen closes: its activation, name and the type text.
  void ReconstruirReduccion(int tipo);
  // After a new combination: everything inactive, block counts current, rows 5..8 kept.
  void ReiniciarTrasNuevo(const AjustesFiltros& filtros);

 private:
  std::string Prefijo(FilaFiltro fila) const { return std::string(Activa(fila) ? kActivada : kDesactivada); }
  std::array<std::string, kFilasListaFiltros> filas_;
};

}  // namespace tanteo
