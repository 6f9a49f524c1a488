#include "engine/comandos.h"

#include <algorithm>
#include <optional>
#include <string>

#include "engine/comprobaciones.h"
#include "engine/configuracion.h"

namespace tanteo {

namespace {

std::string Mayusculas(std::string texto) {
  std::transform(texto.begin(), texto.end(), texto.begin(),
                 [](unsigned char c) { return static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c); });
  return texto;
}

// The selected row of the filter list; -1 when none is.
std::optional<FilaFiltro> Seleccionada(int fila) {
  if (fila < 0 || fila >= kFilasListaFiltros) return std::nullopt;
  return FilaDeIndice(fila);
}

}  // namespace

ComandosPrincipal::ComandosPrincipal(Combinacion& c, Interaccion& i, Plataforma& p, ServiciosPrincipal& s)
    : combinacion(c), interaccion(i), plataforma(p), servicios(s) {}

void ComandosPrincipal::Arrancar() {
  combinacion.guardadaXML = true;
  combinacion.cargando = true;
  servicios.RellenarJornadas(estado.cboNumeroJornada);
  servicios.RellenarTemporadas(estado.cboTemporada);
  combinacion.base.Reiniciar();
  combinacion.Recontar();
  estado.ficheroXML = kSinGuardar;
  LeerFicheroConfiguracion();
  combinacion.cargando = false;
  combinacion.cambiadaDesdeGeneracion = false;
  InicializarFiltros(combinacion.filtros, combinacion.reduccion);
  combinacion.lstFiltros = ListaFiltros();
  // Selected by the program itself: the type's action does not run.
  combinacion.tipo = TipoCombinacion::PronosticoManual;
  combinacion.tipoAnterior = TipoCombinacion::PronosticoManual;
}

void ComandosPrincipal::LeerFicheroConfiguracion() {
  const LecturaConfiguracion lectura = LeerConfiguracion(plataforma.CarpetaPrograma() / kFicheroConfiguracion);
  if (!lectura.existe) return;
  bool bien = lectura.legible;
  if (bien && Mayusculas(lectura.primera.clave) == "JORNADA") {
    const auto jornada = JornadaDeConfiguracion(lectura.primera.valor);
    bien = jornada && estado.cboNumeroJornada.PonerTexto(*jornada);
  }
  if (bien && lectura.segunda.clave == "TEMPORADA") bien = estado.cboTemporada.PonerTexto(lectura.segunda.valor);
  if (!bien) {
    estado.cboNumeroJornada.SeleccionarPrimera();
    estado.cboTemporada.SeleccionarPrimera();
    return;
  }
  CargarPartidos();
}

void ComandosPrincipal::CargarPartidos() {
  if (!servicios.Disponible(Funcion::CargarPartidos)) return;
  servicios.CargarPartidosJornada(estado.cboNumeroJornada.Texto(), estado.cboTemporada.Texto(), estado.txtPartido);
}

bool ComandosPrincipal::PedirCierre() {
  if (combinacion.ocupada || estado.bloqueada) return false;
  return combinacion.guardadaXML || interaccion.Pregunta(kPreguntaSalir);
}

bool ComandosPrincipal::Salir() { return combinacion.guardadaXML || interaccion.Pregunta(kPreguntaSalir); }

void ComandosPrincipal::Descargar() {
  AlmacenApuestas& a = combinacion.apuestas;
  a.ApuestasSistema.Liberar();
  a.ApuestasCondicionadas.Liberar();
  a.ApuestasFinales.Liberar();
  a.ApuestasImportadas.Liberar();
  a.MarcasEliminacion = {};
  a.OrdenApuestas = {};
  servicios.EscribirFichero(plataforma.CarpetaPrograma() / kFicheroConfiguracion,
                            TextoConfiguracion(estado.cboNumeroJornada.Texto(), estado.cboTemporada.Texto()));
}

void ComandosPrincipal::ElegirJornada(int indice) {
  estado.cboNumeroJornada.indice = indice;
  if (combinacion.cargando || !servicios.Disponible(Funcion::CargarPartidos)) return;
  estado.txtPartido.fill("");
  CargarPartidos();
}

void ComandosPrincipal::ElegirTemporada(int indice) {
  estado.cboTemporada.indice = indice;
  if (combinacion.cargando || !servicios.Disponible(Funcion::CargarPartidos)) return;
  estado.txtPartido.fill("");
  CargarPartidos();
}

void ComandosPrincipal::ElegirTipo(int indice) {
  // A calculation at work owns the combination; the list is locked then anyway.
  if (combinacion.ocupada || indice < 0 || indice > 2) return;
  combinacion.tipo = static_cast<TipoCombinacion>(indice);
  switch (combinacion.tipo) {
    case TipoCombinacion::PronosticoManual: TipoManual(); break;
    case TipoCombinacion::PronosticoAleatorio: TipoAleatorio(); break;
    case TipoCombinacion::DesdeArchivo: TipoDesdeArchivo(); break;
  }
}

