// The checks that guard the commands using the bets of the combination: (A) for the
// analysis and the guarantees, (B) for saving the bets, (C) for the scrutiny. Each one
// sets TotalFinales from the final-bets counter and returns whether the command goes on.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/combinacion.h"
#include "engine/interaccion.h"

namespace tanteo {

inline constexpr std::string_view kErrorTotalesCero = "ERROR: Apuestas TOTALES igual a 0.";
inline constexpr std::string_view kErrorSinGenerarA = "ERROR: No hay apuestas generadas.";
inline constexpr std::string_view kErrorSinGenerarB = "ERROR: No hay apuestas generadas";
inline constexpr std::string_view kPreguntaMasDeTresMillones =
    "Se han generado más de 3.000.000 de apuestas, ¿ desea guardar ?";
inline constexpr std::string_view kCambiosDesdeGeneracion = "Ha habido cambios desde la última generación,";
inline constexpr std::string_view kPreguntaVerAnalisis = "¿ DESEA VER EL ANALISIS DE TODAS FORMAS ?";
inline constexpr std::string_view kPreguntaVerGarantias = "¿ DESEA VER LAS GARANTIAS DE TODAS FORMAS ?";
inline constexpr std::string_view kPreguntaContinuar = "¿ DESEA CONTINUAR DE TODAS FORMAS ?";
inline constexpr std::string_view kPreguntaVerEscrutinio = "¿ DESEA VER EL ESCRUTINIO DE TODAS FORMAS ?";
inline constexpr std::int32_t kMaximoSinPreguntar = 3'000'000;

// The changed question: kCambiosDesdeGeneracion, a line break and the command's question.
std::string PreguntaCambios(std::string_view pregunta);

// The number the final-bets counter shows (0 when it shows no number).
std::int32_t CuentaDeContador(std::string_view texto);

bool ComprobacionesA(Combinacion& combinacion, Interaccion& interaccion, std::string_view pregunta);
bool ComprobacionesB(Combinacion& combinacion, Interaccion& interaccion);
bool ComprobacionesC(Combinacion& combinacion, Interaccion& interaccion);

}  // namespace tanteo
