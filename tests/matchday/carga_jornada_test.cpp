#include "matchday/carga_jornada.h"

#include <gtest/gtest.h>

#include "fakes/interaccion_guionizada.h"
#include "matchday/servicio_http.h"
#include "respuestas_prueba.h"
#include "servidores_prueba.h"

namespace tanteo {
namespace {

using namespace std::chrono_literals;
using pruebas::InteraccionGuionizada;
using pruebas::PartidoEquipos;
using pruebas::PartidoPorcentajes;
using pruebas::Respuesta;
using pruebas::ValorPrueba;

constexpr std::string_view kConsulteEn =
    "\r\nPUEDE QUE EL FICHERO NO ESTE DISPONIBLE, CONSULTE EN https://www.boletia.es/quinigol";

// Every load goes to a real HTTP server on 127.0.0.1.
class CargaJornada : public ::testing::Test {
 protected:
  CargaJornada() : servicio(servidor.Base(), {300ms, 600ms}) {
    for (int e = 1; e <= kEquipos; ++e) equipos.nombre[e] = "Equipo" + std::to_string(e);
  }

  bool Equipos() { return CargarPartidosJornada(servicio, "7", "2024/2025", equipos, interaccion); }
  bool Porcentajes(ClasePorcentajes clase) {
    return CargarPorcentajesJornada(servicio, "7", "2024/2025", cajas, clase, interaccion);
  }
  bool Mixtos() { return CargarPorcentajesMixtos(servicio, "7", "2024/2025", cajas, 80, 20, interaccion); }

