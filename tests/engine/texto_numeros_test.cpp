#include "engine/texto_numeros.h"

#include <gtest/gtest.h>

namespace tanteo {
namespace {

TEST(TextoNumeros, Cuentas) {
  const struct {
    std::int64_t valor;
    const char* texto;
  } casos[] = {{0, "0"},          {7, "7"},           {999, "999"},           {1000, "1.000"},
               {9999, "9.999"},   {65536, "65.536"},  {100000, "100.000"},    {1234567, "1.234.567"},
               {16777216, "16.777.216"}, {-1234, "-1.234"}, {-999, "-999"}};
  for (const auto& c : casos) EXPECT_EQ(FormatoCuenta(c.valor), c.texto) << c.valor;
  EXPECT_EQ(FormatoNumero(16777216, "#,#,0"), "16.777.216");
  EXPECT_EQ(FormatoNumero(0, "#,#,0"), "0");
}

TEST(TextoNumeros, PatronesConDecimales) {
  const struct {
    double valor;
    const char* patron;
    const char* texto;
  } casos[] = {
      {100000, "#,##0.00", "100.000,00"}, {0, "#,##0.00", "0,00"},         {1234.25, "#,##0.0", "1.234,3"},
      {-1234.5, "#,##0.00", "-1.234,50"}, {12.345, "0.0", "12,3"},         {0.05, "0.0", "0,1"},
      {2.5, "0", "3"},                    {0.125, "0.00", "0,13"},         {-0.125, "0.00", "-0,13"},
      {0.001, "0.00", "0,00"},            {-0.001, "0.00", "0,00"},        {5.5, "000.000", "005,500"},
      {123.4567, "000.000", "123,457"},   {9.996, "0.00", "10,00"},        {99.5, "#,##0", "100"},
  };
  for (const auto& c : casos) EXPECT_EQ(FormatoNumero(c.valor, c.patron), c.texto) << c.valor << " " << c.patron;
  EXPECT_EQ(FormatoMiles2(100000), "100.000,00");
  EXPECT_EQ(Formato1Decimal(1), "1,0");
  EXPECT_EQ(Formato2Decimales(6), "6,00");
  EXPECT_EQ(Formato000_000(0), "000,000");
}

TEST(TextoNumeros, TextoPorDefectoDeUnReal) {
  const struct {
    double valor;
    const char* texto;
  } casos[] = {{12.5, "12,5"},       {0.1 + 0.2, "0,3"},   {100, "100"},        {0, "0"},
               {-0.5, "-0,5"},       {1.0 / 3, "0,333333333333333"},         {1234567, "1234567"},
               {1e15, "1E+15"},      {0.0001, "0,0001"},   {0.00001, "1E-05"},  {123456789012345, "123456789012345"},
               {2.0 / 3 * 100, "66,6666666666667"}};
  for (const auto& c : casos) EXPECT_EQ(TextoReal(c.valor), c.texto) << c.valor;
}

TEST(TextoNumeros, LeerConReglasEspanolas) {
  EXPECT_EQ(LeerReal("12,5"), 12.5);
  EXPECT_EQ(LeerReal(" 1.234,5 "), 1234.5);
  EXPECT_EQ(LeerReal("-0,25"), -0.25);
  EXPECT_EQ(LeerReal("1.5"), 15);
  EXPECT_EQ(LeerReal("50"), 50);
  EXPECT_FALSE(LeerReal(""));
  EXPECT_FALSE(LeerReal("abc"));
  EXPECT_FALSE(LeerReal("1,2,3"));
  EXPECT_FALSE(LeerReal("12a"));
  EXPECT_FALSE(LeerReal(","));
  EXPECT_EQ(LeerEntero("07"), 7);
  EXPECT_EQ(LeerEntero("16.777.216"), 16777216);
  EXPECT_FALSE(LeerEntero("1,5"));
}

TEST(TextoNumeros, RedondeoDeMitadesAPar) {
  EXPECT_EQ(RedondearEnteroPar(2.5), 2);
  EXPECT_EQ(RedondearEnteroPar(3.5), 4);
  EXPECT_EQ(RedondearEnteroPar(-2.5), -2);
  EXPECT_EQ(RedondearEnteroPar(2.6), 3);
  EXPECT_DOUBLE_EQ(RedondearPar(0.125, 2), 0.12);
  EXPECT_DOUBLE_EQ(RedondearPar(0.375, 2), 0.38);
  EXPECT_DOUBLE_EQ(RedondearPar(12.3456, 2), 12.35);
}

}  // namespace
}  // namespace tanteo
