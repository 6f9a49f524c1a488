// Quinigol vocabulary: matches, teams, goal signs, results, bets and their numbers.
//
// Index convention of the whole program: functions and accessors take matches, teams,
// results, positions and rows numbered as the player counts them (from 1); raw memory
// (std::array, row pointers) is 0-based, so match m of a row pointer p is p[m - 1].
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tanteo {

inline constexpr int kPartidos = 6;
inline constexpr int kEquipos = 12;
inline constexpr int kSignos = 4;
inline constexpr int kResultados = 16;
inline constexpr std::int32_t kEspacioApuestas = 16'777'216;  // 16^6
inline constexpr int kBytesApuesta = kPartidos;

// Six results, match 1 first (element 0).
using Apuesta = std::array<std::uint8_t, kPartidos>;

// For each match, its accepted results in ascending order: ResultadosPartido[pos][partido],
// positions and matches from 1 (index 0 unused). Only positions 1..NumResultados[partido]
// are meaningful.
using TablaResultadosPartido = std::array<std::array<std::uint8_t, kPartidos + 1>, kResultados + 1>;
using TablaNumResultados = std::array<std::int32_t, kPartidos + 1>;

// Result <-> text.
int ResultadoDeCodigo(std::string_view codigo);     // "00".."MM", any case; 1 when unknown
bool EsCodigoResultado(std::string_view codigo);    // whether the pair is one of the sixteen codes
std::string_view CodigoResultado(int resultado);    // "00".."MM"; "" outside 1..16
std::string_view NombreResultado(int resultado);    // "0-0".."M-M"; "0-0" outside 1..16
std::string_view LeyendaResultado(int resultado);   // "0 0".."M M"; "" outside 1..16
char TextoSigno(int signo);                         // '0', '1', '2', 'M'

// Result <-> signs.
constexpr int SignoLocal(int resultado) { return (resultado - 1) / 4; }
constexpr int SignoVisitante(int resultado) { return (resultado - 1) % 4; }
constexpr int ResultadoDeSignos(int local, int visitante) { return 4 * local + visitante + 1; }

// Bet <-> NumeroApuesta (0-based among the 16,777,216 bets).
std::int32_t NumeroApuesta(const std::uint8_t* apuesta);
inline std::int32_t NumeroApuesta(const Apuesta& a) { return NumeroApuesta(a.data()); }
Apuesta ApuestaDeNumero(std::int32_t numero);

// Bet <-> PosicionSistema (1-based position in the developed system of the accepted lists).
// DigitoLocal is the 0-based rank of a result in its match's list, -1 when not accepted.
int DigitoLocal(int resultado, int partido, const TablaResultadosPartido& resultados,
                const TablaNumResultados& num);
std::int32_t PosicionSistema(const std::uint8_t* apuesta, const TablaResultadosPartido& resultados,
                             const TablaNumResultados& num);
Apuesta ApuestaDePosicion(std::int32_t posicion, const TablaResultadosPartido& resultados,
                          const TablaNumResultados& num);

// "k1-k2-k3-k4-k5-k6".
std::string TipoSistema(const std::array<std::int32_t, kPartidos>& cuentas);
std::string TipoSistemaDe(const TablaNumResultados& num);

// Separators of bets files: comma, space and dash.
bool TieneSeparadores(std::string_view texto);
std::string QuitarSeparadores(std::string_view texto);

// Decoding one line of a bets file. A line shorter than twelve characters (before separator
// removal) carries no bet. Pairs that are not one of the sixteen codes decode to "00" and are
// counted in `desconocidos`.
struct LineaDecodificada {
  bool tieneApuesta = false;
  Apuesta apuesta{};
  int desconocidos = 0;
};
LineaDecodificada DecodificarApuesta(std::string_view linea, bool quitarSeparadores);

// Encoding: compact "000102M0MM11" and comma form "00,01,02,M0,MM,11" (a result outside
// 1..16 leaves its code empty).
std::string ApuestaCompacta(const std::uint8_t* apuesta);
std::string ApuestaConComas(const std::uint8_t* apuesta);
inline std::string ApuestaCompacta(const Apuesta& a) { return ApuestaCompacta(a.data()); }
inline std::string ApuestaConComas(const Apuesta& a) { return ApuestaConComas(a.data()); }

}  // namespace tanteo
