// File-name rules shared by the writers and readers of user files. Paths are texts as the
// dialogs give them; the file name is what follows the last "/".
#pragma once

#include <string>
#include <string_view>

namespace tanteo {

// The file name without its folder.
std::string NombreSinCarpeta(std::string_view ruta);

// The extension of the file name (the text after its last "."), empty when it has none.
std::string_view ExtensionDe(std::string_view ruta);

// The path with the extension of its file name (from its last ".") replaced by
// `extension`, which is appended when the name has none.
std::string CambiarExtension(std::string_view ruta, std::string_view extension);

}  // namespace tanteo
