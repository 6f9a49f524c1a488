// A developed system for filter tests: the accepted results of each match, developed into
// ApuestasSistema with its lists, and every mark 0.
#pragma once

#include <initializer_list>
#include <vector>

#include "engine/almacen_apuestas.h"
#include "engine/base_pronostico.h"

namespace tanteo::pruebas {

inline void DesarrollarSistema(AlmacenApuestas& a, const std::vector<std::vector<int>>& aceptados) {
  TablaBase base{};
  for (int m = 1; m <= kPartidos; ++m) {
    for (int r : aceptados[m - 1]) base[m][r] = 1;
  }
  ListasDeBase(base, a.ResultadosPartido, a.NumResultados);
  a.TotalApuestas = 1;
  for (int m = 1; m <= kPartidos; ++m) a.TotalApuestas *= a.NumResultados[m];
  a.ApuestasSistema.Redimensionar(a.TotalApuestas);
  DesarrollarBase(base, a.ApuestasSistema, a.TotalApuestas);
  a.MarcasEliminacion.assign(static_cast<std::size_t>(a.TotalApuestas), 0);
}

}  // namespace tanteo::pruebas
