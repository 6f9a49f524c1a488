#include "conditions/frm_filtro_cbres.h"

#include <algorithm>

namespace tanteo {

namespace {

bool EsElemento(std::string_view texto) {
  return std::find(FrmFiltroCBRES::kElementos.begin(), FrmFiltroCBRES::kElementos.end(), texto) !=
         FrmFiltroCBRES::kElementos.end();
}

std::string_view Recortar(std::string_view texto) {
  const auto inicio = texto.find_first_not_of(' ');
  if (inicio == std::string_view::npos) return {};
  return texto.substr(inicio, texto.find_last_not_of(' ') - inicio + 1);
}

}  // namespace

FrmFiltroCBRES::FrmFiltroCBRES(AjustesFiltros& filtros, ListaFiltros& lista)
    : PantallaBloques(lista, FilaFiltro::CBResultados, filtros.BloqueCBResultados, kColumnas),
      filtro_(filtros.cbResultados) {
  Cargar();
}

void FrmFiltroCBRES::ElegirCB(int columna, int partido, std::string_view elemento) {
  FocoCB();
  if (EsElemento(elemento)) cbo_[columna][partido] = std::string(elemento);
}

std::string FrmFiltroCBRES::txtAciertos(int columna) const { return TextoAciertos(CBDeColumna(columna).aciertos); }

std::string FrmFiltroCBRES::cmdTituloCB(int indice) const { return "CB" + std::to_string(BloqueDe(indice + 1)); }

void FrmFiltroCBRES::PulsarTituloCB(int indice) {
  const int columna = indice + 1;
  for (int m = 1; m <= kPartidos; ++m) {
    cbo_[columna][m] = std::string(kSinResultado);
    CBDeColumna(columna).pronostico[m] = std::string(kSinResultado);
  }
}

void FrmFiltroCBRES::PulsarModificar(int indice, DialogoAciertos& dialogo) {
  EscribirPagina();
  ColumnaBaseResultados& cb = CBDeColumna(indice + 1);
  ModificarAciertos(cb.aciertos, cb.AciertosAlcanzables(), "ACIERTOS EN CB" + std::to_string(BloqueDe(indice + 1)),
                    dialogo);
}

void FrmFiltroCBRES::EscribirPagina() {
  for (int columna = 1; columna <= kColumnas; ++columna) {
    for (int m = 1; m <= kPartidos; ++m) CBDeColumna(columna).pronostico[m] = cbo_[columna][m];
  }
}

void FrmFiltroCBRES::RellenarPagina() {
  for (int m = 1; m <= kPartidos; ++m) {
    for (int columna = 1; columna <= kColumnas; ++columna) {
      // A cell that is not an item of the list leaves it at "---".
      cbo_[columna][m] = std::string(kSinResultado);
      const std::string_view celda = Recortar(CBDeColumna(columna).pronostico[m]);
      if (EsElemento(celda)) cbo_[columna][m] = std::string(celda);
    }
  }
}

std::optional<std::string> FrmFiltroCBRES::ErrorBloque(int bloque) const {
  const ColumnaBaseResultados& cb = filtro_.CB(bloque);
  if (cb.Participa() && !cb.EnUso()) return "ERROR en CB" + std::to_string(bloque) + " : Debe rellenar al menos un acierto";
  if (!cb.Participa() && cb.EnUso()) return "ERROR en CB" + std::to_string(bloque) + " : No ha rellenado ningún partido";
  return std::nullopt;
}

}  // namespace tanteo
