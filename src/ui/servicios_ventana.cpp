#include "ui/servicios_ventana.h"

#include <algorithm>

#include "evaluation/analisis.h"
#include "formats/escritura_atomica.h"
#include "ui/frm_alazar.h"
#include "ui/frm_analisis.h"
#include "ui/frm_principal.h"

namespace tanteo {

namespace {

// The filter list as it stands at start-up, until the filter chain keeps it itself.
constexpr const char* kFilasIniciales[10] = {
    "No   CB Resultados     0 de 100", "No   Grupos Generales  0 de 100", "No   CB Goles          0 de 100",
    "No   Sumas Goles       0 de 100", "No   Grupos Resultados 0 de 100", "No   Figuras           -       ",
    "No   Rangos            -       ", "No   Coe. Rentabilidad -       ", "No   Probabilidad      -       ",
    "No   Reducción         -       ",
};

void Reemplazar(std::string& texto, const std::string& de, const std::string& por) {
  for (std::size_t p = texto.find(de); p != std::string::npos; p = texto.find(de, p + por.size())) {
    texto.replace(p, de.size(), por);
  }
}

}  // namespace

ServiciosVentana::ServiciosVentana(Plataforma& plataforma) : plataforma_(plataforma) { InicializarFiltros(); }

bool ServiciosVentana::Disponible(Funcion funcion) const {
  return funcion == Funcion::BaseAlAzar || funcion == Funcion::Analisis;
}

void ServiciosVentana::RellenarJornadas(ListaDesplegable& lista) {
  lista.entradas.clear();
  for (int j = 1; j <= 99; ++j) lista.entradas.push_back(std::to_string(j));
  lista.SeleccionarPrimera();
}

void ServiciosVentana::RellenarTemporadas(ListaDesplegable& lista) {
  lista.entradas.clear();
  for (int a = 1990; a <= 2060; ++a) lista.entradas.push_back(std::to_string(a) + "/" + std::to_string(a + 1));
  const FechaHora hoy = plataforma_.Ahora();
  const int inicio = hoy.mes <= 7 ? hoy.anio - 1 : hoy.anio;
  if (!lista.PonerTexto(std::to_string(inicio) + "/" + std::to_string(inicio + 1))) lista.SeleccionarPrimera();
}

void ServiciosVentana::AlternarFiltro(int fila) {
  std::string& texto = filas_[fila];
  if (texto.rfind("No", 0) == 0) {
    Reemplazar(texto, "No", "Sí");
  } else {
    Reemplazar(texto, "Sí", "No");
  }
}

void ServiciosVentana::InicializarFiltros() {
  for (int fila = 0; fila < 10; ++fila) filas_[fila] = kFilasIniciales[fila];
}

void ServiciosVentana::BaseAlAzar() {
  if (ventana_ == nullptr || azar_ == nullptr) return;
  FrmAlazar pantalla(ventana_->Comandos().combinacion.base, *azar_, plataforma_, [this] { ventana_->Refrescar(); },
                     ventana_);
  pantalla.exec();
}

void ServiciosVentana::Analisis() {
  if (ventana_ == nullptr) return;
  ComandosPrincipal& comandos = ventana_->Comandos();
  const AlmacenApuestas& apuestas = comandos.combinacion.apuestas;
  // The final-bets counter gives K; the rows analysed never go past the rows there are.
  const std::int32_t K = std::clamp(apuestas.TotalFinales, std::int32_t{0}, apuestas.ApuestasFinales.Filas());
  FrmAnalisis pantalla(FrmAnalisisLogica(AnalizarApuestas(apuestas.ApuestasFinales, K)), comandos.estado.txtPartido,
                       comandos.plataforma, comandos.interaccion, ventana_);
  pantalla.exec();
}

bool ServiciosVentana::EscribirFichero(const std::filesystem::path& fichero, std::string_view contenido) {
  return EscribirFicheroAtomicamente(fichero, contenido).ok;
}

}  // namespace tanteo
