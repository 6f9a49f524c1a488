#include "engine/direcciones_web.h"

#include <string>

namespace tanteo {

const DireccionWeb& Direccion(Pagina pagina) {
  for (const DireccionWeb& d : kDireccionesWeb) {
    if (d.pagina == pagina) return d;
  }
  return kDireccionesWeb[0];
}

std::filesystem::path FicheroManual(Plataforma& plataforma) {
  return plataforma.CarpetaPrograma() / std::filesystem::path(std::string(Direccion(Pagina::AyudaOnline).direccion));
}

void AbrirPagina(Pagina pagina, Plataforma& plataforma, Interaccion& interaccion) {
  const DireccionWeb& d = Direccion(pagina);
  if (d.direccion.empty()) {
    interaccion.Aviso("AVISO: No hay ninguna dirección configurada para " + std::string(d.descripcion) +
                      " en esta instalación de TANTEO.");
    return;
  }
  const std::string direccion = pagina == Pagina::AyudaOnline ? "file://" + FicheroManual(plataforma).string()
                                                              : std::string(d.direccion);
  if (!plataforma.AbrirDireccion(direccion)) {
    interaccion.Error("ERROR: No se ha podido abrir " + std::string(d.descripcion) + " (" + direccion + ")");
  }
}

}  // namespace tanteo
