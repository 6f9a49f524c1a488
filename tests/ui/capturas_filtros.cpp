// Pictures of the filter screens over a combination a player has started to condition.
#include <QTest>

#include "capturas.h"
#include "ui/frm_aciertos_qt.h"
#include "ui/frm_filtro_cbres_qt.h"
#include "ui/frm_reduccion_qt.h"

namespace tanteo::capturas {

namespace {

bool Mostrada(QWidget& pantalla, const QDir& carpeta, const QString& nombre) {
  pantalla.show();
  if (!QTest::qWaitForWindowExposed(&pantalla)) return false;
  return Guardar(pantalla, carpeta, nombre);
}

}  // namespace

bool PantallasFiltros(Programa& programa, const QDir& carpeta) {
  Combinacion& combinacion = programa.combinacion;

  // Page 1 of CB by results: three CBs written, the fourth left empty.
  FiltroCBResultados& cb = combinacion.filtros.cbResultados;
  cb.CB(1).pronostico = {"", "1-0", "---", "---", "---", "---", "2-2"};
  cb.CB(1).aciertos = {0, 0, 1, 0, 0, 0, 0};
  cb.CB(2).pronostico = {"", "1-1", "1-1", "0-0", "1-1", "2-1", "1-1"};
  cb.CB(2).aciertos = {1, 1, 1, 0, 0, 0, 0};
  cb.CB(3).pronostico = {"", "M-M", "---", "M-2", "---", "2-M", "---"};
  cb.CB(3).aciertos = {1, 1, 0, 0, 0, 0, 0};
  combinacion.lstFiltros.Activar(FilaFiltro::CBResultados);
  combinacion.filtros.BloqueCBResultados = 1;
  FrmFiltroCBRESQt filtro(combinacion.filtros, combinacion.lstFiltros, programa.comandos.estado.txtPartido,
                          programa.interaccion, &programa.ventana);
  bool bien = Mostrada(filtro, carpeta, QStringLiteral("filtro_cbres"));
  filtro.hide();

  SeleccionAciertos seleccion{};
  seleccion[2] = seleccion[3] = 1;
  FrmAciertos aciertos(seleccion);
  aciertos.lblTitulo = "ACIERTOS EN CB7";
  aciertos.MaximoAcierto = 3;
  FrmAciertosQt dialogoAciertos(aciertos, &programa.ventana);
  bien = Mostrada(dialogoAciertos, carpeta, QStringLiteral("aciertos")) && bien;
  dialogoAciertos.hide();

  seleccion.fill(0);
  FrmAciertosPorcentajes rangos(seleccion, programa.comandos.estado.cboNumeroJornada.Texto(),
                                programa.comandos.estado.cboTemporada.Texto());
  rangos.lblTitulo = "DE MAS A MENOS PROBABLES EN TODOS";
  for (int k : {0, 1, 2, 4}) rangos.PulsarEtiqueta(k);
  FrmAciertosPorcentajesQt dialogoRangos(rangos, &programa.ventana);
  bien = Mostrada(dialogoRangos, carpeta, QStringLiteral("aciertos_porcentajes")) && bien;
  dialogoRangos.hide();

  // A reduction "al 4" to 1.500 bets with cycles.
  combinacion.reduccion.Tipo = 2;
  combinacion.reduccion.NuApuestas = 1500;
  combinacion.reduccion.ActivarNumeroApuestas = 1;
  combinacion.reduccion.Porcentaje = 95;
  combinacion.lstFiltros.Activar(FilaFiltro::Reduccion);
  FrmReduccionQt reduccion(combinacion.reduccion, combinacion.lstFiltros, &programa.ventana);
  bien = Mostrada(reduccion, carpeta, QStringLiteral("reduccion")) && bien;
  reduccion.hide();
  return bien;
}

}  // namespace tanteo::capturas
