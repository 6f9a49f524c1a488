// TXT bets files: one bet per line, compact (000102M0MM11) or with separators
// (00,01,02,M0,MM,11 or 0-0 0-1 ...), the layout decided by the first line. Read only.
#pragma once

#include <filesystem>

#include "formats/lectura_apuestas.h"

namespace tanteo {

// Reads every bet line of `ruta` into rows 1.. of `destino`, in file order, stopping at
// 16,777,216 bets. On failure `destino` is released.
ResultadoLectura LeerFicheroTXT(const std::filesystem::path& ruta, TablaApuestas& destino,
                                const OpcionesLectura& opciones = {});

}  // namespace tanteo
