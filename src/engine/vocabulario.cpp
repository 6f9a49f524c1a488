#include "engine/vocabulario.h"

#include <cctype>

namespace tanteo {
namespace {

constexpr std::array<std::string_view, kResultados> kCodigos = {
    "00", "01", "02", "0M", "10", "11", "12", "1M", "20", "21", "22", "2M", "M0", "M1", "M2", "MM"};
constexpr std::array<std::string_view, kResultados> kNombres = {
    "0-0", "0-1", "0-2", "0-M", "1-0", "1-1", "1-2", "1-M",
    "2-0", "2-1", "2-2", "2-M", "M-0", "M-1", "M-2", "M-M"};
constexpr std::array<std::string_view, kResultados> kLeyendas = {
    "0 0", "0 1", "0 2", "0 M", "1 0", "1 1", "1 2", "1 M",
    "2 0", "2 1", "2 2", "2 M", "M 0", "M 1", "M 2", "M M"};

constexpr bool EnRango(int resultado) { return resultado >= 1 && resultado <= kResultados; }

// Index of an upper-cased code, or -1.
int IndiceCodigo(std::string_view codigo) {
  if (codigo.size() != 2) return -1;
  const char a = static_cast<char>(std::toupper(static_cast<unsigned char>(codigo[0])));
  const char b = static_cast<char>(std::toupper(static_cast<unsigned char>(codigo[1])));
  for (int i = 0; i < kResultados; ++i) {
    if (kCodigos[i][0] == a && kCodigos[i][1] == b) return i;
  }
  return -1;
}

}  // namespace

int ResultadoDeCodigo(std::string_view codigo) {
  const int i = IndiceCodigo(codigo);
  return i < 0 ? 1 : i + 1;
}

bool EsCodigoResultado(std::string_view codigo) { return IndiceCodigo(codigo) >= 0; }

std::string_view CodigoResultado(int resultado) {
  return EnRango(resultado) ? kCodigos[resultado - 1] : std::string_view{};
}

std::string_view NombreResultado(int resultado) {
  return EnRango(resultado) ? kNombres[resultado - 1] : kNombres[0];
}

std::string_view LeyendaResultado(int resultado) {
  return EnRango(resultado) ? kLeyendas[resultado - 1] : std::string_view{};
}

char TextoSigno(int signo) { return "012M"[signo & 3]; }

std::int32_t NumeroApuesta(const std::uint8_t* apuesta) {
  std::int32_t numero = 0;
  for (int m = 0; m < kPartidos; ++m) numero = numero * kResultados + (apuesta[m] - 1);
  return numero;
}

Apuesta ApuestaDeNumero(std::int32_t numero) {
  Apuesta a{};
  for (int m = kPartidos - 1; m >= 0; --m) {
    a[m] = static_cast<std::uint8_t>(numero % kResultados + 1);
    numero /= kResultados;
  }
  return a;
}

int DigitoLocal(int resultado, int partido, const TablaResultadosPartido& resultados,
                const TablaNumResultados& num) {
  for (int pos = 1; pos <= num[partido]; ++pos) {
    if (resultados[pos][partido] == resultado) return pos - 1;
  }
  return -1;
}

std::int32_t PosicionSistema(const std::uint8_t* apuesta, const TablaResultadosPartido& resultados,
                             const TablaNumResultados& num) {
  std::int32_t v = 0;
  for (int m = 1; m <= kPartidos; ++m) {
    v = v * num[m] + DigitoLocal(apuesta[m - 1], m, resultados, num);
  }
  return v + 1;
}

Apuesta ApuestaDePosicion(std::int32_t posicion, const TablaResultadosPartido& resultados,
                          const TablaNumResultados& num) {
  Apuesta a{};
  std::int32_t v = posicion - 1;
  for (int m = kPartidos; m >= 1; --m) {
    const int d = static_cast<int>(v % num[m]);
    v /= num[m];
    a[m - 1] = resultados[d + 1][m];
  }
  return a;
}

std::string TipoSistema(const std::array<std::int32_t, kPartidos>& cuentas) {
  std::string texto;
  for (int m = 0; m < kPartidos; ++m) {
    if (m > 0) texto += '-';
    texto += std::to_string(cuentas[m]);
  }
  return texto;
}

std::string TipoSistemaDe(const TablaNumResultados& num) {
  return TipoSistema({num[1], num[2], num[3], num[4], num[5], num[6]});
}

bool TieneSeparadores(std::string_view texto) {
  return texto.find_first_of(", -") != std::string_view::npos;
}

std::string QuitarSeparadores(std::string_view texto) {
  std::string limpio;
  limpio.reserve(texto.size());
  for (char c : texto) {
    if (c != ',' && c != '-' && c != ' ') limpio += c;
  }
  return limpio;
}

LineaDecodificada DecodificarApuesta(std::string_view linea, bool quitarSeparadores) {
  LineaDecodificada d;
  if (linea.size() < 12) return d;
  std::string limpio;
  if (quitarSeparadores) {
    limpio = QuitarSeparadores(linea);
    linea = limpio;
  }
  d.tieneApuesta = true;
  for (int m = 0; m < kPartidos; ++m) {
    // After removing separators the line may be shorter than twelve characters; the
    // missing characters count as an unknown pair.
    const std::string_view par = 2 * m + 2 <= static_cast<int>(linea.size())
                                     ? linea.substr(2 * m, 2)
                                     : std::string_view{};
    const int i = IndiceCodigo(par);
    if (i < 0) ++d.desconocidos;
    d.apuesta[m] = static_cast<std::uint8_t>(i < 0 ? 1 : i + 1);
  }
  return d;
}

std::string ApuestaCompacta(const std::uint8_t* apuesta) {
  std::string texto;
  texto.reserve(12);
  for (int m = 0; m < kPartidos; ++m) texto += CodigoResultado(apuesta[m]);
  return texto;
}

std::string ApuestaConComas(const std::uint8_t* apuesta) {
  std::string texto;
  texto.reserve(17);
  for (int m = 0; m < kPartidos; ++m) {
    if (m > 0) texto += ',';
    texto += CodigoResultado(apuesta[m]);
  }
  return texto;
}

}  // namespace tanteo
