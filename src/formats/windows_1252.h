// The single-byte code page of reports, percentages files, TXT bets files and the cipher.
#pragma once

#include <string>
#include <string_view>

namespace tanteo {

// UTF-8 to Windows-1252; characters the code page lacks become "?".
std::string Utf8AWindows1252(std::string_view utf8);
// Windows-1252 to UTF-8 (the five unassigned bytes map to the C1 controls).
std::string Windows1252AUtf8(std::string_view bytes);
bool EsUtf8Valido(std::string_view bytes);
// Text read from a file: UTF-8 when it is valid UTF-8, else Windows-1252.
std::string TextoLeidoAUtf8(std::string_view bytes);

}  // namespace tanteo
