// The program's objects wired together: the combination, the Qt seams, the services, the
// commands and the main window. `tanteo` runs one; the screenshot tool builds one too.
#pragma once

#include "engine/comandos.h"
#include "engine/generador_aleatorio.h"
#include "ui/frm_principal.h"
#include "ui/interaccion_qt.h"
#include "ui/pantallas_filtros_qt.h"
#include "ui/plataforma_qt.h"
#include "ui/servicios_ventana.h"

namespace tanteo {

struct Programa {
  Programa() {
    interaccion.PonerPadre(&ventana);
    servicios.PonerVentana(ventana);
    servicios.PonerGenerador(azar);
    ConectarPantallasFiltros(ventana, combinacion, pantallasFiltros);
  }

  Combinacion combinacion;
  InteraccionQt interaccion;
  PlataformaQt plataforma;
  GeneradorAleatorio azar;  // the one generator of the program's draws
  ServiciosVentana servicios{plataforma, interaccion};
  ComandosPrincipal comandos{combinacion, interaccion, plataforma, servicios};
  FrmPrincipal ventana{comandos};
  PantallasFiltrosQt pantallasFiltros{combinacion, comandos.estado, interaccion, &ventana};
};

}  // namespace tanteo
