// Numbers as the program shows and reads them: Spanish rules, fixed whatever the user's
// locale (decimal comma, "." between groups of thousands). Every screen, report and file
// writer formats through here; never through a locale.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tanteo {

// A pattern of '#', '0', ',' and '.' as the program's format strings write them:
// "," anywhere in the integer part turns on grouping, the '0's before "." give the least
// number of integer digits, the '0's after it the decimals. Halves round away from zero.
std::string FormatoNumero(double valor, std::string_view patron);

// "#,#,0": counts of bets, 16.777.216 ("0" for zero).
std::string FormatoCuenta(std::int64_t cuenta);
// "#,##0.00": 100.000,00.
std::string FormatoMiles2(double valor);
// "0.0", "0.00" and "000.000".
std::string Formato1Decimal(double valor);
std::string Formato2Decimales(double valor);
std::string Formato000_000(double valor);

// The default text of a real number: at most 15 significant digits, trailing zeros
// dropped, decimal comma, no grouping, exponent form "1E+15" / "1E-05" beyond that range.
std::string TextoReal(double valor);

// Reading typed or stored numbers: surrounding blanks ignored, optional sign, "." between
// groups ignored, "," as the decimal mark. Anything else is not a number.
std::optional<double> LeerReal(std::string_view texto);
std::optional<std::int64_t> LeerEntero(std::string_view texto);

// Rounding with halves to even, as the program's rounding function does.
double RedondearPar(double valor, int decimales);
std::int64_t RedondearEnteroPar(double valor);

}  // namespace tanteo
