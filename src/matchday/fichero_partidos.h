// The matchday text file: the twelve team names, one per line, team 1 first.
#pragma once

#include <filesystem>
#include <string_view>

#include "engine/interaccion.h"
#include "matchday/destino_jornada.h"

namespace tanteo {

inline constexpr std::string_view kErrorFicheroPartidos = "ERROR AL CARGAR LOS PARTIDOS";
inline constexpr int kLetrasNombreEquipo = 16;

// Asks for the file ("Cargar partidos") and reads it; a cancelled dialog changes nothing.
// False when cancelled or when the file failed.
bool CargarFicheroPartidos(DestinoEquipos& destino, Interaccion& interaccion);

// Line t becomes the name of team t, trimmed and cut to its first 16 characters; lines
// after the twelfth are ignored. A file that cannot be read or has fewer than twelve lines
// shows the error, keeping the names read before it. Text is UTF-8 when valid, else
// Windows-1252.
bool LeerFicheroPartidos(const std::filesystem::path& fichero, DestinoEquipos& destino, Interaccion& interaccion);

}  // namespace tanteo
