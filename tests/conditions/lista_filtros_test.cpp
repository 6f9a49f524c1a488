#include "conditions/lista_filtros.h"

#include <gtest/gtest.h>

namespace tanteo {
namespace {

constexpr std::array<std::string_view, kFilasListaFiltros> kInicio = {
    "No   CB Resultados     0 de 100", "No   Grupos Generales  0 de 100", "No   CB Goles          0 de 100",
    "No   Sumas Goles       0 de 100", "No   Grupos Resultados 0 de 100", "No   Figuras           -       ",
    "No   Rangos            -       ", "No   Coe. Rentabilidad -       ", "No   Probabilidad      -       ",
    "No   Reducción         -       ",
};

TEST(ListaFiltros, AlArrancarLasDiezFilasInactivas) {
  const ListaFiltros lista;
  for (int i = 0; i < kFilasListaFiltros; ++i) {
    EXPECT_EQ(lista.Texto(FilaDeIndice(i)), kInicio[i]) << "fila " << i;
    EXPECT_FALSE(lista.Activa(FilaDeIndice(i)));
  }
}

TEST(ListaFiltros, ActivarCambiaSoloLaPalabraYAlternarDosVecesRestaura) {
  ListaFiltros lista;
  for (int i = 0; i < kFilasListaFiltros; ++i) {
    const FilaFiltro fila = FilaDeIndice(i);
    lista.Alternar(fila);
    EXPECT_TRUE(lista.Activa(fila));
    EXPECT_EQ(lista.Texto(fila), "Sí" + std::string(kInicio[i].substr(2)));
    lista.Alternar(fila);
    EXPECT_EQ(lista.Texto(fila), kInicio[i]);
  }
  lista.Activar(FilaFiltro::Rangos);
  lista.Activar(FilaFiltro::Rangos);
  EXPECT_EQ(lista.Texto(FilaFiltro::Rangos), "Sí   Rangos            -       ");
}

TEST(ListaFiltros, TextoBloquesActivosCuentaLosCBEnUso) {
  AjustesFiltros filtros;
  filtros.cbResultados.CB(3).aciertos[0] = 1;
  filtros.cbResultados.CB(100).aciertos[6] = 1;
  filtros.cbResultados.CB(7).pronostico[1] = "1-0";  // choices alone are not "in use"
  EXPECT_EQ(TextoBloquesActivos(filtros, "CB RESULTADOS"), "2 de 100");
  EXPECT_EQ(TextoBloquesActivos(filtros, "SUMAS GOLES"), "0 de 100");
  EXPECT_EQ(TextoBloquesActivos(filtros, "FIGURAS"), "");
}

TEST(ListaFiltros, TrasCerrarUnaPantallaDeBloquesLaFilaMuestraLaCuenta) {
  AjustesFiltros filtros;
  ListaFiltros lista;
  filtros.cbResultados.CB(1).aciertos[2] = 1;
  lista.ReconstruirBloques(FilaFiltro::CBResultados, filtros);
  EXPECT_EQ(lista.Texto(FilaFiltro::CBResultados), "No   CB Resultados     1 de 100");
  lista.Activar(FilaFiltro::CBResultados);
  filtros.cbResultados.CB(2).aciertos[2] = 1;
  lista.ReconstruirBloques(FilaFiltro::CBResultados, filtros);
  EXPECT_EQ(lista.Texto(FilaFiltro::CBResultados), "Sí   CB Resultados     2 de 100");
}

TEST(ListaFiltros, FilaDeReduccionSegunElTipo) {
  const std::pair<int, std::string_view> casos[] = {
      {0, "-   "}, {1, "al 5"}, {2, "al 4"}, {3, "al 3"}, {4, "al 2"}, {7, "-   "},
  };
  ListaFiltros lista;
  lista.Activar(FilaFiltro::Reduccion);
  for (const auto& [tipo, texto] : casos) {
    lista.ReconstruirReduccion(tipo);
    EXPECT_EQ(lista.Texto(FilaFiltro::Reduccion), "Sí   Reducción         " + std::string(texto));
  }
}

TEST(ListaFiltros, NuevaCombinacionDesactivaTodoYReescribeBloquesYReduccion) {
  AjustesFiltros filtros;
  Reduccion reduccion;
  ListaFiltros lista;
  filtros.cbResultados.CB(1).aciertos[2] = 1;
  lista.ReconstruirBloques(FilaFiltro::CBResultados, filtros);
  lista.ReconstruirReduccion(2);
  for (int i = 0; i < kFilasListaFiltros; ++i) lista.Activar(FilaDeIndice(i));
  InicializarFiltros(filtros, reduccion);
  lista.ReiniciarTrasNuevo(filtros);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(lista.Texto(FilaDeIndice(i)), kInicio[i]) << "fila " << i;
  EXPECT_EQ(lista.Texto(FilaFiltro::Reduccion), "No   Reducción         -      ");
}

TEST(ListaFiltros, InicializarFiltrosDejaLosValoresPorDefecto) {
  AjustesFiltros filtros;
  Reduccion reduccion;
  filtros.cbResultados.CB(4).pronostico[2] = "2-2";
  filtros.cbResultados.CB(4).aciertos[1] = 1;
  filtros.probabilidad.TipoLimiteActivado = 1;
  filtros.probabilidad.LimitePorcentaje = 40;
  filtros.BloqueCBResultados = 9;
  filtros.BloqueSumaGoles = 30;
  filtros.EliminadasFiltro[1] = 77;
  reduccion.Tipo = 3;
  reduccion.ActivarCiclos = 0;
  InicializarFiltros(filtros, reduccion);
  EXPECT_EQ(filtros.cbResultados.CB(4).pronostico[2], "---");
  EXPECT_EQ(filtros.cbResultados.BloquesEnUso(), 0);
  EXPECT_EQ(filtros.probabilidad, FiltroProbabilidad{});
  EXPECT_EQ(filtros.probabilidad.LimitePorcentaje, 100);
  EXPECT_EQ(filtros.BloqueCBResultados, 1);
  EXPECT_EQ(filtros.BloqueSumaGoles, 1);
  EXPECT_EQ(filtros.EliminadasFiltro, ContadoresEliminadas{});
  EXPECT_EQ(reduccion, Reduccion{});
  EXPECT_EQ(reduccion.Porcentaje, 100);
  EXPECT_EQ(reduccion.ActivarCiclos, 1);
}

}  // namespace
}  // namespace tanteo
