#include "formats/descripcion_error.h"

#include <cerrno>

namespace tanteo {

std::string DescripcionError(int codigoErrno) {
  switch (codigoErrno) {
    case ENOENT: return "No existe el fichero o la carpeta";
    case EACCES: return "Permiso denegado";
    case EPERM: return "Operación no permitida";
    case ENOSPC: return "No queda espacio en el disco";
    case EDQUOT: return "Se ha superado la cuota de disco";
    case EROFS: return "El disco es de solo lectura";
    case EISDIR: return "Es una carpeta";
    case ENOTDIR: return "Una parte de la ruta no es una carpeta";
    case ENAMETOOLONG: return "El nombre del fichero es demasiado largo";
    case EFBIG: return "El fichero es demasiado grande";
    case EIO: return "Error de entrada/salida del disco";
    case ENOMEM: return "Memoria insuficiente";
    case EMFILE:
    case ENFILE: return "Hay demasiados ficheros abiertos";
    case EBUSY: return "El fichero o la carpeta están en uso";
    case ETXTBSY: return "El fichero está en uso";
    case EEXIST: return "El fichero ya existe";
    case ELOOP: return "La ruta tiene demasiados enlaces simbólicos";
    case EXDEV: return "El fichero está en otro disco";
    case EINVAL: return "Argumento no válido";
    default: return "Error del sistema " + std::to_string(codigoErrno);
  }
}

}  // namespace tanteo
