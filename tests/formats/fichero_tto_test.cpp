#include "formats/fichero_tto.h"

#include <gtest/gtest.h>

#include "ayudas_ficheros.h"
#include "fakes/carpeta_temporal.h"
#include "fakes/interaccion_guionizada.h"
#include "fakes/progreso_registrado.h"

namespace tanteo {
namespace {

using pruebas::Compactas;
using pruebas::FicheroTTO;
using pruebas::LeerBytes;
using pruebas::RegistroTTO;
using pruebas::TablaDe;

const std::vector<std::string> kApuestas = {"000102M0MM11", "MMMMMMMMMMMM", "000102M0MM11", "0M1M2MM0M1M2", "000000000000"};

TEST(FicheroTTO, IdaYVueltaConservaApuestasYOrden) {
  pruebas::CarpetaTemporal dir;
  const auto ruta = dir / "semana.tto";
  ASSERT_TRUE(EscribirFicheroTTO(ruta, "4-4-2-1-16-3", TablaDe(kApuestas), 5, nullptr).ok);

  // Header, count and one record per bet, each record enciphered on its own.
  const std::string bytes = LeerBytes(ruta);
  std::string esperado = RegistroTTO("4-4-2-1-16-3") + RegistroTTO("5");
  for (const auto& a : kApuestas) esperado += RegistroTTO(ApuestaConComas(DecodificarApuesta(a, false).apuesta));
  EXPECT_EQ(bytes, esperado);
  const std::size_t inicioApuestas = RegistroTTO("4-4-2-1-16-3").size() + RegistroTTO("5").size();
  EXPECT_EQ(bytes.substr(inicioApuestas, 2), std::string("\x11\x00", 2));
  EXPECT_EQ(bytes.substr(inicioApuestas, 19), bytes.substr(inicioApuestas + 2 * 19, 19)) << "apuestas iguales, bytes iguales";

  TablaApuestas leidas;
  const ResultadoLectura r = LeerFicheroTTO(ruta, leidas);
  ASSERT_TRUE(r.ok) << r.descripcion;
  EXPECT_EQ(r.apuestas, 5);
  EXPECT_FALSE(r.limiteSuperado);
  EXPECT_EQ(Compactas(leidas, r.apuestas), kApuestas);
}

TEST(FicheroTTO, CabeceraEnWindows1252YResultadosFueraDeRangoSinCodigo) {
  pruebas::CarpetaTemporal dir;
  const auto ruta = dir / "a.TTO";
  TablaApuestas t = TablaDe({"000000000000"});
  t(1, 2) = 0;
  t(1, 5) = 17;
  ASSERT_TRUE(EscribirFicheroTTO(ruta, "Combinación", t, 1, nullptr).ok);
  EXPECT_EQ(LeerBytes(ruta), RegistroTTO("Combinaci\xF3n") + RegistroTTO("1") + RegistroTTO("00,,00,00,,00"));

  // Empty elements are unknown codes: they read as "00" without notice.
  TablaApuestas leidas;
  const ResultadoLectura r = LeerFicheroTTO(ruta, leidas);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(Compactas(leidas, 1), std::vector<std::string>{"000000000000"});
  EXPECT_FALSE(r.caracteresDesconocidos);
}

TEST(FicheroTTO, RegistrosDeOtraFormaSeSeparanPorLasComas) {
  pruebas::CarpetaTemporal dir;
  const auto ruta = dir / "otra.tto";
  pruebas::EscribirBytes(ruta, FicheroTTO({"cabecera", "5", "mm,0m,12,21,22,2M,sobra", "0-0,01,02,M0,MM,11",
                                           "3-,01,02,M0,mm,11", "1,02,M,MM,,11", "M2,M1,M0,2M,22,21"}));
  TablaApuestas leidas;
  const ResultadoLectura r = LeerFicheroTTO(ruta, leidas);
  ASSERT_TRUE(r.ok) << r.descripcion;
  EXPECT_EQ(Compactas(leidas, r.apuestas), (std::vector<std::string>{"MM0M1221222M", "000102M0MM11", "000102M0MM11",
                                                                       "000200MM0011", "M2M1M02M2221"}));
}

TEST(FicheroTTO, FicherosRotosFallanSinDejarNada) {
  const std::string buena = FicheroTTO({"1-1-1-1-1-1", "2", "00,01,02,M0,MM,11", "11,11,11,11,11,11"});
  std::string cuentaVolteada = buena;
  cuentaVolteada[RegistroTTO("1-1-1-1-1-1").size() + 2] ^= 0x40;
  struct Caso {
    const char* nombre;
    std::string bytes;
    std::string descripcion;
  };
  const std::string truncado = "El fichero termina antes de lo esperado";
  const std::vector<Caso> casos = {
      {"vacío", "", truncado},
      {"solo cabecera", FicheroTTO({"x"}), truncado},
      {"cuenta no numérica", FicheroTTO({"x", "dos", "00,01,02,M0,MM,11"}), "El número de apuestas del fichero no es válido"},
      {"cuenta con un byte volteado", cuentaVolteada, "El número de apuestas del fichero no es válido"},
      {"cuenta negativa", FicheroTTO({"x", "-1"}), "El número de apuestas del fichero no es válido"},
      {"faltan registros", FicheroTTO({"x", "3", "00,01,02,M0,MM,11", "00,01,02,M0,MM,11"}), truncado},
      {"cortado dentro de un registro", buena.substr(0, buena.size() - 5), truncado},
      {"cortado dentro de una longitud", buena.substr(0, buena.size() - 18), truncado},
      {"cinco elementos", FicheroTTO({"x", "2", "00,01,02,M0,MM,11", "00,01,02,M0,MM"}),
       "La apuesta 2 del fichero no tiene seis resultados"},
      {"registro vacío", FicheroTTO({"x", "1"}) + std::string(2, '\0'), "La apuesta 1 del fichero no tiene seis resultados"},
  };
  pruebas::CarpetaTemporal dir;
  for (const Caso& c : casos) {
    const auto ruta = dir / "roto.tto";
    pruebas::EscribirBytes(ruta, c.bytes);
    TablaApuestas destino = TablaDe({"111111111111"});
    const ResultadoLectura r = LeerFicheroTTO(ruta, destino);
    EXPECT_FALSE(r.ok) << c.nombre;
    EXPECT_EQ(r.descripcion, c.descripcion) << c.nombre;
    EXPECT_EQ(r.apuestas, 0) << c.nombre;
    EXPECT_TRUE(destino.Vacia()) << c.nombre;
  }
  TablaApuestas destino = TablaDe({"111111111111"});
  const ResultadoLectura r = LeerFicheroTTO(dir / "no-existe.tto", destino);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.descripcion, "No existe el fichero o la carpeta");
  EXPECT_TRUE(destino.Vacia());
}

TEST(FicheroTTO, CuentaPorEncimaDelLimiteAvisaYSeRecorta) {
  pruebas::CarpetaTemporal dir;
  const auto ruta = dir / "grande.tto";
  // The count is cut to 16,777,216, which the file does not hold: warned, then failed.
  pruebas::EscribirBytes(ruta, FicheroTTO({"x", "16777217", "00,01,02,M0,MM,11"}));
  TablaApuestas destino;
  const ResultadoLectura r = LeerFicheroTTO(ruta, destino);
  EXPECT_TRUE(r.limiteSuperado);
  EXPECT_FALSE(r.ok);

  pruebas::InteraccionGuionizada ui;
  InformarLectura(r, ui);
  EXPECT_EQ(ui.Textos(), (std::vector<std::string>{std::string(kAvisoLimiteApuestas),
                                                   ErrorImportarFichero("El fichero termina antes de lo esperado")}));
}

TEST(FicheroTTO, LecturaYEscrituraAvisanDelAvance) {
  pruebas::CarpetaTemporal dir;
  const auto ruta = dir / "avance.tto";
  TablaApuestas t;
  t.Redimensionar(13'000);
  for (std::int32_t i = 1; i <= t.Filas(); ++i) t.Poner(i, ApuestaDeNumero(i * 1013));
  pruebas::ProgresoRegistrado barra;
  ASSERT_TRUE(EscribirFicheroTTO(ruta, "cabecera", t, 13'000, &barra).ok);
  EXPECT_EQ(barra.avances, (std::vector<std::pair<std::int64_t, std::int64_t>>{{6000, 13'000}, {12'000, 13'000}}));
  EXPECT_EQ(barra.cesiones, 2);

  std::vector<std::int32_t> avisos;
  OpcionesLectura opciones{5000, [&](std::int32_t n) { avisos.push_back(n); }};
  TablaApuestas leidas;
  const ResultadoLectura r = LeerFicheroTTO(ruta, leidas, opciones);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(avisos, (std::vector<std::int32_t>{5000, 10'000}));
  EXPECT_EQ(Compactas(leidas, r.apuestas), Compactas(t, 13'000));
}

TEST(FicheroTTO, UnFalloAlGuardarSeAnunciaYDejaElFicheroAnterior) {
  pruebas::CarpetaTemporal dir;
  const auto ruta = dir / "guardado.tto";
  pruebas::EscribirBytes(ruta, "anterior");
  pruebas::InteraccionGuionizada ui;
  // More rows than the table holds: the writer stops and the old file stays.
  EXPECT_FALSE(GuardarFicheroApuestas(ruta, "x", TablaDe({"000000000000"}), 2, nullptr, ui));
  EXPECT_EQ(pruebas::LeerBytes(ruta), "anterior");
  EXPECT_FALSE(GuardarFicheroApuestas(dir / "no-existe" / "a.tto", "x", TablaDe({"000000000000"}), 1, nullptr, ui));
  ASSERT_EQ(ui.mensajes.size(), 2u);
  EXPECT_EQ(ui.mensajes[0].icono, Icono::Error);
  EXPECT_EQ(ui.mensajes[0].texto, "ERROR AL GUARDAR EL FICHERO (Número de apuestas fuera de la tabla)");
  EXPECT_TRUE(ui.mensajes[1].texto.starts_with("ERROR AL GUARDAR EL FICHERO (")) << ui.mensajes[1].texto;
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Ruta()), {}), 1);
}

}  // namespace
}  // namespace tanteo
