// Filling team names and percentages from the answer of the matchday service.
//
// Each load asks `servicio` once and parses the answer, whatever the server's status, as
// an XML document whose top-level elements hold one `partido` element per match (name
// compared without case; other elements ignored). Failures are shown through
// `interaccion` and make the load return false:
//  - an answer that does not parse: the parser's status code and where to look instead;
//    nothing is written;
//  - any other failure (no answer, a missing attribute, a bad match number): its
//    description; what was written before it stays, the rest is not applied, and the
//    mix writes nothing at all.
#pragma once

#include <string_view>

#include "engine/interaccion.h"
#include "matchday/destino_jornada.h"
#include "matchday/servicio_jornada.h"

namespace tanteo {

// Named at the end of the "CONSULTE EN" messages: the pools website that publishes the
// matchdays.
inline constexpr std::string_view kDireccionBoletia = "https://www.boletia.es/quinigol";

inline constexpr std::string_view kErrorJornada = "ERROR AL ABRIR EL FICHERO DE JORNADA";
inline constexpr std::string_view kErrorPorcentajes = "ERROR AL CARGAR EL FICHERO DE PORCENTAJES";

// The kinds of percentages of the answer: "Análisis de Estadisto" (attributes pta…),
// "Jugados en Estadisto" (pt…) and the state operator's "LAE" (ptl…).
enum class ClasePorcentajes { Analisis, Jugados, LAE };

// Team 2n-1 := `equipo1`, team 2n := `equipo2` of each `partido` n.
bool CargarPartidosJornada(ServicioJornada& servicio, std::string_view jornada, std::string_view temporada,
                           DestinoEquipos& destino, Interaccion& interaccion);

// The four boxes of both teams of each match get the answer's texts of the kind, with
// "." turned into ",".
bool CargarPorcentajesJornada(ServicioJornada& servicio, std::string_view jornada, std::string_view temporada,
                              DestinoPorcentajes& destino, ClasePorcentajes clase, Interaccion& interaccion);

// Signs 0, 1, 2: pesoLAE x LAE / 100 + pesoJugados x played / 100, as number text; sign M:
// 100 minus those three as shown, with two decimals. Teams the answer does not mention
// get 0, 0, 0 and 100,00. Written only once the whole answer has been read.
bool CargarPorcentajesMixtos(ServicioJornada& servicio, std::string_view jornada, std::string_view temporada,
                             DestinoPorcentajes& destino, double pesoLAE, double pesoJugados,
                             Interaccion& interaccion);

// The items of the percentage types list (`cboTipoPorcentajes`) that come from the
// service: 2 "Análisis de Estadisto", 3 "Jugados en Estadisto", 4 "LAE",
// 5 "LAE/Estadisto (80/20)".
bool EsTipoPorcentajesServicio(int indiceTipo);
// Fills the block for one of those items; the block has already been set to zero. Returns
// false when the load failed or the item does not come from the service.
bool CargarTipoPorcentajesServicio(int indiceTipo, ServicioJornada& servicio, std::string_view jornada,
                                   std::string_view temporada, DestinoPorcentajes& destino,
                                   Interaccion& interaccion);

}  // namespace tanteo