void ComandosPrincipal::TipoManual() {
  if (!combinacion.guardadaXML && !interaccion.Pregunta(kPreguntaManual)) {
    // Back to the imported type as it stands: the file is not imported again.
    if (combinacion.tipoAnterior == TipoCombinacion::DesdeArchivo) combinacion.tipo = TipoCombinacion::DesdeArchivo;
    return;
  }
  estado.cmdCuadroApuDirecto = kApuestasEnDirecto;
  // The player has just accepted losing the combination: New does not ask again.
  Inicializar();
  estado.txtFicheroASCIIVisible = false;
  estado.cmdSwitchHabilitado = estado.vistaResultadosHabilitada = estado.vistaPronosticoHabilitada = true;
  combinacion.tipoAnterior = TipoCombinacion::PronosticoManual;
  estado.imagenesPronosticoVisibles = true;
}

void ComandosPrincipal::TipoAleatorio() {
  if (combinacion.base.VistaActiva() == Vista::PorResultados) {
    estado.cmdCuadroApuDirecto = kApuestasEnDirecto;
    estado.txtFicheroASCIIVisible = false;
    estado.cmdSwitchHabilitado = estado.vistaResultadosHabilitada = estado.vistaPronosticoHabilitada = true;
    servicios.BaseAlAzar();
    // The bets of an earlier import belong to a base that is gone.
    combinacion.apuestas.TotalImportadas = 0;
    combinacion.Recontar();
    combinacion.MarcarCambiada();
    combinacion.tipoAnterior = TipoCombinacion::PronosticoManual;
  } else {
    interaccion.Aviso(kAvisoAleatorioEnPronostico);
  }
  estado.imagenesPronosticoVisibles = true;
}

void ComandosPrincipal::TipoDesdeArchivo() {
  estado.cmdCuadroApuDirecto = kApuestasImportadas;
  estado.txtFicheroASCIIVisible = true;
  estado.cmdSwitchHabilitado = estado.vistaResultadosHabilitada = estado.vistaPronosticoHabilitada = false;
  // Counters and totals go with the views, so that a cancelled import leaves no bets of
  // the old base to save.
  LimpiarAmbasVistas(Vista::PorResultados);
  servicios.Importar();
  combinacion.tipoAnterior = TipoCombinacion::DesdeArchivo;
  estado.imagenesPronosticoVisibles = false;
}

void ComandosPrincipal::LimpiarAmbasVistas(Vista visible) {
  combinacion.base.Reiniciar();
  combinacion.base.MostrarVista(visible);
  combinacion.contadores.Reiniciar();
  combinacion.apuestas.TotalApuestas = 0;
  combinacion.apuestas.TotalImportadas = 0;
}

bool ComandosPrincipal::Nuevo() {
  if (!combinacion.guardadaXML && !interaccion.Pregunta(kPreguntaNuevo)) return false;
  Inicializar();
  return true;
}

void ComandosPrincipal::Inicializar() {
  LimpiarAmbasVistas(combinacion.base.VistaActiva());
  combinacion.ReiniciarFiltros();
  estado.ficheroXML = kSinGuardar;
  combinacion.Recontar();
  estado.txtFicheroASCII.clear();
  estado.tooltipFicheroASCII.clear();
  combinacion.guardadaXML = true;
}

void ComandosPrincipal::AlternarFiltro(int fila) { PulsarDerechoListaFiltros(combinacion, Seleccionada(fila)); }

void ComandosPrincipal::DobleClicFiltros(int fila, PantallasFiltros& pantallas) {
  DobleClicListaFiltros(combinacion, Seleccionada(fila), pantallas);
}

void ComandosPrincipal::CalculoPrueba() { servicios.Calcular(); }

void ComandosPrincipal::Analisis() {
  if (ComprobacionesA(combinacion, interaccion, kPreguntaVerAnalisis)) servicios.Analisis();
}

void ComandosPrincipal::CalculoDefinitivo() {
  if (ComprobacionesB(combinacion, interaccion)) servicios.GuardarApuestas(combinacion.apuestas.TotalFinales);
}

void ComandosPrincipal::Garantias() {
  if (ComprobacionesA(combinacion, interaccion, kPreguntaVerGarantias)) servicios.Garantias();
}

void ComandosPrincipal::Escrutinio() {
  if (ComprobacionesC(combinacion, interaccion)) servicios.Escrutinio(combinacion.apuestas.TotalFinales);
}

void ComandosPrincipal::SistemasPropios() { servicios.SistemasPropios(); }

}  // namespace tanteo