  pruebas::ServidorHTTP servidor;
  ServicioHTTP servicio;
  NombresEquipos equipos;
  CajasPorcentajes cajas;
  InteraccionGuionizada interaccion;
};

TEST_F(CargaJornada, NombresEnCualquierOrdenConPartidoSinDistinguirMayusculas) {
  std::vector<std::string> partidos;
  for (int n = 6; n >= 1; --n) {
    partidos.push_back(PartidoEquipos(n, "Local" + std::to_string(n), "Visitante" + std::to_string(n),
                                      n % 2 ? "PARTIDO" : "Partido"));
  }
  partidos.push_back(PartidoEquipos(1, "Otro", "Otro", "encuentro"));  // other elements are ignored
  servidor.Responder(Respuesta(partidos));

  ASSERT_TRUE(Equipos());
  EXPECT_TRUE(interaccion.mensajes.empty());
  for (int n = 1; n <= kPartidos; ++n) {
    EXPECT_EQ(equipos.nombre[2 * n - 1], "Local" + std::to_string(n));
    EXPECT_EQ(equipos.nombre[2 * n], "Visitante" + std::to_string(n));
  }
  const auto peticion = servidor.Peticiones().at(0);
  EXPECT_EQ(peticion.jornada, "7");
  EXPECT_EQ(peticion.temporada, "2024-2025");
}

TEST_F(CargaJornada, NombresComoLlegan) {
  // Declared Latin-1 answers are converted by the parser; undeclared single-byte names too.
  servidor.Responder("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><q>" +
                     PartidoEquipos(1, "M\xE1laga", " Legan\xE9s &amp; Co ") + "</q>");
  ASSERT_TRUE(Equipos());
  EXPECT_EQ(equipos.nombre[1], "Málaga");
  EXPECT_EQ(equipos.nombre[2], " Leganés & Co ");
  EXPECT_EQ(equipos.nombre[3], "Equipo3");

  servidor.Responder("<q>" + PartidoEquipos(2, "C\xE1" "diz", "Alav\xE9s") + "</q>");
  ASSERT_TRUE(Equipos());
  EXPECT_EQ(equipos.nombre[3], "Cádiz");
  EXPECT_EQ(equipos.nombre[4], "Alavés");
}

TEST_F(CargaJornada, CadaClaseLeeSusAtributosConComaDecimal) {
  struct Caso {
    ClasePorcentajes clase;
    int codigo;  // first digit of the test values: 1 pta, 2 pt, 3 ptl
  };
  for (const Caso caso : {Caso{ClasePorcentajes::Analisis, 1}, Caso{ClasePorcentajes::Jugados, 2},
                          Caso{ClasePorcentajes::LAE, 3}}) {
    std::vector<std::string> partidos;
    for (int n = 6; n >= 1; --n) partidos.push_back(PartidoPorcentajes(n));
    servidor.Responder(Respuesta(partidos));
    ASSERT_TRUE(Porcentajes(caso.clase));
    for (int n = 1; n <= kPartidos; ++n) {
      for (int lado = 0; lado < 2; ++lado) {
        for (int signo = 0; signo < kSignos; ++signo) {
          std::string esperado = ValorPrueba(caso.codigo, n, lado, signo);
          esperado[esperado.find('.')] = ',';
          EXPECT_EQ(cajas.texto[signo][2 * n - 1 + lado], esperado);
        }
      }
    }
  }
  EXPECT_TRUE(interaccion.mensajes.empty());

  servidor.Responder(R"(<q><partido num="1" pta0_local="45.5" pta1_local="1.2.3" pta2_local="20" ptaM_local=""
      pta0_visitante="0" pta1_visitante="100" pta2_visitante="0.25" ptaM_visitante="x"/></q>)");
  ASSERT_TRUE(Porcentajes(ClasePorcentajes::Analisis));
  EXPECT_EQ(cajas.texto[0][1], "45,5");
  EXPECT_EQ(cajas.texto[1][1], "1,2,3");  // texts are passed on; the block's check judges them
  EXPECT_EQ(cajas.texto[3][1], "");
  EXPECT_EQ(cajas.texto[2][2], "0,25");
  EXPECT_EQ(cajas.texto[3][2], "x");
}

TEST_F(CargaJornada, MezclaPonderadaYEquiposNoMencionados) {
  servidor.Responder(R"(<q>
    <partido num="2" ptl0_local="50" ptl1_local="30" ptl2_local="15" ptlM_local="5"
                     pt0_local="40" pt1_local="40" pt2_local="10" ptM_local="10"
                     ptl0_visitante="33.3" ptl1_visitante="33.3" ptl2_visitante="33.3" ptlM_visitante="0.1"
                     pt0_visitante="10.5" pt1_visitante="20" pt2_visitante="30" ptM_visitante="39.5"/>
  </q>)");
  ASSERT_TRUE(Mixtos());
  EXPECT_TRUE(interaccion.mensajes.empty());
  const auto fila = [&](int equipo) {
    return std::vector<std::string>{cajas.texto[0][equipo], cajas.texto[1][equipo], cajas.texto[2][equipo],
                                    cajas.texto[3][equipo]};
  };
  EXPECT_EQ(fila(3), (std::vector<std::string>{"48", "32", "14", "6,00"}));
  // 0,8 x 33,3 + 0,2 x 10,5 = 28,74; + 4 = 30,64; + 6 = 32,64; M = 100 - 92,02
  EXPECT_EQ(fila(4), (std::vector<std::string>{"28,74", "30,64", "32,64", "7,98"}));
  for (const int equipo : {1, 2, 5, 12}) EXPECT_EQ(fila(equipo), (std::vector<std::string>{"0", "0", "0", "100,00"}));
}

TEST_F(CargaJornada, RespuestaQueNoEsXMLEsUnErrorDelAnalizadorConSuCodigo) {
  struct Caso {
    std::string respuesta;
    int estado;
    int codigo;
  };
  const Caso casos[] = {
      {"<html><head><title>Error</title></head><body>Servicio no disponible<br></body></html>", 500, 14},
      {"", 200, 16},
      {"Service Unavailable", 503, 16},
  };
  for (const Caso& c : casos) {
    servidor.Responder(c.respuesta, c.estado, "text/html");
    InteraccionGuionizada vista;
    NombresEquipos antes = equipos;
    EXPECT_FALSE(CargarPartidosJornada(servicio, "7", "2024/2025", equipos, vista));
    EXPECT_FALSE(CargarPorcentajesJornada(servicio, "7", "2024/2025", cajas, ClasePorcentajes::Jugados, vista));
    EXPECT_FALSE(CargarPorcentajesMixtos(servicio, "7", "2024/2025", cajas, 80, 20, vista));
    const std::string codigo = "(" + std::to_string(c.codigo) + ")";
    EXPECT_EQ(vista.Textos(), (std::vector<std::string>{
                                  "ERROR AL ABRIR EL FICHERO DE JORNADA " + codigo + std::string(kConsulteEn),
                                  "ERROR AL CARGAR EL FICHERO DE PORCENTAJES " + codigo + std::string(kConsulteEn),
                                  "ERROR AL CARGAR EL FICHERO DE PORCENTAJES " + codigo + std::string(kConsulteEn),
                              }));
    EXPECT_EQ(vista.mensajes.at(0).icono, Icono::Error);
    EXPECT_EQ(equipos.nombre, antes.nombre);
    EXPECT_EQ(cajas.texto, CajasPorcentajes().texto);
  }
}

TEST_F(CargaJornada, UnFalloAMitadDejaLoEscritoYNoAplicaElResto) {
  struct Caso {
    std::string segundo;  // what follows a good first match
    std::string descripcion;
  };
  const Caso casos[] = {
      {R"(<partido num="2" equipo1="Betis"/>)", "falta el atributo equipo2 del partido 2"},
      {R"(<partido num="7" equipo1="Betis" equipo2="Elche"/>)", "número de partido fuera de rango: 7"},
      {R"(<partido num="0" equipo1="Betis" equipo2="Elche"/>)", "número de partido fuera de rango: 0"},
      {R"(<partido num="dos" equipo1="Betis" equipo2="Elche"/>)", "número de partido no válido: dos"},
      {R"(<partido equipo1="Betis" equipo2="Elche"/>)", "falta el atributo num"},
  };
  for (const Caso& c : casos) {
    NombresEquipos nombres;
    InteraccionGuionizada vista;
    servidor.Responder(Respuesta({PartidoEquipos(1, "Celta", "Getafe"), c.segundo, PartidoEquipos(3, "Eibar", "Huesca")}));
    EXPECT_FALSE(CargarPartidosJornada(servicio, "7", "2024/2025", nombres, vista));
    EXPECT_EQ(vista.Textos(), std::vector<std::string>{"ERROR AL ABRIR EL FICHERO DE JORNADA (" + c.descripcion + ")"});
    EXPECT_EQ(nombres.nombre[1], "Celta");
    EXPECT_EQ(nombres.nombre[2], "Getafe");
    EXPECT_EQ(nombres.nombre[3], c.descripcion.starts_with("falta el atributo equipo2") ? "Betis" : "");
    EXPECT_EQ(nombres.nombre[4], "");
    EXPECT_EQ(nombres.nombre[5], "");  // the third match is never reached
  }
}

TEST_F(CargaJornada, FalloEnPorcentajesDejaLasCajasEscritasPeroLaMezclaNoEscribeNada) {
  servidor.Responder(Respuesta({PartidoPorcentajes(1, "pt2_visitante"), PartidoPorcentajes(2)}));
  EXPECT_FALSE(Porcentajes(ClasePorcentajes::Jugados));
  EXPECT_EQ(interaccion.Textos(),
            std::vector<std::string>{"ERROR AL CARGAR EL FICHERO DE PORCENTAJES (falta el atributo pt2_visitante del partido 1)"});
  EXPECT_EQ(cajas.texto[3][1], "21,03");  // home team complete
  EXPECT_EQ(cajas.texto[1][2], "21,11");  // away team up to the missing sign
  EXPECT_EQ(cajas.texto[2][2], "0");
  EXPECT_EQ(cajas.texto[0][3], "0");  // match 2 not applied

  interaccion.mensajes.clear();
  cajas = CajasPorcentajes();
  servidor.Responder(Respuesta({PartidoPorcentajes(1), PartidoPorcentajes(9)}));
  EXPECT_FALSE(Mixtos());
  EXPECT_EQ(interaccion.Textos(),
            std::vector<std::string>{"ERROR AL CARGAR EL FICHERO DE PORCENTAJES (número de partido fuera de rango: 9)"});
  EXPECT_EQ(cajas.texto, CajasPorcentajes().texto);

  interaccion.mensajes.clear();
  servidor.Responder(R"(<q><partido num="1" ptl0_local="50,5"/></q>)");
  EXPECT_FALSE(Mixtos());
  EXPECT_EQ(interaccion.Textos(), std::vector<std::string>{
                                      "ERROR AL CARGAR EL FICHERO DE PORCENTAJES (valor no numérico en ptl0_local del partido 1: 50,5)"});
  EXPECT_EQ(cajas.texto, CajasPorcentajes().texto);
}

TEST_F(CargaJornada, SinConexionOSinRespuestaATiempo) {
  pruebas::PuertoLocal cerrado(false);
  pruebas::PuertoLocal mudo(true);
  ServicioHTTP rechazado(cerrado.Base(), {300ms, 600ms});
  ServicioHTTP silencioso(mudo.Base(), {300ms, 600ms});
  EXPECT_FALSE(CargarPartidosJornada(rechazado, "1", "2024/2025", equipos, interaccion));
  EXPECT_FALSE(CargarPorcentajesMixtos(rechazado, "1", "2024/2025", cajas, 80, 20, interaccion));
  EXPECT_FALSE(CargarPorcentajesJornada(silencioso, "1", "2024/2025", cajas, ClasePorcentajes::LAE, interaccion));
  EXPECT_EQ(interaccion.Textos(), (std::vector<std::string>{
                                      "ERROR AL ABRIR EL FICHERO DE JORNADA (no se pudo conectar con el servidor)",
                                      "ERROR AL CARGAR EL FICHERO DE PORCENTAJES (no se pudo conectar con el servidor)",
                                      "ERROR AL CARGAR EL FICHERO DE PORCENTAJES (el servidor no respondió a tiempo)",
                                  }));
  EXPECT_EQ(equipos.nombre[1], "Equipo1");
}

TEST_F(CargaJornada, TiposDePorcentajesQueVienenDelServicio) {
  servidor.Responder(Respuesta({R"(<partido num="1" pta0_local="1.5" pt0_local="40" ptl0_local="50" pt1_local="0"
      pt2_local="0" ptM_local="0" ptl1_local="0" ptl2_local="0" ptlM_local="0" pt0_visitante="0" pt1_visitante="0"
      pt2_visitante="0" ptM_visitante="0" ptl0_visitante="0" ptl1_visitante="0" ptl2_visitante="0"
      ptlM_visitante="0"/>)"}));
  struct Caso {
    int indice;
    std::string caja;
  };
  for (const Caso& c : {Caso{2, "1,5"}, Caso{3, "40"}, Caso{4, "50"}, Caso{5, "48"}}) {
    CajasPorcentajes bloque;
    EXPECT_TRUE(EsTipoPorcentajesServicio(c.indice));
    CargarTipoPorcentajesServicio(c.indice, servicio, "7", "2024/2025", bloque, interaccion);
    EXPECT_EQ(bloque.texto[0][1], c.caja) << c.indice;
  }
  for (const int indice : {0, 1, 6}) {
    EXPECT_FALSE(EsTipoPorcentajesServicio(indice));
    EXPECT_FALSE(CargarTipoPorcentajesServicio(indice, servicio, "7", "2024/2025", cajas, interaccion));
  }
  EXPECT_EQ(servidor.Peticiones().size(), 4u);
  // The analysis lacks all but one of its attributes: it fills that box and reports the rest.
  EXPECT_EQ(interaccion.Textos(), std::vector<std::string>{
                                      "ERROR AL CARGAR EL FICHERO DE PORCENTAJES (falta el atributo pta1_local del partido 1)"});
}

}  // namespace
}  // namespace tanteo
