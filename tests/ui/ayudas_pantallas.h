// Helpers of the screen tests: finding controls, answering a modal screen from inside its
// own event loop, and the main window wired to the real filter screens.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "engine/comandos.h"
#include "fakes/carpeta_temporal.h"
#include "fakes/interaccion_guionizada.h"
#include "fakes/plataforma_falsa.h"
#include "ui/frm_principal.h"
#include "ui/pantallas_filtros_qt.h"
#include "ui/servicios_ventana.h"
#include "ui/texto_qt.h"

namespace tanteo::pruebas {

template <class T = QWidget>
T* Hijo(QObject* pantalla, const QString& nombre) {
  T* control = pantalla->findChild<T*>(nombre);
  if (control == nullptr) QTest::qFail(qPrintable(QStringLiteral("no existe ") + nombre), __FILE__, __LINE__);
  return control;
}

using tanteo::Q;

// Runs `pasos` on the modal screen the next call opens, once it is up. A failed check must
// not leave the screen waiting for a click: it is shut so the test can report.
inline void AlAbrirse(std::function<void(QWidget*)> pasos) {
  QTimer::singleShot(0, [pasos = std::move(pasos)] {
    QWidget* pantalla = QApplication::activeModalWidget();
    if (pantalla == nullptr) {
      QTest::qFail("no se abrió ninguna pantalla modal", __FILE__, __LINE__);
      return;
    }
    pasos(pantalla);
    if (QTest::currentTestFailed()) {
      while (auto* abierta = qobject_cast<QDialog*>(QApplication::activeModalWidget())) abierta->done(QDialog::Rejected);
    }
  });
}

// The main window with the real services and filter screens, a temporary program folder
// and scripted messages.
struct VentanaConFiltros {
  VentanaConFiltros() {
    ui.alFallar = [](const std::string& motivo) { QTest::qFail(motivo.c_str(), __FILE__, __LINE__); };
    servicios.PonerVentana(ventana);
    ConectarPantallasFiltros(ventana, combinacion, pantallas);
    ventana.show();
  }

  void DobleClic(int fila) {
    auto* lista = Hijo<QListWidget>(&ventana, QStringLiteral("lstFiltros"));
    QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(lista->item(fila)).center());
  }
  QString Fila(int fila) { return Hijo<QListWidget>(&ventana, QStringLiteral("lstFiltros"))->item(fila)->text(); }

  CarpetaTemporal carpeta;
  Combinacion combinacion;
  InteraccionGuionizada ui;
  PlataformaFalsa plataforma{carpeta.Ruta()};
  ServiciosVentana servicios{plataforma, ui};
  ComandosPrincipal comandos{combinacion, ui, plataforma, servicios};
  FrmPrincipal ventana{comandos};
  PantallasFiltrosQt pantallas{combinacion, comandos.estado, ui, &ventana};
};

}  // namespace tanteo::pruebas
