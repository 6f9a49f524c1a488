#include "matchday/pantalla_cargar_jornada.h"

#include "matchday/carga_jornada.h"
#include "matchday/fichero_partidos.h"

namespace tanteo {
namespace {

// The same entry as `origen`, where it has one this list holds.
void SeleccionarComo(ListaDesplegable& destino, const ListaDesplegable& origen) {
  if (origen.indice >= 0) destino.PonerTexto(origen.Texto());
}

}  // namespace

PantallaCargarJornada::PantallaCargarJornada(ControlesJornada& principal, ServicioJornada& servicio,
                                             Plataforma& plataforma, Interaccion& interaccion)
    : principal_(principal), servicio_(servicio), interaccion_(interaccion) {
  RellenarJornadas(controles.cboNumeroJornada);
  RellenarTemporadas(controles.cboTemporada, plataforma.Ahora());
  SeleccionarComo(controles.cboNumeroJornada, principal_.cboNumeroJornada);
  SeleccionarComo(controles.cboTemporada, principal_.cboTemporada);
  controles.txtPartido.nombre = principal_.txtPartido.nombre;
}

void PantallaCargarJornada::imgConectar(Progreso& progreso) {
  progreso.Texto(kTextoDescargando);
  progreso.Ceder();
  CargarPartidosJornada(servicio_, controles.cboNumeroJornada.Texto(), controles.cboTemporada.Texto(),
                        controles.txtPartido, interaccion_);
  progreso.Texto({});
}

void PantallaCargarJornada::imgCargarJornada() { CargarFicheroPartidos(controles.txtPartido, interaccion_); }

void PantallaCargarJornada::imgInicializarPartidos() { controles.txtPartido.Vaciar(); }

void PantallaCargarJornada::imgVolver() {
  principal_.txtPartido.nombre = controles.txtPartido.nombre;
  principal_.cboNumeroJornada.indice = controles.cboNumeroJornada.indice;
  principal_.cboTemporada.indice = controles.cboTemporada.indice;
}

}  // namespace tanteo
