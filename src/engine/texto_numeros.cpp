#include "engine/texto_numeros.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace tanteo {
namespace {

struct Patron {
  bool agrupar = false;
  int enterosMinimos = 0;
  int decimales = 0;
};

Patron LeerPatron(std::string_view patron) {
  Patron p;
  const auto punto = patron.find('.');
  const std::string_view entera = patron.substr(0, punto);
  for (char c : entera) {
    if (c == ',') p.agrupar = true;
    if (c == '0') ++p.enterosMinimos;
  }
  if (punto != std::string_view::npos) {
    for (char c : patron.substr(punto + 1)) {
      if (c == '0') ++p.decimales;
    }
  }
  return p;
}

// Fixed text of |valor| with `decimales` decimals, halves away from zero on the exact
// binary value, "." as decimal point.
std::string FijoAbsoluto(double valor, int decimales) {
  valor = std::fabs(valor);
  std::array<char, 400> buffer{};
  auto [fin, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), valor,
                                 std::chars_format::fixed, decimales);
  std::string texto(buffer.data(), ec == std::errc{} ? fin : buffer.data());
  // to_chars breaks exact ties to even; the program's format breaks them away from zero.
  // A tie is a value whose exact expansion stops at one more digit, a 5.
  std::array<char, 1200> exacto{};
  auto [finExacto, ecExacto] = std::to_chars(exacto.data(), exacto.data() + exacto.size(), valor,
                                             std::chars_format::fixed, 1100);
  if (ecExacto == std::errc{}) {
    const std::string_view e(exacto.data(), static_cast<std::size_t>(finExacto - exacto.data()));
    const auto punto = e.find('.');
    const std::string_view cola = e.substr(punto + 1 + static_cast<std::size_t>(decimales));
    const bool empate = !cola.empty() && cola[0] == '5' &&
                        cola.find_first_not_of('0', 1) == std::string_view::npos;
    if (empate) {
      // Truncate and add one unit in the last place.
      std::string truncado(e.substr(0, decimales > 0 ? punto + 1 + static_cast<std::size_t>(decimales) : punto));
      int i = static_cast<int>(truncado.size()) - 1;
      for (; i >= 0; --i) {
        if (truncado[i] == '.') continue;
        if (truncado[i] == '9') {
          truncado[i] = '0';
        } else {
          ++truncado[i];
          break;
        }
      }
      if (i < 0) truncado.insert(truncado.begin(), '1');
      texto = truncado;
    }
  }
  return texto;
}

std::string Agrupar(std::string_view enteros) {
  std::string texto;
  const int n = static_cast<int>(enteros.size());
  for (int i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) texto += '.';
    texto += enteros[i];
  }
  return texto;
}

std::string_view SinBlancos(std::string_view t) {
  const auto ini = t.find_first_not_of(" \t");
  if (ini == std::string_view::npos) return {};
  const auto fin = t.find_last_not_of(" \t");
  return t.substr(ini, fin - ini + 1);
}

}  // namespace

std::string FormatoNumero(double valor, std::string_view patron) {
  const Patron p = LeerPatron(patron);
  const std::string fijo = FijoAbsoluto(valor, p.decimales);
  const auto punto = fijo.find('.');
  std::string enteros = fijo.substr(0, punto);
  std::string decimales = punto == std::string::npos ? std::string{} : fijo.substr(punto + 1);
  // Leading zeros beyond the pattern's minimum go ("#" prints nothing for a zero part).
  while (enteros.size() > 1 && enteros[0] == '0') enteros.erase(0, 1);
  if (enteros == "0" && p.enterosMinimos == 0) enteros.clear();
  while (static_cast<int>(enteros.size()) < p.enterosMinimos) enteros.insert(enteros.begin(), '0');
  std::string texto = p.agrupar ? Agrupar(enteros) : enteros;
  if (!decimales.empty()) texto += ',' + decimales;
  const bool cero = texto.find_first_not_of("0,.") == std::string::npos;
  if (valor < 0 && !cero) texto.insert(texto.begin(), '-');
  return texto;
}

std::string FormatoCuenta(std::int64_t cuenta) {
  const std::string digitos = std::to_string(cuenta < 0 ? -cuenta : cuenta);
  return (cuenta < 0 ? "-" : "") + Agrupar(digitos);
}

std::string FormatoMiles2(double valor) { return FormatoNumero(valor, "#,##0.00"); }
std::string Formato1Decimal(double valor) { return FormatoNumero(valor, "0.0"); }
std::string Formato2Decimales(double valor) { return FormatoNumero(valor, "0.00"); }
std::string Formato000_000(double valor) { return FormatoNumero(valor, "000.000"); }

std::string TextoReal(double valor) {
  if (valor == 0) return "0";
  std::array<char, 64> buffer{};
  std::snprintf(buffer.data(), buffer.size(), "%.15G", valor);
  std::string t(buffer.data());
  const auto e = t.find('E');
  std::string mantisa = t.substr(0, e);
  std::string exponente = e == std::string::npos ? std::string{} : t.substr(e);
  if (mantisa.find('.') != std::string::npos) {
    while (mantisa.back() == '0') mantisa.pop_back();
    if (mantisa.back() == '.') mantisa.pop_back();
  }
  for (char& c : mantisa) {
    if (c == '.') c = ',';
  }
  return mantisa + exponente;
}

std::optional<double> LeerReal(std::string_view texto) {
  texto = SinBlancos(texto);
  std::string limpio;
  bool hayDigitos = false;
  bool hayComa = false;
  for (std::size_t i = 0; i < texto.size(); ++i) {
    const char c = texto[i];
    if ((c == '-' || c == '+') && i == 0) {
      if (c == '-') limpio += c;
    } else if (c >= '0' && c <= '9') {
      limpio += c;
      hayDigitos = true;
    } else if (c == '.' && !hayComa) {
      // group separator of the integer part
    } else if (c == ',' && !hayComa) {
      limpio += '.';
      hayComa = true;
    } else {
      return std::nullopt;
    }
  }
  if (!hayDigitos) return std::nullopt;
  double valor = 0;
  const char* ini = limpio.data();
  const char* fin = limpio.data() + limpio.size();
  auto [p, ec] = std::from_chars(ini, fin, valor);
  if (ec != std::errc{} || p != fin) return std::nullopt;
  return valor;
}

std::optional<std::int64_t> LeerEntero(std::string_view texto) {
  const auto valor = LeerReal(texto);
  if (!valor || *valor != std::trunc(*valor) || std::fabs(*valor) > 9.0e18) return std::nullopt;
  return static_cast<std::int64_t>(*valor);
}

double RedondearPar(double valor, int decimales) {
  const double escala = std::pow(10.0, decimales);
  return std::nearbyint(valor * escala) / escala;
}

std::int64_t RedondearEnteroPar(double valor) { return static_cast<std::int64_t>(std::nearbyint(valor)); }

}  // namespace tanteo
