#include "engine/direcciones_web.h"

#include <gtest/gtest.h>

#include "fakes/carpeta_temporal.h"
#include "fakes/interaccion_guionizada.h"
#include "fakes/plataforma_falsa.h"

namespace tanteo {
namespace {

TEST(DireccionesWeb, SinDireccionAvisaYConElManualAbreSuFichero) {
  pruebas::CarpetaTemporal carpeta;
  pruebas::PlataformaFalsa plataforma(carpeta.Ruta());
  pruebas::InteraccionGuionizada ui;

  AbrirPagina(Pagina::QuinigolBoletia, plataforma, ui);
  ASSERT_EQ(ui.mensajes.size(), 1u);
  EXPECT_EQ(ui.mensajes[0].icono, Icono::Aviso);
  EXPECT_EQ(ui.mensajes[0].texto,
            "AVISO: No hay ninguna dirección configurada para la página de Quinigol de Boletia en esta instalación de TANTEO.");
  EXPECT_TRUE(plataforma.direcciones.empty());

  AbrirPagina(Pagina::AyudaOnline, plataforma, ui);
  EXPECT_EQ(plataforma.direcciones, std::vector<std::string>{"file://" + (carpeta.Ruta() / "ayuda" / "tanteo.html").string()});
  EXPECT_EQ(ui.mensajes.size(), 1u);

  plataforma.direccionFalla = true;
  AbrirPagina(Pagina::AyudaOnline, plataforma, ui);
  ASSERT_EQ(ui.mensajes.size(), 2u);
  EXPECT_EQ(ui.mensajes[1].icono, Icono::Error);
  EXPECT_EQ(ui.mensajes[1].texto.rfind("ERROR: No se ha podido abrir el manual de TANTEO (file://", 0), 0u);
}

}  // namespace
}  // namespace tanteo
