// The Spanish description of a system error, as the file messages show it between brackets:
// "ERROR AL GUARDAR EL FICHERO (No existe el fichero o la carpeta)".
#pragma once

#include <string>

namespace tanteo {

std::string DescripcionError(int codigoErrno);

}  // namespace tanteo
