#include "matchday/pantalla_cargar_jornada.h"

#include <gtest/gtest.h>

#include <fstream>

#include "fakes/carpeta_temporal.h"
#include "fakes/interaccion_guionizada.h"
#include "fakes/plataforma_falsa.h"
#include "fakes/progreso_registrado.h"
#include "respuestas_prueba.h"

namespace tanteo {
namespace {

// Answers one fixed text and records what it was asked, and whether the screen had shown
// its caption and yielded by then.
class ServicioFijo : public ServicioJornada {
 public:
  explicit ServicioFijo(const pruebas::ProgresoRegistrado& progreso) : progreso_(progreso) {}
  RespuestaServicio Consultar(std::string_view jornada, std::string_view temporada) override {
    consultas.emplace_back(std::string(jornada) + " " + std::string(temporada));
    avisoMostrado = !progreso_.textos.empty() && progreso_.textos.back() == kTextoDescargando && progreso_.cesiones > 0;
    return {true, respuesta, {}};
  }
  std::string respuesta;
  std::vector<std::string> consultas;
  bool avisoMostrado = false;

 private:
  const pruebas::ProgresoRegistrado& progreso_;
};

class PantallaCargar : public ::testing::Test {
 protected:
  PantallaCargar() : plataforma(carpeta / "programa"), servicio(progreso) {
    plataforma.ahora = {2025, 8, 1};
    RellenarJornadas(principal.cboNumeroJornada);
    RellenarTemporadas(principal.cboTemporada, plataforma.ahora);
    principal.cboNumeroJornada.PonerTexto("12");
    principal.cboTemporada.PonerTexto("2023/2024");
    for (int e = 1; e <= kEquipos; ++e) principal.txtPartido.nombre[e] = "Equipo" + std::to_string(e);
  }

  pruebas::CarpetaTemporal carpeta;
  pruebas::PlataformaFalsa plataforma;
  pruebas::ProgresoRegistrado progreso;
  pruebas::InteraccionGuionizada interaccion;
  ServicioFijo servicio;
  ControlesJornada principal;
};

TEST_F(PantallaCargar, AlAbrirCopiaSeleccionesYNombresDeLaVentanaPrincipal) {
  PantallaCargarJornada pantalla(principal, servicio, plataforma, interaccion);
  EXPECT_EQ(pantalla.controles.cboNumeroJornada.entradas.size(), 99u);
  EXPECT_EQ(pantalla.controles.cboTemporada.entradas.size(), 71u);
  EXPECT_EQ(pantalla.controles.cboNumeroJornada.Texto(), "12");
  EXPECT_EQ(pantalla.controles.cboTemporada.Texto(), "2023/2024");
  EXPECT_EQ(pantalla.controles.txtPartido.nombre, principal.txtPartido.nombre);
  EXPECT_TRUE(servicio.consultas.empty());

  // With nothing selected on the main window the screen keeps its own defaults.
  ControlesJornada vacia;
  PantallaCargarJornada otra(vacia, servicio, plataforma, interaccion);
  EXPECT_EQ(otra.controles.cboNumeroJornada.Texto(), "1");
  EXPECT_EQ(otra.controles.cboTemporada.Texto(), "2025/2026");
}

TEST_F(PantallaCargar, ConectarCargaLaJornadaElegidaEnLaPantallaMostrandoElAviso) {
  PantallaCargarJornada pantalla(principal, servicio, plataforma, interaccion);
  pantalla.controles.cboNumeroJornada.PonerTexto("3");
  pantalla.controles.cboTemporada.PonerTexto("2025/2026");
  servicio.respuesta = pruebas::Respuesta({pruebas::PartidoEquipos(2, "Osasuna", "Girona")});
  pantalla.imgConectar(progreso);

  EXPECT_EQ(servicio.consultas, std::vector<std::string>{"3 2025/2026"});
  EXPECT_TRUE(servicio.avisoMostrado);
  EXPECT_EQ(progreso.textos, (std::vector<std::string>{std::string(kTextoDescargando), ""}));
  EXPECT_EQ(pantalla.controles.txtPartido.nombre[3], "Osasuna");
  EXPECT_EQ(pantalla.controles.txtPartido.nombre[4], "Girona");
  EXPECT_EQ(pantalla.controles.txtPartido.nombre[1], "Equipo1");
  EXPECT_EQ(principal.txtPartido.nombre[3], "Equipo3");  // only the screen's fields until it closes

  servicio.respuesta = "<html><br></html>";
  pantalla.imgConectar(progreso);
  EXPECT_EQ(interaccion.mensajes.size(), 1u);
  EXPECT_EQ(progreso.textos.back(), "");  // the caption is hidden after a failure too
}

TEST_F(PantallaCargar, InicializarFicheroYVolverALaVentanaPrincipal) {
  PantallaCargarJornada pantalla(principal, servicio, plataforma, interaccion);
  pantalla.imgInicializarPartidos();
  for (int e = 1; e <= kEquipos; ++e) EXPECT_EQ(pantalla.controles.txtPartido.nombre[e], "");
  EXPECT_EQ(principal.txtPartido.nombre[1], "Equipo1");

  std::string lineas;
  for (int t = 1; t <= kEquipos; ++t) lineas += "Club " + std::to_string(t) + "\n";
  std::ofstream(carpeta / "j.txt") << lineas;
  interaccion.ElegirFichero((carpeta / "j.txt").string());
  pantalla.imgCargarJornada();
  EXPECT_EQ(pantalla.controles.txtPartido.nombre[12], "Club 12");

  pantalla.controles.cboNumeroJornada.PonerTexto("30");
  pantalla.controles.cboTemporada.PonerTexto("2060/2061");
  pantalla.imgVolver();
  EXPECT_EQ(principal.txtPartido.nombre, pantalla.controles.txtPartido.nombre);
  EXPECT_EQ(principal.cboNumeroJornada.Texto(), "30");
  EXPECT_EQ(principal.cboTemporada.Texto(), "2060/2061");
  EXPECT_TRUE(interaccion.mensajes.empty());
}

}  // namespace
}  // namespace tanteo
