#include "engine/vocabulario.h"

#include <gtest/gtest.h>

namespace tanteo {
namespace {

TEST(Vocabulario, CodigosDecodificanSinDistinguirMayusculas) {
  const struct {
    const char* codigo;
    int resultado;
  } casos[] = {{"00", 1}, {"0m", 4}, {"mm", 16}, {"Mm", 16}, {"MM", 16}, {"1M", 8}, {"M2", 15},
               {"31", 1}, {"  ", 1}, {"", 1},    {"0", 1}};
  for (const auto& c : casos) {
    EXPECT_EQ(ResultadoDeCodigo(c.codigo), c.resultado) << c.codigo;
  }
  EXPECT_FALSE(EsCodigoResultado("31"));
  EXPECT_TRUE(EsCodigoResultado("m0"));
}

TEST(Vocabulario, TextosDeResultadoConSusRespaldos) {
  EXPECT_EQ(NombreResultado(16), "M-M");
  EXPECT_EQ(NombreResultado(0), "0-0");
  EXPECT_EQ(NombreResultado(17), "0-0");
  EXPECT_EQ(CodigoResultado(12), "2M");
  EXPECT_EQ(CodigoResultado(0), "");
  EXPECT_EQ(CodigoResultado(17), "");
  EXPECT_EQ(LeyendaResultado(14), "M 1");
  for (int r = 1; r <= 16; ++r) {
    EXPECT_EQ(ResultadoDeCodigo(CodigoResultado(r)), r);
    EXPECT_EQ(ResultadoDeSignos(SignoLocal(r), SignoVisitante(r)), r);
    EXPECT_EQ(CodigoResultado(r)[0], TextoSigno(SignoLocal(r)));
    EXPECT_EQ(CodigoResultado(r)[1], TextoSigno(SignoVisitante(r)));
  }
}

TEST(Vocabulario, NumeroApuestaEnLosExtremosYDeIdaYVuelta) {
  EXPECT_EQ(NumeroApuesta(Apuesta{1, 1, 1, 1, 1, 1}), 0);
  EXPECT_EQ(NumeroApuesta(Apuesta{16, 16, 16, 16, 16, 16}), 16'777'215);
  EXPECT_EQ(NumeroApuesta(Apuesta{2, 1, 1, 1, 1, 1}), 1 << 20);  // match 1 is the most significant
  for (std::int32_t n : {0, 1, 15, 16, 4660, 1'048'575, 16'777'215}) {
    EXPECT_EQ(NumeroApuesta(ApuestaDeNumero(n)), n);
  }
}

TEST(Vocabulario, PosicionSistemaConRadicesMixtas) {
  TablaResultadosPartido lista{};
  TablaNumResultados num{};
  // Match 1 accepts {2, 5}, match 3 accepts {1, 7, 16}, the rest one result each.
  lista[1][1] = 2;
  lista[2][1] = 5;
  num[1] = 2;
  lista[1][3] = 1;
  lista[2][3] = 7;
  lista[3][3] = 16;
  num[3] = 3;
  for (int m : {2, 4, 5, 6}) {
    lista[1][m] = 6;
    num[m] = 1;
  }
  EXPECT_EQ(PosicionSistema(Apuesta{2, 6, 1, 6, 6, 6}.data(), lista, num), 1);
  EXPECT_EQ(PosicionSistema(Apuesta{2, 6, 7, 6, 6, 6}.data(), lista, num), 2);
  EXPECT_EQ(PosicionSistema(Apuesta{5, 6, 1, 6, 6, 6}.data(), lista, num), 4);
  EXPECT_EQ(PosicionSistema(Apuesta{5, 6, 16, 6, 6, 6}.data(), lista, num), 6);
  for (std::int32_t p = 1; p <= 6; ++p) {
    EXPECT_EQ(PosicionSistema(ApuestaDePosicion(p, lista, num).data(), lista, num), p);
  }
  EXPECT_EQ(DigitoLocal(5, 1, lista, num), 1);
  EXPECT_EQ(DigitoLocal(3, 1, lista, num), -1);
}

TEST(Vocabulario, PosicionSistemaDelEspacioCompletoEsNumeroMasUno) {
  TablaResultadosPartido lista{};
  TablaNumResultados num{};
  for (int m = 1; m <= 6; ++m) {
    for (int r = 1; r <= 16; ++r) lista[r][m] = static_cast<std::uint8_t>(r);
    num[m] = 16;
  }
  for (std::int32_t n : {0, 77, 65'535, 9'999'999, 16'777'215}) {
    EXPECT_EQ(PosicionSistema(ApuestaDeNumero(n).data(), lista, num), n + 1);
  }
  EXPECT_EQ(TipoSistemaDe(num), "16-16-16-16-16-16");
  EXPECT_EQ(TipoSistema({4, 4, 2, 1, 16, 3}), "4-4-2-1-16-3");
}

TEST(Vocabulario, SeparadoresYCodificacion) {
  EXPECT_TRUE(TieneSeparadores("00,01"));
  EXPECT_TRUE(TieneSeparadores("00 01"));
  EXPECT_TRUE(TieneSeparadores("0-0"));
  EXPECT_FALSE(TieneSeparadores("000102M0MM11"));
  EXPECT_EQ(QuitarSeparadores("0-0, 0-1 ,M-M"), "0001MM");

  const Apuesta a{1, 2, 3, 13, 16, 6};
  EXPECT_EQ(ApuestaCompacta(a), "000102M0MM11");
  EXPECT_EQ(ApuestaConComas(a), "00,01,02,M0,MM,11");
  const Apuesta fuera{0, 2, 3, 13, 16, 17};
  EXPECT_EQ(ApuestaConComas(fuera), ",01,02,M0,MM,");
}

TEST(Vocabulario, DecodificarLineas) {
  auto d = DecodificarApuesta("000102m0mm11xyz", false);
  ASSERT_TRUE(d.tieneApuesta);
  EXPECT_EQ(d.apuesta, (Apuesta{1, 2, 3, 13, 16, 6}));
  EXPECT_EQ(d.desconocidos, 0);

  d = DecodificarApuesta("00,01,02,M0,MM,11", true);
  EXPECT_EQ(d.apuesta, (Apuesta{1, 2, 3, 13, 16, 6}));

  EXPECT_FALSE(DecodificarApuesta("000102M0MM1", false).tieneApuesta);

  // A compact line read with separator removal keeps its pairs; a dashed line read
  // without it reads shifted pairs, unknown ones as "00".
  d = DecodificarApuesta("0-0-1-1-2-2-", false);
  ASSERT_TRUE(d.tieneApuesta);
  EXPECT_EQ(d.desconocidos, 6);
  EXPECT_EQ(d.apuesta, (Apuesta{1, 1, 1, 1, 1, 1}));

  d = DecodificarApuesta("31000000000000", false);
  EXPECT_EQ(d.apuesta[0], 1);
  EXPECT_EQ(d.desconocidos, 1);

  // Long enough before removing separators, too short after: the missing pairs are unknown.
  d = DecodificarApuesta("00 01 02 0M", true);
  ASSERT_FALSE(d.tieneApuesta);
  d = DecodificarApuesta("00 01 02 0M  ", true);
  ASSERT_TRUE(d.tieneApuesta);
  EXPECT_EQ(d.desconocidos, 2);
}

}  // namespace
}  // namespace tanteo
