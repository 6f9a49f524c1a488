// The two selection dialogs the filter screens open: the hits dialog (counts 0..36) and the
// results-rank dialog (ranks 1..16). Both toggle bytes of the screen's SeleccionAciertos
// buffer, the only channel between a screen and its dialog besides their few properties.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tanteo {

inline constexpr int kEtiquetasAciertos = 37;  // counts 0..36
using SeleccionAciertos = std::array<std::uint8_t, kEtiquetasAciertos>;

// Palette colours of a label: selected = dark grey with white text, not selected = white
// with black text.
inline constexpr int kColorGrisOscuro = 8;
inline constexpr int kColorBlanco = 15;
inline constexpr int kColorNegro = 0;

// The look of one toggle label; the dark-grey look is what makes it selected.
class EtiquetaSeleccion {
 public:
  bool Oscura() const { return oscura_; }
  void Poner(bool oscura) { oscura_ = oscura; }
  int ColorFondo() const { return oscura_ ? kColorGrisOscuro : kColorBlanco; }
  int ColorTexto() const { return oscura_ ? kColorBlanco : kColorNegro; }

 private:
  bool oscura_ = false;
};

// A row of toggle labels over the first N bytes of the buffer: toggling a label flips its
// look and writes its byte.
template <int N>
class EtiquetasSeleccion {
 public:
  explicit EtiquetasSeleccion(SeleccionAciertos& seleccion) : seleccion_(seleccion) {}
  const EtiquetaSeleccion& operator[](int k) const { return etiquetas_[k]; }
  // The look of label k from its byte, leaving the byte alone.
  void MostrarBuffer(int k) { etiquetas_[k].Poner(seleccion_[k] == 1); }
  void Alternar(int k) { Poner(k, !etiquetas_[k].Oscura()); }
  // Labels 0..ultimo selected or cleared.
  void PonerHasta(int ultimo, bool seleccionadas) {
    for (int k = 0; k <= ultimo && k < N; ++k) Poner(k, seleccionadas);
  }

 private:
  void Poner(int k, bool seleccionada) {
    etiquetas_[k].Poner(seleccionada);
    seleccion_[k] = seleccionada ? 1 : 0;
  }
  SeleccionAciertos& seleccion_;
  std::array<EtiquetaSeleccion, N> etiquetas_{};
};

// frmAciertos, caption "ACIERTOS". The caller sets the title, MaximoAcierto and the two
// show flags, then shows it; the view calls Activar when it appears.
class FrmAciertos {
 public:
  explicit FrmAciertos(SeleccionAciertos& seleccion) : etiquetas_(seleccion) {}

  std::string lblTitulo;
  std::int16_t MaximoAcierto = 0;
  bool Mostrar31aciertos = false;
  bool Mostrar32a36aciertos = false;

  // Labels 0..MaximoAcierto show the buffer; the others are disabled; 16..31 and 32..36
  // are hidden unless their flag is set.
  void Activar();

  const EtiquetaSeleccion& lblAciertos(int k) const { return etiquetas_[k]; }
  bool Habilitada(int k) const { return k <= MaximoAcierto; }
  bool Visible(int k) const;
  // Clicking label k (ignored on a disabled or hidden label).
  void PulsarEtiqueta(int k);
  void PulsarTodos() { etiquetas_.PonerHasta(MaximoAcierto, true); }
  void PulsarNinguno() { etiquetas_.PonerHasta(MaximoAcierto, false); }
  // cmdVolver: both show flags back to false, then the dialog unloads.
  void PulsarVolver();
  bool Cerrado() const { return cerrado_; }

 private:
  EtiquetasSeleccion<kEtiquetasAciertos> etiquetas_;
  bool cerrado_ = false;
};

// frmAciertosPorcentajes, caption "SELECCIONE RESULTADOS": ranks 1..16 into bytes 0..15 of
// the buffer, and a percentages source whose index the caller reads as IDcboPorcentaje.
class FrmAciertosPorcentajes {
 public:
  static constexpr int kRangos = 16;
  static constexpr std::array<std::string_view, 3> kTiposPorcentajes = {"Análisis de Estadisto", "Jugados en Estadisto",
                                                                       "LAE"};

  // The labels start unselected and the list at its first item each time it opens.
  FrmAciertosPorcentajes(SeleccionAciertos& seleccion, std::string_view jornada, std::string_view temporada);

  std::string lblTitulo;
  const std::string& lblJornada() const { return lblJornada_; }

  const EtiquetaSeleccion& lblAciertos(int k) const { return etiquetas_[k]; }
  void PulsarEtiqueta(int k) { etiquetas_.Alternar(k); }
  void PulsarTodos() { etiquetas_.PonerHasta(kRangos - 1, true); }
  void PulsarNinguno() { etiquetas_.PonerHasta(kRangos - 1, false); }
  int cboTipoPorcentajes() const { return tipo_; }
  void ElegirTipoPorcentajes(int indice) { tipo_ = indice; }
  // Unloading stores the list's index.
  void PulsarVolver();
  bool Cerrado() const { return cerrado_; }
  std::int16_t IDcboPorcentaje = 0;

 private:
  std::string lblJornada_;
  EtiquetasSeleccion<kRangos> etiquetas_;
  int tipo_ = 0;
  bool cerrado_ = false;
};

// How a screen shows a dialog modally: the call returns when the dialog has unloaded.
class DialogoAciertos {
 public:
  virtual ~DialogoAciertos() = default;
  virtual void Mostrar(FrmAciertos& dialogo) = 0;
  virtual void Mostrar(FrmAciertosPorcentajes& dialogo) = 0;
};

}  // namespace tanteo
