#include "conditions/frm_aciertos.h"

namespace tanteo {

void FrmAciertos::Activar() {
  for (int k = 0; k <= MaximoAcierto && k < kEtiquetasAciertos; ++k) etiquetas_.MostrarBuffer(k);
}

bool FrmAciertos::Visible(int k) const {
  if (k >= 16 && k <= 31) return Mostrar31aciertos;
  if (k >= 32) return Mostrar32a36aciertos;
  return true;
}

void FrmAciertos::PulsarEtiqueta(int k) {
  if (Habilitada(k) && Visible(k)) etiquetas_.Alternar(k);
}

void FrmAciertos::PulsarVolver() {
  Mostrar31aciertos = false;
  Mostrar32a36aciertos = false;
  cerrado_ = true;
}

FrmAciertosPorcentajes::FrmAciertosPorcentajes(SeleccionAciertos& seleccion, std::string_view jornada,
                                               std::string_view temporada)
    : lblJornada_("J: " + std::string(jornada) + " ; T: " + std::string(temporada)), etiquetas_(seleccion) {}

void FrmAciertosPorcentajes::PulsarVolver() {
  IDcboPorcentaje = static_cast<std::int16_t>(tipo_);
  cerrado_ = true;
}

}  // namespace tanteo
