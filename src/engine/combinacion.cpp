#include "engine/combinacion.h"

#include "engine/texto_numeros.h"

namespace tanteo {

void Contadores::Reiniciar() {
  lblApuIniciales = "0";
  lblApuCondicionadas = "0";
  lblApuestasReduccion = "0";
  tooltipApuestasReduccion.clear();
}

void Combinacion::MarcarCambiada() {
  cambiadaDesdeGeneracion = true;
  guardadaXML = false;
}

void Combinacion::ReiniciarFiltros() {
  InicializarFiltros(filtros, reduccion);
  lstFiltros.ReiniciarTrasNuevo(filtros);
}

void Combinacion::Recontar() {
  apuestas.TotalApuestas = base.Recuento();
  contadores.lblApuIniciales = FormatoCuenta(apuestas.TotalApuestas);
  contadores.lblApuCondicionadas = contadores.lblApuIniciales;
  contadores.lblApuestasReduccion = "0";
}

void Combinacion::AlternarResultado(int partido, int resultado) {
  base.AlternarResultado(partido, resultado);
  Recontar();
  MarcarCambiada();
}

void Combinacion::AlternarSigno(int equipo, int signo) {
  base.AlternarSigno(equipo, signo);
  Recontar();
  MarcarCambiada();
}

void Combinacion::SeleccionarTodo() {
  contadores.Reiniciar();
  base.SeleccionarTodo();
  Recontar();
  MarcarCambiada();
}

void Combinacion::LimpiarPronostico() {
  base.LimpiarVistaActiva();
  contadores.Reiniciar();
  apuestas.TotalApuestas = 0;
  apuestas.TotalImportadas = 0;
  guardadaXML = false;
}

bool Combinacion::CambiarVista(Interaccion& interaccion) {
  if (!guardadaXML && !interaccion.Pregunta(kPreguntaCambiarVista)) return false;
  base.CambiarVista();
  contadores.Reiniciar();
  apuestas.TotalApuestas = 0;
  apuestas.TotalImportadas = 0;
  return true;
}

std::string Combinacion::TextoCambiarVista() const {
  return base.VistaActiva() == Vista::PorResultados ? "Cambiar a por Pronóstico" : "Cambiar a por Resultados";
}

void Combinacion::Desarrollar() {
  apuestas.ApuestasSistema.Redimensionar(apuestas.TotalApuestas);
  DesarrollarBase(base.ConstruirBase(), apuestas.ApuestasSistema, apuestas.TotalApuestas);
}

}  // namespace tanteo
