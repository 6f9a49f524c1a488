#include "ui/servicios_ventana.h"

#include "formats/escritura_atomica.h"

namespace tanteo {

ServiciosVentana::ServiciosVentana(Plataforma& plataforma, Combinacion& combinacion)
    : plataforma_(plataforma), combinacion_(combinacion) {}

bool ServiciosVentana::Disponible(Funcion) const { return false; }

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

void ServiciosVentana::AlternarFiltro(int fila) { combinacion_.lstFiltros.Alternar(FilaDeIndice(fila)); }

void ServiciosVentana::InicializarFiltros() { combinacion_.ReiniciarFiltros(); }

bool ServiciosVentana::EscribirFichero(const std::filesystem::path& fichero, std::string_view contenido) {
  return EscribirFicheroAtomicamente(fichero, contenido).ok;
}

}  // namespace tanteo
