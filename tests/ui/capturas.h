// The pieces of the screenshot tool (tanteo_capturas) shared by its sources.
#pragma once

#include <QApplication>
#include <QDir>
#include <QWidget>
#include <cstdio>

#include "ui/programa.h"

namespace tanteo::capturas {

// Writes `ventana` as CARPETA/nombre.png and says so; false when it could not be written.
inline bool Guardar(QWidget& ventana, const QDir& carpeta, const QString& nombre) {
  QApplication::processEvents();
  const QString ruta = carpeta.filePath(nombre + QStringLiteral(".png"));
  const bool ok = ventana.grab().save(ruta);
  std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "escrita" : "no se pudo escribir", qPrintable(ruta));
  return ok;
}

// The CB by results screen, the two selection dialogs and the reduction screen.
bool PantallasFiltros(Programa& programa, const QDir& carpeta);

// The calculation window during a reduction, stopped by its button, and what it leaves.
bool VentanaCalculo(Programa& programa, const QDir& carpeta);

// "Cargar Jornada" fetching matchday 2 of 2026/2027 from the sample source, and loaded.
bool PantallaJornada(Programa& programa, const QDir& carpeta);

}  // namespace tanteo::capturas
