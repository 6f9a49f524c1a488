// What every reader of bets files shares: how the caller follows the reading, what the
// reading found, the messages the program shows about it, and the growing destination.
#pragma once

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>

#include "engine/interaccion.h"
#include "engine/tabla_apuestas.h"

namespace tanteo {

struct OpcionesLectura {
  // Called with the number of bets read so far every `cada` bets (never when 0), so the
  // caller can show it and yield to the interface.
  std::int32_t cada = 0;
  std::function<void(std::int32_t leidas)> avance;
};

struct ResultadoLectura {
  bool ok = false;
  std::string descripcion;              // why the reading failed
  std::int32_t apuestas = 0;            // bets stored in rows 1..apuestas of the destination
  bool limiteSuperado = false;          // the file held more than 16,777,216 bets; the first were kept
  bool caracteresDesconocidos = false;  // a TXT pair that is no result code was read as "00"
};

inline constexpr std::string_view kAvisoLimiteApuestas = "SOLO SE PUEDEN IMPORTAR 16.777.216 APUESTAS";
inline constexpr std::string_view kAvisoCaracteresDesconocidos =
    "AVISO : Se han detectado caracteres distintos de 0, 1, 2, M al importar algunas apuestas, \r\n"
    "dichos caracteres han sido sustituidos por el caracter 0.";
inline constexpr std::string_view kAvisoCeroApuestas = "AVISO : Se han importado 0 apuestas.";

// "ERROR AL IMPORTAR EL FICHERO, FICHERO NO IMPORTADO (" + descripcion + ")".
std::string ErrorImportarFichero(std::string_view descripcion);

// Shows what a reading found, in the program's order: the limit warning; then the error of
// a failed reading, or else the unknown-characters warning, or else the 0-bets warning.
// Returns the reading's success.
bool InformarLectura(const ResultadoLectura& lectura, Interaccion& interaccion);

// Runs `leer`, which fills the result of a reading into `destino`. An exception becomes
// the failure's description; a failed reading releases `destino` and counts no bets.
ResultadoLectura LecturaProtegida(TablaApuestas& destino, const std::function<void(ResultadoLectura&)>& leer);

// Appends bets to a table, enlarging it when a further bet needs room, up to 16,777,216.
class AcumuladorApuestas {
 public:
  // Discards what `destino` held and makes room for `reserva` bets.
  AcumuladorApuestas(TablaApuestas& destino, std::int32_t reserva, const OpcionesLectura& opciones);

  bool Lleno() const { return cuenta_ == kEspacioApuestas; }
  std::int32_t Cuenta() const { return cuenta_; }

  void Anadir(const std::uint8_t* apuesta) {
    if (cuenta_ == destino_.Filas()) Crecer();
    std::memcpy(destino_.Fila(cuenta_ + 1), apuesta, kBytesApuesta);
    Confirmar(1);
  }

  // For readers that write rows in place: how many of the next `n` bets fit in one go
  // (at least one while below the limit), written from Siguiente() on and then counted with
  // Confirmar. The table keeps two spare bytes after its last row.
  std::int32_t Cabida(std::int32_t n);
  std::uint8_t* Siguiente() { return destino_.Fila(cuenta_ + 1); }
  void Confirmar(std::int32_t k) {
    cuenta_ += k;
    if (hastaAvance_ > 0 && (hastaAvance_ -= k) == 0) {
      hastaAvance_ = opciones_.cada;
      opciones_.avance(cuenta_);
    }
  }

 private:
  void Crecer();

  TablaApuestas& destino_;
  const OpcionesLectura& opciones_;
  std::int32_t cuenta_ = 0;
  std::int32_t hastaAvance_;  // bets to go before the next call of `avance` (0: never)
};

}  // namespace tanteo
