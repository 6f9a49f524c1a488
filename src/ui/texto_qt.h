// The core's texts are UTF-8; the widgets take them through this.
#pragma once

#include <QString>
#include <string_view>

namespace tanteo {

inline QString Q(std::string_view texto) {
  return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
}

}  // namespace tanteo
