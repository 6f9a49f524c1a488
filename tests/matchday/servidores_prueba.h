// Servers on 127.0.0.1 for the service tests: an HTTP server that answers what the test
// sets, a raw listener that records the request's exact bytes, and ports that never answer
// or refuse the connection.
#pragma once

#include <arpa/inet.h>
#include <httplib.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace tanteo::pruebas {

// The loopback requests must not go through a proxy of the environment.
inline void SinProxy() {
  for (const char* v : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY", "all_proxy"}) {
    unsetenv(v);
  }
}

inline std::string DireccionLocal(int puerto) { return "http://127.0.0.1:" + std::to_string(puerto); }

class ServidorHTTP {
 public:
  struct Peticion {
    std::string ruta;
    std::string jornada;
    std::string temporada;
  };

  ServidorHTTP() {
    SinProxy();
    servidor_.Get("/xml/quinigol.asp", [this](const httplib::Request& peticion, httplib::Response& respuesta) {
      const std::lock_guard<std::mutex> cerrojo(mutex_);
      peticiones_.push_back({peticion.path, peticion.get_param_value("jornada"), peticion.get_param_value("temporada")});
      respuesta.status = estado_;
      respuesta.set_content(cuerpo_, tipo_);
    });
    puerto_ = servidor_.bind_to_any_port("127.0.0.1");
    if (puerto_ <= 0) throw std::runtime_error("no se pudo abrir el servidor de pruebas");
    hilo_ = std::thread([this] { servidor_.listen_after_bind(); });
  }
  ~ServidorHTTP() {
    for (int i = 0; i < 500 && !servidor_.is_running(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    servidor_.stop();
    hilo_.join();
  }
  ServidorHTTP(const ServidorHTTP&) = delete;
  ServidorHTTP& operator=(const ServidorHTTP&) = delete;

  void Responder(std::string cuerpo, int estado = 200, std::string tipo = "text/xml") {
    const std::lock_guard<std::mutex> cerrojo(mutex_);
    cuerpo_ = std::move(cuerpo);
    estado_ = estado;
    tipo_ = std::move(tipo);
  }
  std::vector<Peticion> Peticiones() {
    const std::lock_guard<std::mutex> cerrojo(mutex_);
    return peticiones_;
  }
  std::string Base() const { return DireccionLocal(puerto_); }

 private:
  httplib::Server servidor_;
  std::thread hilo_;
  int puerto_ = 0;
  std::mutex mutex_;
  std::string cuerpo_;
  int estado_ = 200;
  std::string tipo_ = "text/xml";
  std::vector<Peticion> peticiones_;
};

// A TCP socket on 127.0.0.1 with a free port. Listening, it accepts connections into its
// backlog and never answers; not listening, connections to it are refused.
class PuertoLocal {
 public:
  explicit PuertoLocal(bool escuchar) {
    SinProxy();
    socket_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in dir{};
    dir.sin_family = AF_INET;
    dir.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t largo = sizeof dir;
    if (socket_ < 0 || ::bind(socket_, reinterpret_cast<sockaddr*>(&dir), sizeof dir) != 0 ||
        ::getsockname(socket_, reinterpret_cast<sockaddr*>(&dir), &largo) != 0 ||
        (escuchar && ::listen(socket_, 4) != 0)) {
      throw std::runtime_error("no se pudo abrir el puerto de pruebas");
    }
    puerto_ = ntohs(dir.sin_port);
  }
  ~PuertoLocal() { ::close(socket_); }
  PuertoLocal(const PuertoLocal&) = delete;
  PuertoLocal& operator=(const PuertoLocal&) = delete;

  std::string Base() const { return DireccionLocal(puerto_); }

  // Accepts one connection, reads the request head as sent and answers `respuesta`.
  // Gives up after two seconds without a connection.
  std::string RecibirPeticion(const std::string& respuesta) {
    pollfd llegada{socket_, POLLIN, 0};
    if (::poll(&llegada, 1, 2000) <= 0) return {};
    const int conexion = ::accept(socket_, nullptr, nullptr);
    std::string bytes;
    char bloque[1024];
    pollfd espera{conexion, POLLIN, 0};
    while (bytes.find("\r\n\r\n") == std::string::npos && ::poll(&espera, 1, 2000) > 0) {
      const ssize_t leidos = ::recv(conexion, bloque, sizeof bloque, 0);
      if (leidos <= 0) break;
      bytes.append(bloque, static_cast<std::size_t>(leidos));
    }
    ::send(conexion, respuesta.data(), respuesta.size(), MSG_NOSIGNAL);
    ::close(conexion);
    return bytes;
  }

 private:
  int socket_ = -1;
  int puerto_ = 0;
};

}  // namespace tanteo::pruebas
