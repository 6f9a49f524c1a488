// The single-byte code page of the files players exchange (bets files, percentages files,
// reports, the cipher's bytes): Windows-1252. The program keeps its texts in UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace tanteo {

// UTF-8 text to Windows-1252 bytes. A character the code page lacks, and any byte that is
// not valid UTF-8, becomes "?".
std::string Utf8AWindows1252(std::string_view utf8);

}  // namespace tanteo
