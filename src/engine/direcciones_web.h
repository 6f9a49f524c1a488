// The web pages the main window opens, all configured here: the outside pools website
// (its Quinigol page and its page for checking bet files), the maker's website, and the
// program's own manual, which ships with it.
#pragma once

#include <filesystem>
#include <string_view>

#include "engine/interaccion.h"
#include "engine/plataforma.h"

namespace tanteo {

inline constexpr std::string_view kNombreBoletia = "Boletia";
inline constexpr std::string_view kNombreAutor = "Pronostia";

enum class Pagina { QuinigolBoletia, ValidarApuestas, WebAutor, AyudaOnline };

struct DireccionWeb {
  Pagina pagina;
  std::string_view descripcion;  // for the messages: "la página de Quinigol de Boletia"
  std::string_view direccion;    // empty: not configured in this build
};

inline constexpr DireccionWeb kDireccionesWeb[] = {
    {Pagina::QuinigolBoletia, "la página de Quinigol de Boletia", ""},
    {Pagina::ValidarApuestas, "la página de Boletia para validar apuestas ON LINE", ""},
    {Pagina::WebAutor, "la web de Pronostia", ""},
    // Relative to the program's folder, where the program puts its manual before opening it.
    {Pagina::AyudaOnline, "el manual de TANTEO", "ayuda/tanteo.html"},
};

const DireccionWeb& Direccion(Pagina pagina);

// The manual's file in the program's folder.
std::filesystem::path FicheroManual(Plataforma& plataforma);

// Opens the page in the browser, not awaited. A page without an address, or one the
// system cannot open, is explained to the player instead.
void AbrirPagina(Pagina pagina, Plataforma& plataforma, Interaccion& interaccion);

}  // namespace tanteo
