#include "engine/acciones_lista_filtros.h"

#include <gtest/gtest.h>

#include <functional>

namespace tanteo {
namespace {

class PantallasRegistradas : public PantallasFiltros {
 public:
  std::function<void()> alMostrar = [] {};
  std::vector<int> abiertas;  // rows
  void MostrarFiltro(FilaFiltro fila) override {
    abiertas.push_back(IndiceFila(fila));
    alMostrar();
  }
  void MostrarReduccion() override {
    abiertas.push_back(IndiceFila(FilaFiltro::Reduccion));
    alMostrar();
  }
};

TEST(ListaPrincipalFiltros, DobleClicSinSeleccionSoloQuitaElGuardado) {
  Combinacion c;
  PantallasRegistradas pantallas;
  DobleClicListaFiltros(c, std::nullopt, pantallas);
  EXPECT_FALSE(c.guardadaXML);
  EXPECT_TRUE(pantallas.abiertas.empty());
}

TEST(ListaPrincipalFiltros, TrasLaPantallaDeBloquesLaFilaCuentaDesdeLaPaginaUno) {
  Combinacion c;
  c.filtros.BloqueCBResultados = 12;
  PantallasRegistradas pantallas;
  int paginaAlAbrir = 0;
  pantallas.alMostrar = [&] {
    paginaAlAbrir = c.filtros.BloqueCBResultados;
    c.filtros.cbResultados.CB(8).aciertos[3] = 1;
  };
  DobleClicListaFiltros(c, FilaFiltro::CBResultados, pantallas);
  EXPECT_EQ(paginaAlAbrir, 1);
  EXPECT_EQ(c.lstFiltros.Texto(FilaFiltro::CBResultados), "No   CB Resultados     1 de 100");
}

TEST(ListaPrincipalFiltros, FilasSinBloquesYReduccion) {
  Combinacion c;
  PantallasRegistradas pantallas;
  pantallas.alMostrar = [&] {
    c.lstFiltros.Activar(FilaFiltro::Reduccion);
    c.reduccion.Tipo = 3;
  };
  DobleClicListaFiltros(c, FilaFiltro::Reduccion, pantallas);
  EXPECT_EQ(c.lstFiltros.Texto(FilaFiltro::Reduccion), "Sí   Reducción         al 3");
  DobleClicListaFiltros(c, FilaFiltro::Rangos, pantallas);
  EXPECT_EQ(c.lstFiltros.Texto(FilaFiltro::Rangos), "No   Rangos            -       ");
  EXPECT_EQ(pantallas.abiertas, (std::vector<int>{9, 6}));
}

TEST(ListaPrincipalFiltros, BotonDerechoAlternaLaFilaElegida) {
  Combinacion c;
  PulsarDerechoListaFiltros(c, std::nullopt);
  PulsarDerechoListaFiltros(c, FilaFiltro::Figuras);
  EXPECT_TRUE(c.lstFiltros.Activa(FilaFiltro::Figuras));
  EXPECT_TRUE(c.guardadaXML);
  PulsarDerechoListaFiltros(c, FilaFiltro::Figuras);
  EXPECT_EQ(c.lstFiltros.Texto(FilaFiltro::Figuras), "No   Figuras           -       ");
}

}  // namespace
}  // namespace tanteo
