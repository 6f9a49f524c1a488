#include "conditions/pantalla_filtro.h"

namespace tanteo {

void PantallaFiltro::PulsarActivar() {
  if (lista_.Activa(fila_)) {
    lista_.Desactivar(fila_);
  } else {
    lista_.Activar(fila_);
  }
}

int PantallaBloques::Paginas() const { return kBloquesFiltro / porPagina_; }

void PantallaBloques::Cargar() {
  RellenarPagina();
  if (pagina_ == 1) menos_ = false;
}

void PantallaBloques::CambiarPagina(int paso) {
  if (!(paso > 0 ? mas_ : menos_)) return;
  EscribirPagina();
  pagina_ = static_cast<std::int16_t>(pagina_ + paso);
  RellenarPagina();
  mas_ = pagina_ < Paginas();
  menos_ = pagina_ > 1;
}

bool PantallaBloques::PulsarVolver(Interaccion& interaccion) {
  EscribirPagina();
  for (int bloque = 1; bloque <= kBloquesFiltro; ++bloque) {
    if (auto error = ErrorBloque(bloque)) {
      interaccion.Error(*error);
      return false;
    }
  }
  return true;
}

void PantallaBloques::ModificarAciertos(std::span<std::uint8_t> aciertos, int maximo, std::string titulo,
                                        DialogoAciertos& dialogo, bool mostrar31, bool mostrar32a36) {
  for (std::size_t k = 0; k < aciertos.size(); ++k) {
    seleccion_[k] = static_cast<int>(k) <= maximo ? aciertos[k] : 0;
  }
  FrmAciertos frm(seleccion_);
  frm.lblTitulo = std::move(titulo);
  frm.MaximoAcierto = static_cast<std::int16_t>(maximo);
  frm.Mostrar31aciertos = mostrar31;
  frm.Mostrar32a36aciertos = mostrar32a36;
  dialogo.Mostrar(frm);
  for (std::size_t k = 0; k < aciertos.size(); ++k) aciertos[k] = seleccion_[k];
  ActivarFiltro();
}

std::string TextoAciertos(std::span<const std::uint8_t> aciertos) {
  std::string texto;
  for (std::size_t k = 0; k < aciertos.size(); ++k) {
    if (aciertos[k] != 1) continue;
    if (!texto.empty()) texto += ',';
    texto += std::to_string(k);
  }
  return texto;
}

}  // namespace tanteo
