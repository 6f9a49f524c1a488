#include "matchday/servicio_http.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "servidores_prueba.h"

namespace tanteo {
namespace {

using pruebas::PuertoLocal;
using pruebas::ServidorHTTP;
using namespace std::chrono_literals;

constexpr TiemposEspera kCortos{300ms, 600ms};

TEST(ServicioHTTP, DireccionDeLaConsulta) {
  EXPECT_EQ(DireccionConsulta("https://h.es", "7", "2024/2025"),
            "https://h.es/xml/quinigol.asp?jornada=7&temporada=2024-2025");
  EXPECT_EQ(DireccionConsulta("http://h:8080/", "12", "1990/1991"),
            "http://h:8080/xml/quinigol.asp?jornada=12&temporada=1990-1991");
  // Texts that are not plain tokens cannot add keys or break the address.
  EXPECT_EQ(DireccionConsulta("http://h", "1&x=2", "a b"), "http://h/xml/quinigol.asp?jornada=1%26x%3D2&temporada=a%20b");
}

TEST(ServicioHTTP, PeticionTalComoLaRecibeElServidor) {
  PuertoLocal puerto(true);
  std::string recibida;
  std::thread servidor([&] {
    recibida = puerto.RecibirPeticion("HTTP/1.1 200 OK\r\nContent-Length: 4\r\nConnection: close\r\n\r\n<a/>");
  });
  ServicioHTTP servicio(puerto.Base(), kCortos);
  const RespuestaServicio respuesta = servicio.Consultar("12", "2024/2025");
  servidor.join();

  ASSERT_TRUE(respuesta.ok) << respuesta.descripcion;
  EXPECT_EQ(respuesta.texto, "<a/>");
  EXPECT_EQ(recibida.rfind("GET /xml/quinigol.asp?jornada=12&temporada=2024-2025 HTTP/1.1\r\n", 0), 0u) << recibida;
  std::size_t anterior = 0;
  for (const char* cabecera : {"\r\nPragma: no-cache\r\n", "\r\nCache-Control: no-cache\r\n",
                               "\r\nCache-Control: no-store\r\n", "\r\nCache-Control: must-revalidate\r\n",
                               "\r\nExpires: -1\r\n"}) {
    const std::size_t posicion = recibida.find(cabecera);
    ASSERT_NE(posicion, std::string::npos) << cabecera << " falta en\n" << recibida;
    EXPECT_GT(posicion, anterior) << cabecera << " fuera de orden en\n" << recibida;
    anterior = posicion;
  }
  EXPECT_EQ(recibida.find("Content-Length"), std::string::npos);
  EXPECT_TRUE(recibida.ends_with("\r\n\r\n")) << "la petición lleva cuerpo";
}

TEST(ServicioHTTP, ElTextoSeTomaSeaCualSeaElEstado) {
  ServidorHTTP servidor;
  servidor.Responder("<html><body>No encontrado</body></html>", 404, "text/html");
  ServicioHTTP servicio(servidor.Base(), kCortos);
  const RespuestaServicio respuesta = servicio.Consultar("7", "2024/2025");
  ASSERT_TRUE(respuesta.ok) << respuesta.descripcion;
  EXPECT_EQ(respuesta.texto, "<html><body>No encontrado</body></html>");
  const auto peticiones = servidor.Peticiones();
  ASSERT_EQ(peticiones.size(), 1u);
  EXPECT_EQ(peticiones[0].ruta, "/xml/quinigol.asp");
  EXPECT_EQ(peticiones[0].jornada, "7");
  EXPECT_EQ(peticiones[0].temporada, "2024-2025");
}

TEST(ServicioHTTP, FallosDeConexionConSuDescripcion) {
  PuertoLocal cerrado(false);
  const auto inicio = std::chrono::steady_clock::now();
  const RespuestaServicio rechazada = ServicioHTTP(cerrado.Base(), kCortos).Consultar("1", "2024/2025");
  EXPECT_FALSE(rechazada.ok);
  EXPECT_EQ(rechazada.descripcion, "no se pudo conectar con el servidor");

  // The connection closed with no answer, and an answer cut short.
  for (const char* respuesta : {"", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n<quinigol"}) {
    PuertoLocal cuelga(true);
    std::thread hilo([&] { cuelga.RecibirPeticion(respuesta); });
    const RespuestaServicio cortada = ServicioHTTP(cuelga.Base(), kCortos).Consultar("1", "2024/2025");
    hilo.join();
    EXPECT_FALSE(cortada.ok);
    EXPECT_EQ(cortada.descripcion, "se cortó la conexión con el servidor") << respuesta;
  }

  for (const char* base : {"ftp://127.0.0.1", "file:///etc", "gopher://127.0.0.1"}) {
    const RespuestaServicio r = ServicioHTTP(base, kCortos).Consultar("1", "2024/2025");
    EXPECT_FALSE(r.ok) << base;
    EXPECT_EQ(r.descripcion, "dirección del servicio no válida (solo http:// o https://)") << base;
  }
  EXPECT_LT(std::chrono::steady_clock::now() - inicio, 2s);
}

TEST(ServicioHTTP, UnServidorQueNoRespondeNoBloqueaMasQueElTiempoTotal) {
  PuertoLocal mudo(true);  // takes the connection, never answers
  const auto inicio = std::chrono::steady_clock::now();
  const RespuestaServicio respuesta = ServicioHTTP(mudo.Base(), kCortos).Consultar("1", "2024/2025");
  const auto tardado = std::chrono::steady_clock::now() - inicio;
  EXPECT_FALSE(respuesta.ok);
  EXPECT_EQ(respuesta.descripcion, "el servidor no respondió a tiempo");
  EXPECT_GE(tardado, 500ms);
  EXPECT_LT(tardado, 3s);
}

TEST(ServicioHTTP, NoSigueRedireccionesFueraDeHttpNiAceptaRespuestasEnormes) {
  ServidorHTTP servidor;
  ServicioHTTP servicio(servidor.Base(), kCortos);
  servidor.Responder(std::string(kTamanoMaximoRespuesta + 1, 'x'));
  const RespuestaServicio enorme = servicio.Consultar("1", "2024/2025");
  EXPECT_FALSE(enorme.ok);
  EXPECT_EQ(enorme.descripcion, kRespuestaDemasiadoGrande);

  PuertoLocal redirige(true);
  std::thread hilo([&] {
    redirige.RecibirPeticion("HTTP/1.1 302 Found\r\nLocation: file:///etc/hostname\r\nContent-Length: 0\r\n\r\n");
  });
  const RespuestaServicio redirigida = ServicioHTTP(redirige.Base(), kCortos).Consultar("1", "2024/2025");
  hilo.join();
  EXPECT_FALSE(redirigida.ok);
}

}  // namespace
}  // namespace tanteo
