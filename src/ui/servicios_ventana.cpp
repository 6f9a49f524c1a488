#include "ui/servicios_ventana.h"

#include <algorithm>
#include <stdexcept>

#include "evaluation/analisis.h"
#include "formats/escritura_atomica.h"
#include "formats/guardar_combinacion.h"
#include "formats/importar_apuestas.h"
#include "ui/frm_alazar.h"
#include "ui/frm_analisis.h"
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

ServiciosVentana::ServiciosVentana(Plataforma& plataforma) : plataforma_(plataforma) {}

bool ServiciosVentana::Disponible(Funcion funcion) const {
  return funcion == Funcion::Calculo || funcion == Funcion::Importacion || funcion == Funcion::GuardarApuestas ||
         funcion == Funcion::BaseAlAzar || funcion == Funcion::Analisis;
}

FrmPrincipal& ServiciosVentana::Ventana() const {
  if (ventana_ == nullptr) throw std::logic_error("los servicios no tienen ventana");
  return *ventana_;
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

void ServiciosVentana::Calcular() {
  FrmPrincipal& ventana = Ventana();
  ComandosPrincipal& comandos = ventana.Comandos();
  ReductorVentana reductor;
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

}  // namespace tanteo
