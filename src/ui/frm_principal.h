// The main window: a view of the combination and of the commands' state, and the place
// every command starts from. It holds no logic of its own beyond routing each control to
// ComandosPrincipal or to the combination, and showing the result.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QSet>
#include <array>
#include <functional>
#include <memory>

#include "engine/comandos.h"
#include "engine/direcciones_web.h"
#include "engine/ejecucion_condicionado.h"
#include "engine/vocabulario.h"

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QStackedLayout;
class QTimer;
class QToolButton;

namespace tanteo {

class EtiquetaPulsable;
class ProgresoQt;

class FrmPrincipal : public QMainWindow, public PantallaEjecucion {
  Q_OBJECT

 public:
  static constexpr int kComandos = 7;   // lblMenu 0..6
  static constexpr int kFilasFiltros = 10;
  static constexpr int kAnchoBarraEspera = 315;

  // Builds the window and runs the start-up.
  explicit FrmPrincipal(ComandosPrincipal& comandos, QWidget* parent = nullptr);
  ~FrmPrincipal() override;

  // The screen a control opens when another part of the program provides it: menu items
  // ("menuAlgebra"), command-strip items ("lblMenu_1"), "cmdCargarJornada", and the rows of
  // the filter list ("lstFiltros_0" .. "lstFiltros_9"). Until then the control stays disabled.
  void PonerAccion(const QString& control, std::function<void()> accion);

  // Shows the commands' state and the combination in every control.
  void Refrescar();

  // The screen around a conditioning run or an import: locked (the controls that start
  // operations disabled), and Timer1 recolouring the conditioned counter.
  void Bloquear() override;
  void Desbloquear() override;
  void IniciarIndicacion() override;
  void DetenerIndicacion() override;
  // Saving bets: locked, with the waiting panel and its progress bar.
  void MostrarEspera(bool visible);

  ProgresoQt& ProgresoCalculo() { return *progresoCalculo_; }
  ProgresoQt& ProgresoEspera() { return *progresoEspera_; }
  ComandosPrincipal& Comandos() { return comandos_; }

 protected:
  void closeEvent(QCloseEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void CrearMenus();
  QWidget* CrearTiraComandos();
  QWidget* CrearSelectores();
  QWidget* CrearBase();
  QWidget* CrearVistaResultados();
  QWidget* CrearVistaPronostico();
  QWidget* CrearContadores();
  QWidget* CrearFiltros();
  void CrearVentanaEspera(QWidget* central);

  QAction* Item(QMenu* menu, const char* nombre, const QString& texto, std::function<void()> accion);
  void Registrar(QWidget* control);
  // Runs a command of the player and shows its outcome.
  void Ejecutar(const std::function<void()>& orden);
  void EjecutarComando(int indice);
  void AbrirAccion(const QString& control);
  void AbrirPaginaWeb(Pagina pagina);
  bool Disponible(const QString& control) const;
  void MostrarBorde(int indice);
  void ColocarVentanaEspera();

  void RefrescarBase();
  void RefrescarHabilitados();
  void RefrescarContadores();
  void RefrescarFiltros();

  ComandosPrincipal& comandos_;
  Combinacion& combinacion_;

  QHash<QString, QWidget*> controles_;
  QHash<QString, QAction*> menus_;
  QHash<QString, std::function<void()>> acciones_;

  std::array<QWidget*, kComandos> celdas_{};
  std::array<EtiquetaPulsable*, kComandos> lblMenu_{};
  std::array<EtiquetaPulsable*, kComandos> imgIco_{};
  std::array<QFrame*, kComandos> ShapeBorde_{};

  QComboBox* cboNumeroJornada_ = nullptr;
  QComboBox* cboTemporada_ = nullptr;
  QPushButton* cmdCargarJornada_ = nullptr;
  QComboBox* cboTipoCombinacion_ = nullptr;
  QLineEdit* txtFicheroASCII_ = nullptr;
  std::array<QLineEdit*, kEquipos> txtPartido_{};

  QStackedLayout* vistas_ = nullptr;
  QFrame* picBASEporRESULTADOS_ = nullptr;
  QFrame* picBASEporPRONOSTICO_ = nullptr;
  // [partido - 1][resultado - 1] and [signo][equipo - 1].
  std::array<std::array<EtiquetaPulsable*, kResultados>, kPartidos> lblPartido_{};
  std::array<std::array<EtiquetaPulsable*, kEquipos>, kSignos> lblSigno_{};
  std::array<std::array<int, kResultados>, kPartidos> aspectoResultado_{};
  std::array<std::array<int, kEquipos>, kSignos> aspectoSigno_{};
  QPushButton* cmdSwitch_ = nullptr;
  QToolButton* imgALLPronostico_ = nullptr;
  QToolButton* imgINIPronostico_ = nullptr;

  QPushButton* cmdCuadroApuDirecto_ = nullptr;
  QLabel* lblApuIniciales_ = nullptr;
  QLabel* lblApuCondicionadas_ = nullptr;
  QLabel* lblApuestasReduccion_ = nullptr;

  QListWidget* lstFiltros_ = nullptr;
  QLabel* imgFondoList_ = nullptr;
  EtiquetaPulsable* picBanner2_ = nullptr;

  QTimer* Timer1_ = nullptr;
  QFrame* picVentanaEspera_ = nullptr;
  QLabel* lblProgressBar_ = nullptr;

  std::unique_ptr<ProgresoQt> progresoCalculo_;
  std::unique_ptr<ProgresoQt> progresoEspera_;

  bool salirSinPreguntar_ = false;
  bool descargada_ = false;
};

}  // namespace tanteo
