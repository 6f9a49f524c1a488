// The logic every filter screen shares (activation picture, activation on edits) and the
// page-by-page editing of the five block filters.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "conditions/frm_aciertos.h"
#include "conditions/lista_filtros.h"
#include "engine/interaccion.h"

namespace tanteo {

class PantallaFiltro {
 public:
  PantallaFiltro(ListaFiltros& lista, FilaFiltro fila) : lista_(lista), fila_(fila) {}
  virtual ~PantallaFiltro() = default;

  // imgActivar shows the active look exactly when the filter's row begins with "Sí".
  bool ImagenActiva() const { return lista_.Activa(fila_); }
  // imgActivar clicked: the row "Sí" becomes "No", otherwise "Sí".
  void PulsarActivar();
  // Whether a close request from the window frame or its menu is refused, so that the
  // screen is left only through imgVolver and its validation.
  virtual bool RechazaCierreDelMarco() const { return false; }

 protected:
  // ActivarFiltro: every edit of the settings activates the filter.
  void ActivarFiltro() { lista_.Activar(fila_); }

 private:
  ListaFiltros& lista_;
  FilaFiltro fila_;
};

// A block filter's screen shows `bloquesPorPagina` of its 100 blocks at a time; the page
// lives in the filter's page variable. The derived screen keeps its controls, copies them
// to and from the settings, and tells what is wrong with a block.
class PantallaBloques : public PantallaFiltro {
 public:
  int Pagina() const { return pagina_; }
  int Paginas() const;
  // Block n (1..bloquesPorPagina) of the current page.
  int BloqueDe(int n) const { return porPagina_ * (pagina_ - 1) + n; }

  bool MasHabilitado() const { return mas_; }
  bool MenosHabilitado() const { return menos_; }
  void PulsarMas() { CambiarPagina(+1); }
  void PulsarMenos() { CambiarPagina(-1); }

  // imgVolver: writes the page back and checks blocks 1..100 in order; the first failing
  // block's message is shown and the screen stays open (false). True: the screen unloads.
  bool PulsarVolver(Interaccion& interaccion);

  // A block screen must pass its validation to close.
  bool RechazaCierreDelMarco() const override { return true; }

 protected:
  PantallaBloques(ListaFiltros& lista, FilaFiltro fila, std::int16_t& pagina, int bloquesPorPagina)
      : PantallaFiltro(lista, fila), pagina_(pagina), porPagina_(bloquesPorPagina) {}

  // On load (called by the derived constructor): the page's controls are filled; only the
  // page-1 case of the buttons applies.
  void Cargar();

  virtual void EscribirPagina() = 0;
  virtual void RellenarPagina() = 0;
  virtual std::optional<std::string> ErrorBloque(int bloque) const = 0;

  // The modify pattern, after the page has been written back: the block's counts 0..top
  // go to the buffer (cleared above `maximo`), the hits dialog is shown with `titulo` and
  // MaximoAcierto = `maximo`, the buffer comes back as the block's counts, and the filter
  // is activated.
  void ModificarAciertos(std::span<std::uint8_t> aciertos, int maximo, std::string titulo, DialogoAciertos& dialogo,
                         bool mostrar31 = false, bool mostrar32a36 = false);

 private:
  void CambiarPagina(int paso);

  std::int16_t& pagina_;
  int porPagina_;
  bool mas_ = true;
  bool menos_ = true;
  SeleccionAciertos seleccion_{};
};

// A block's accepted counts as its count box shows them: ascending, joined by ",".
std::string TextoAciertos(std::span<const std::uint8_t> aciertos);

}  // namespace tanteo
