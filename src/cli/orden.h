// One subcommand of tanteo-cli. Each lives in its own source file and is listed in main.cpp.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace tanteo::cli {

// Exit statuses: 0 success, 1 an error reported on standard error, 2 a usage error.
inline constexpr int kExito = 0;
inline constexpr int kError = 1;
inline constexpr int kUso = 2;

// "Uso: tanteo-cli " + uso on standard error; returns kUso.
inline int ErrorUso(std::string_view uso) {
  std::fputs(("Uso: tanteo-cli " + std::string(uso) + "\n").c_str(), stderr);
  return kUso;
}

struct Orden {
  std::string_view nombre;
  std::string_view uso;  // one line for --help, e.g. "listar FICHERO"
  int (*ejecutar)(const std::vector<std::string_view>& argumentos);
};

// The subcommands, each in its own source file, and their usage lines.
int OrdenListar(const std::vector<std::string_view>& argumentos);  // orden_listar.cpp
inline constexpr std::string_view kUsoListar = "listar FICHERO";
int OrdenConvertir(const std::vector<std::string_view>& argumentos);  // orden_convertir.cpp
inline constexpr std::string_view kUsoConvertir = "convertir ENTRADA SALIDA [--cabecera TEXTO]";

}  // namespace tanteo::cli
