#include "matchday/servicio_http.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace tanteo {
namespace {

// The request headers the service expects, in this order.
constexpr const char* kCabeceras[] = {
    "Pragma: no-cache", "Cache-Control: no-cache", "Cache-Control: no-store", "Cache-Control: must-revalidate",
    "Expires: -1",
};

// Matchday and season texts are plain tokens; anything else is escaped so it cannot
// change the address.
std::string Escapar(std::string_view texto) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string salida;
  for (const char c : texto) {
    const auto b = static_cast<unsigned char>(c);
    const bool libre = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '-' ||
                       b == '.' || b == '_' || b == '~';
    if (libre) {
      salida += c;
    } else {
      salida += '%';
      salida += kHex[b >> 4];
      salida += kHex[b & 0x0F];
    }
  }
  return salida;
}

struct Recepcion {
  std::string texto;
  bool demasiadoGrande = false;
};

std::size_t Recibir(char* datos, std::size_t tamano, std::size_t cuantos, void* usuario) {
  auto& recepcion = *static_cast<Recepcion*>(usuario);
  const std::size_t bytes = tamano * cuantos;
  if (recepcion.texto.size() + bytes > kTamanoMaximoRespuesta) {
    recepcion.demasiadoGrande = true;
    return 0;  // makes curl stop with a write error
  }
  recepcion.texto.append(datos, bytes);
  return bytes;
}

std::string Descripcion(CURLcode codigo, const Recepcion& recepcion) {
  switch (codigo) {
    case CURLE_COULDNT_CONNECT:
      return "no se pudo conectar con el servidor";
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
      return "no se encontró el servidor";
    case CURLE_OPERATION_TIMEDOUT:
      return "el servidor no respondió a tiempo";
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_URL_MALFORMAT:
      return "dirección del servicio no válida (solo http:// o https://)";
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
      return "no se pudo establecer una conexión segura con el servidor";
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_PARTIAL_FILE:
      return "se cortó la conexión con el servidor";
    case CURLE_TOO_MANY_REDIRECTS:
      return "el servidor redirige demasiadas veces";
    case CURLE_WRITE_ERROR:
      if (recepcion.demasiadoGrande) return std::string(kRespuestaDemasiadoGrande);
      break;
    default:
      break;
  }
  return std::string("error de comunicación: ") + curl_easy_strerror(codigo);
}

struct LiberarCurl {
  void operator()(CURL* c) const { curl_easy_cleanup(c); }
};
struct LiberarLista {
  void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

}  // namespace

std::string DireccionConsulta(std::string_view base, std::string_view jornada, std::string_view temporada) {
  while (!base.empty() && base.back() == '/') base.remove_suffix(1);
  return std::string(base) + "/xml/quinigol.asp?jornada=" + Escapar(jornada) +
         "&temporada=" + Escapar(TemporadaServicio(temporada));
}

ServicioHTTP::ServicioHTTP(std::string base, TiemposEspera tiempos) : base_(std::move(base)), tiempos_(tiempos) {}

RespuestaServicio ServicioHTTP::Consultar(std::string_view jornada, std::string_view temporada) {
  static std::once_flag iniciado;
  std::call_once(iniciado, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });

  const std::unique_ptr<CURL, LiberarCurl> curl(curl_easy_init());
  if (!curl) return {false, {}, "no se pudo preparar la conexión"};
  std::unique_ptr<curl_slist, LiberarLista> cabeceras;
  for (const char* cabecera : kCabeceras) {
    curl_slist* lista = curl_slist_append(cabeceras.get(), cabecera);
    if (lista == nullptr) return {false, {}, "no se pudo preparar la conexión"};
    cabeceras.release();
    cabeceras.reset(lista);
  }

  Recepcion recepcion;
  const std::string direccion = DireccionConsulta(base_, jornada, temporada);
  CURL* c = curl.get();
  curl_easy_setopt(c, CURLOPT_URL, direccion.c_str());
  curl_easy_setopt(c, CURLOPT_HTTPGET, 1L);
  curl_easy_setopt(c, CURLOPT_HTTPHEADER, cabeceras.get());
  curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(c, CURLOPT_MAXREDIRS, 5L);
  curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(tiempos_.conexion.count()));
  curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, static_cast<long>(tiempos_.total.count()));
  curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &Recibir);
  curl_easy_setopt(c, CURLOPT_WRITEDATA, &recepcion);

  const CURLcode codigo = curl_easy_perform(c);
  if (codigo != CURLE_OK) return {false, {}, Descripcion(codigo, recepcion)};
  return {true, std::move(recepcion.texto), {}};
}

}  // namespace tanteo
