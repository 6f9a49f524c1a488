#include "ui/servicios_ventana.h"

#include <algorithm>
#include <stdexcept>

#include "evaluation/analisis.h"
#include "formats/escritura_atomica.h"
#include "formats/guardar_combinacion.h"
#include "formats/importar_apuestas.h"
#include "matchday/carga_jornada.h"
#include "matchday/selectores.h"
#include "matchday/servicio_predeterminado.h"
#include "ui/frm_alazar.h"
#include "ui/frm_analisis.h"
#include "ui/frm_cargar_jornada.h"
#include "ui/frm_principal.h"
#include "ui/progreso_qt.h"
#include "ui/reductor_ventana.h"

namespace tanteo {

namespace {

// The save's progress on the window: the waiting panel comes up when the writing starts,
// after the file dialog, and goes when the save has ended.
class ProgresoGuardado final : public Progreso {
 public:
  explicit ProgresoGuardado(FrmPrincipal& ventana) : ventana_(ventana) {}

  void Texto(std::string_view) override {
    if (mostrado_) return;
    mostrado_ = true;
    ventana_.MostrarEspera(true);
  }
  void Avance(std::int64_t hecho, std::int64_t total) override { ventana_.ProgresoEspera().Avance(hecho, total); }
  void Ceder() override { ventana_.ProgresoEspera().Ceder(); }
  bool DetencionPedida() const override { return false; }

  void Terminar() {
    if (mostrado_) ventana_.MostrarEspera(false);
  }

 private:
  FrmPrincipal& ventana_;
  bool mostrado_ = false;
};

}  // namespace

ServiciosVentana::ServiciosVentana(Plataforma& plataforma, Interaccion& interaccion)
    : plataforma_(plataforma), interaccion_(interaccion), servicioJornada_(CrearServicioJornada()) {}

bool ServiciosVentana::Disponible(Funcion funcion) const {
  return funcion == Funcion::CargarPartidos || funcion == Funcion::Calculo || funcion == Funcion::Importacion || funcion == Funcion::GuardarApuestas ||
         funcion == Funcion::BaseAlAzar || funcion == Funcion::Analisis;
}

void ServiciosVentana::PonerVentana(FrmPrincipal& ventana) {
  ventana_ = &ventana;
  ventana.PonerAccion(QStringLiteral("cmdCargarJornada"), [this] { CargarJornada(); });
}

FrmPrincipal& ServiciosVentana::Ventana() const {
  if (ventana_ == nullptr) throw std::logic_error("los servicios no tienen ventana");
  return *ventana_;
}

void ServiciosVentana::RellenarJornadas(ListaDesplegable& lista) { tanteo::RellenarJornadas(lista); }

void ServiciosVentana::RellenarTemporadas(ListaDesplegable& lista) {
  tanteo::RellenarTemporadas(lista, plataforma_.Ahora());
}

void ServiciosVentana::CargarPartidosJornada(std::string_view jornada, std::string_view temporada,
                                             std::array<std::string, kEquipos>& equipos) {
  // Names written before a failure stay, as the load applies them one match at a time.
  NombresEquipos nombres;
  for (int e = 1; e <= kEquipos; ++e) nombres.nombre[e] = equipos[e - 1];
  tanteo::CargarPartidosJornada(*servicioJornada_, jornada, temporada, nombres, interaccion_);
  for (int e = 1; e <= kEquipos; ++e) equipos[e - 1] = nombres.nombre[e];
}

void ServiciosVentana::Calcular() {
  FrmPrincipal& ventana = Ventana();
  ComandosPrincipal& comandos = ventana.Comandos();
  GeneradorAleatorio propio;  // only when the program has not handed its own over
  ReductorVentana reductor(azar_ != nullptr ? *azar_ : propio, &ventana);
  EjecutarCondicionado(comandos.combinacion,
                       EntornoEjecucion{comandos.interaccion, ventana.ProgresoCalculo(), reductor, ventana});
}

void ServiciosVentana::Importar() {
  FrmPrincipal& ventana = Ventana();
  ComandosPrincipal& comandos = ventana.Comandos();
  ventana.Bloquear();
  const FicheroImportado fichero =
      ImportarFicheroApuestas(comandos.combinacion, comandos.interaccion, ventana.ProgresoCalculo());
  if (fichero.elegido) {
    comandos.estado.txtFicheroASCII = fichero.nombre;
    comandos.estado.tooltipFicheroASCII = fichero.ruta;
  }
  ventana.Desbloquear();
}

void ServiciosVentana::GuardarApuestas(std::int32_t finales) {
  FrmPrincipal& ventana = Ventana();
  ComandosPrincipal& comandos = ventana.Comandos();
  ProgresoGuardado progreso(ventana);
  // The XML base file beside the bets comes with the XML base file's writer.
  GuardarApuestasCombinacion(comandos.combinacion, finales, comandos.estado.ficheroXML, comandos.interaccion, progreso,
                             {});
  progreso.Terminar();
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

// The screen works on its own copy of the main window's matchday controls; what it hands
// back replaces the window's names first and its selections second, as set by the program
// rather than picked, so no new fetch replaces the names just handed back.
void ServiciosVentana::CargarJornada() {
  FrmPrincipal& ventana = Ventana();
  EstadoPrincipal& estado = ventana.Comandos().estado;
  ControlesJornada principal{estado.cboNumeroJornada, estado.cboTemporada, {}};
  for (int e = 1; e <= kEquipos; ++e) principal.txtPartido.nombre[e] = estado.txtPartido[e - 1];
  FrmCargarJornada pantalla(principal, *servicioJornada_, plataforma_, interaccion_, &ventana);
  if (pantalla.exec() != QDialog::Accepted) return;
  for (int e = 1; e <= kEquipos; ++e) estado.txtPartido[e - 1] = principal.txtPartido.nombre[e];
  estado.cboNumeroJornada.indice = principal.cboNumeroJornada.indice;
  estado.cboTemporada.indice = principal.cboTemporada.indice;
}

}  // namespace tanteo
