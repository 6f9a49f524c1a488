#include "conditions/porcentajes_validacion.h"

#include <gtest/gtest.h>

#include "conditions/filtro_teclas_numericas.h"
#include "fakes/interaccion_guionizada.h"

namespace tanteo {
namespace {

using pruebas::InteraccionGuionizada;

// Every team 25 / 25 / 25 / 25 but those changed.
BloquePorcentajes Completo() {
  BloquePorcentajes b;
  for (int t = 1; t <= kEquipos; ++t) {
    for (int s = 0; s < kSignos; ++s) b(t, s) = "25";
  }
  return b;
}

TEST(ValidarPorcentajes, ErroresYAviso) {
  struct Caso {
    const char* nombre;
    std::vector<std::tuple<int, int, std::string>> cambios;
    bool ok;
    std::string mensaje;
  };
  const std::string aviso =
      "AVISO: HAY EQUIPOS QUE SU SUMA DE % ES MENOR DE 100 Y ESTO PUEDE PROVOCAR QUE EL CALCULO NO SEA CORRECTO, % EN "
      "EQUIPOS: ";
  const std::vector<Caso> casos = {
      {"todo 100", {}, true, ""},
      {"exactamente 100 con decimales", {{2, 0, "24,5"}, {2, 1, "25,5"}}, true, ""},
      {"100,01", {{4, 3, "25,01"}}, false, "ERROR EN EQUIPO 4: LA SUMA DE LOS CUATRO % NO PUEDE EXCEDER DE 100"},
      {"en blanco", {{7, 2, "  "}}, false, "ERROR EN EQUIPO 7: ALGUN % ESTA EN BLANCO"},
      {"no es un número", {{9, 0, ","}}, false, "ERROR EN EQUIPO 9: ALGUN % ESTA EN BLANCO"},
      {"el primer error para", {{3, 0, ""}, {2, 0, "90"}}, false,
       "ERROR EN EQUIPO 2: LA SUMA DE LOS CUATRO % NO PUEDE EXCEDER DE 100"},
      {"menores de 100", {{1, 3, "20"}, {3, 2, "24,5"}}, true, aviso + "1(95), 3(99,5)"},
      {"menor y luego error", {{1, 3, "20"}, {5, 1, ""}}, false, "ERROR EN EQUIPO 5: ALGUN % ESTA EN BLANCO"},
      {"espacios alrededor", {{6, 0, " 25 "}}, true, ""},
  };
  for (const Caso& c : casos) {
    BloquePorcentajes b = Completo();
    for (const auto& [t, s, texto] : c.cambios) b(t, s) = texto;
    InteraccionGuionizada ui;
    EXPECT_EQ(ValidarPorcentajes(b, ui), c.ok) << c.nombre;
    if (c.mensaje.empty()) {
      EXPECT_TRUE(ui.mensajes.empty()) << c.nombre;
    } else {
      ASSERT_EQ(ui.mensajes.size(), 1u) << c.nombre;
      EXPECT_EQ(ui.mensajes[0].texto, c.mensaje) << c.nombre;
      EXPECT_EQ(ui.mensajes[0].icono, c.ok ? Icono::Aviso : Icono::Error) << c.nombre;
    }
  }
}

TEST(ValidarPorcentajes, PalabrasDeApostadosYReales) {
  BloquePorcentajes b = Completo();
  b(2, 0) = "";
  InteraccionGuionizada ui;
  EXPECT_FALSE(ValidarPorcentajes(b, ui, PalabrasPorcentajes::Apostados));
  EXPECT_FALSE(ValidarPorcentajes(b, ui, PalabrasPorcentajes::Reales));
  b(2, 0) = "30";
  EXPECT_FALSE(ValidarPorcentajes(b, ui, PalabrasPorcentajes::Apostados));
  EXPECT_FALSE(ValidarPorcentajes(b, ui, PalabrasPorcentajes::Reales));
  b(2, 0) = "20";
  EXPECT_TRUE(ValidarPorcentajes(b, ui, PalabrasPorcentajes::Apostados));
  EXPECT_TRUE(ValidarPorcentajes(b, ui, PalabrasPorcentajes::Reales));
  EXPECT_EQ(ui.Textos(),
            (std::vector<std::string>{
                "ERROR EN EQUIPO 2: ALGUN % APOSTADO ESTA EN BLANCO",
                "ERROR EN EQUIPO 2: ALGUN % REAL ESTA EN BLANCO",
                "ERROR EN EQUIPO 2: LA SUMA DE LOS CUATRO % APOSTADOS NO PUEDE EXCEDER DE 100",
                "ERROR EN EQUIPO 2: LA SUMA DE LOS CUATRO % REALES NO PUEDE EXCEDER DE 100",
                "AVISO: HAY EQUIPOS QUE SU SUMA DE % APOSTADOS ES MENOR DE 100 Y ESTO PUEDE PROVOCAR QUE EL CALCULO "
                "NO SEA CORRECTO, % EN EQUIPOS: 2(95)",
                "AVISO: HAY EQUIPOS QUE SU SUMA DE % REALES ES MENOR DE 100 Y ESTO PUEDE PROVOCAR QUE EL CALCULO NO "
                "SEA CORRECTO, % EN EQUIPOS: 2(95)",
            }));
}

TEST(FiltroTeclasNumericas, DecimalYEntero) {
  struct Caso {
    int tecla;
    const char* texto;
    bool decimal;
    bool entero;
  };
  for (const Caso& c : {Caso{'7', "", true, true}, Caso{'0', "12,5", true, true}, Caso{kTeclaRetroceso, "1", true, true},
                        Caso{kTeclaEscape, "", true, true}, Caso{'.', "12", true, false}, Caso{',', "12", true, false},
                        Caso{',', "12,5", false, false}, Caso{'.', "12,5", true, false}, Caso{'a', "", false, false},
                        Caso{'-', "", false, false}, Caso{' ', "", false, false}, Caso{13, "", false, false}}) {
    EXPECT_EQ(FiltroTeclasNumericas(c.tecla, c.texto, ModoTeclas::Decimal), c.decimal) << c.tecla << " " << c.texto;
    EXPECT_EQ(FiltroTeclasNumericas(c.tecla, c.texto, ModoTeclas::Entero), c.entero) << c.tecla << " " << c.texto;
  }
}

}  // namespace
}  // namespace tanteo
