#include "ui/frm_principal.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QStackedLayout>
#include <QStandardItemModel>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "engine/texto_numeros.h"
#include "ui/etiqueta_pulsable.h"
#include "ui/frm_acerca_de.h"
#include "ui/frm_autor.h"
#include "ui/manual.h"
#include "ui/progreso_qt.h"
#include "ui/recursos.h"
#include "ui/texto_qt.h"

namespace tanteo {

namespace {

QString Indexado(const char* nombre, int indice) { return QString::fromLatin1(nombre) + QLatin1Char('_') + QString::number(indice); }

// The command strip: caption, tooltip and icon of each lblMenu.
struct Comando {
  const char* leyenda;
  const char* ayuda;
  const char* icono;
};
constexpr Comando kTira[FrmPrincipal::kComandos] = {
    {"NUEVO", "Nuevo fichero Base en XML", "nuevo"},
    {"ABRIR", "Abrir fichero Base en XML", "abrir"},
    {"GUARDAR", "Guardar fichero Base en XML", "guardar"},
    {"VALIDAR ON LINE", "Validar ON LINE las apuestas", "validar"},
    {"Cálculo de Prueba", "Calcular", "prueba"},
    {"Análisis", "", "analisis"},
    {"Cálculo Definitivo", "Cálculo con grabación de apuestas", "definitivo"},
};

// The base toggles as the combination state fixes them: selected C0E0FF on black text,
// unselected white with 80C0FF text.
constexpr const char* kSeleccionada = "background:#C0E0FF; color:#000000; border:1px solid #7FA7D1;";
constexpr const char* kNoSeleccionada = "background:#FFFFFF; color:#80C0FF; border:1px solid #C9D9EA;";

constexpr int kAltoFila = 26;
constexpr int kAnchoCelda = 34;

// Pieces of the program that commands use; a control whose piece is missing stays off.
Funcion FuncionDe(const QString& control, bool* tiene) {
  static const QHash<QString, Funcion> funciones = {
      {QStringLiteral("lblMenu_4"), Funcion::Calculo},       {QStringLiteral("imgIco_4"), Funcion::Calculo},
      {QStringLiteral("lblMenu_5"), Funcion::Analisis},      {QStringLiteral("imgIco_5"), Funcion::Analisis},
      {QStringLiteral("lblMenu_6"), Funcion::GuardarApuestas}, {QStringLiteral("imgIco_6"), Funcion::GuardarApuestas},
      {QStringLiteral("menuGarantiasYPremios"), Funcion::Garantias},
      {QStringLiteral("menuEscrutador"), Funcion::Escrutinio},
      {QStringLiteral("menuSistemasPropios"), Funcion::SistemasPropios},
  };
  const auto it = funciones.find(control);
  *tiene = it != funciones.end();
  return *tiene ? *it : Funcion::Calculo;
}

// Controls whose screen another part of the program registers with PonerAccion.
const QSet<QString>& ControlesConPantalla() {
  static const QSet<QString> controles = [] {
    QSet<QString> c = {QStringLiteral("lblMenu_1"),           QStringLiteral("imgIco_1"),
                       QStringLiteral("lblMenu_2"),           QStringLiteral("imgIco_2"),
                       QStringLiteral("menuAbrirBaseXML"),    QStringLiteral("menuGuardarBaseXML"),
                       QStringLiteral("menuVerResumenFiltros"), QStringLiteral("menuInformeApuestasEliminadas"),
                       QStringLiteral("menuVisualizarArchivo"), QStringLiteral("menuAlgebra"),
                       QStringLiteral("menuGeneradorApuestas"), QStringLiteral("menuOrdenarFicheroProbabilidad"),
                       QStringLiteral("cmdCargarJornada")};
    return c;
  }();
  return controles;
}

QFont FuenteLista() {
  QFont fuente(QStringLiteral("Courier New"));
  fuente.setStyleHint(QFont::TypeWriter);
  fuente.setFixedPitch(true);
  fuente.setPointSize(10);
  return fuente;
}

QLabel* TituloColumna(const QString& texto, QWidget* padre) {
  auto* titulo = new QLabel(texto, padre);
  titulo->setFixedHeight(18);
  titulo->setStyleSheet(QStringLiteral("color:#1F3A5F; font-weight:bold;"));
  return titulo;
}

// The grid of one base view, its rows as high as the team boxes beside it.
QGridLayout* RejillaVista(QFrame* vista, const char* nombre) {
  vista->setObjectName(QString::fromLatin1(nombre));
  auto* rejilla = new QGridLayout(vista);
  rejilla->setContentsMargins(0, 0, 0, 0);
  rejilla->setHorizontalSpacing(2);
  rejilla->setVerticalSpacing(4);
  return rejilla;
}

EtiquetaPulsable* Conmutador(const QString& leyenda, const QString& nombre, QWidget* padre) {
  auto* lbl = new EtiquetaPulsable(leyenda, padre);
  lbl->setObjectName(nombre);
  lbl->setFixedSize(kAnchoCelda, kAltoFila);
  lbl->setAlignment(Qt::AlignCenter);
  lbl->setStyleSheet(QString::fromLatin1(kNoSeleccionada));
  return lbl;
}

QLabel* Contador(const char* nombre, QWidget* padre) {
  auto* lbl = new QLabel(QStringLiteral("0"), padre);
  lbl->setObjectName(QString::fromLatin1(nombre));
  lbl->setAlignment(Qt::AlignCenter);
  lbl->setMinimumWidth(150);
  lbl->setFixedHeight(40);
  return lbl;
}

QPushButton* Cabecera(const char* nombre, const QString& texto, QWidget* padre) {
  auto* cmd = new QPushButton(texto, padre);
  cmd->setObjectName(QString::fromLatin1(nombre));
  cmd->setProperty("cabecera", true);
  cmd->setFocusPolicy(Qt::NoFocus);
  return cmd;
}

}  // namespace

FrmPrincipal::FrmPrincipal(ComandosPrincipal& comandos, QWidget* parent)
    : QMainWindow(parent), comandos_(comandos), combinacion_(comandos.combinacion) {
  setObjectName(QStringLiteral("frmPrincipal"));
  setWindowIcon(Icono(QStringLiteral("tanteo")));
  setStyleSheet(QStringLiteral(
      "QMainWindow { background:#EEF2F7; }"
      "QGroupBox { font-weight:bold; color:#1F3A5F; border:1px solid #B7C7DB; border-radius:6px;"
      "  margin-top:10px; padding:8px 8px 6px 8px; background:#F8FAFD; }"
      "QGroupBox::title { subcontrol-origin:margin; left:10px; padding:0 4px; }"
      "QPushButton[cabecera=\"true\"] { background:qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 #3C6FA8,stop:1 #2A5282);"
      "  color:white; font-weight:bold; border:1px solid #1F3F66; border-radius:3px; padding:3px 8px; }"
      "QLabel#lblApuIniciales, QLabel#lblApuCondicionadas, QLabel#lblApuestasReduccion {"
      "  background:white; border:1px solid #8EA9C8; border-radius:3px; font-size:18pt; font-weight:bold; }"));

  CrearMenus();
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("fondo"));
  central->setMouseTracking(true);
  central->installEventFilter(this);
  setCentralWidget(central);

  auto* columnas = new QHBoxLayout;
  columnas->setSpacing(10);
  auto* izquierda = new QVBoxLayout;
  izquierda->setSpacing(8);
  izquierda->addWidget(CrearSelectores());
  izquierda->addWidget(CrearBase());
  izquierda->addWidget(CrearContadores());
  izquierda->addStretch();
  auto* derecha = new QVBoxLayout;
  derecha->setSpacing(8);
  derecha->addWidget(CrearFiltros());
  picBanner2_ = new EtiquetaPulsable(central);
  picBanner2_->setObjectName(QStringLiteral("picBanner2"));
  picBanner2_->setPixmap(Imagen(QStringLiteral("banner"), QSize(340, 96), devicePixelRatioF()));
  picBanner2_->setAlignment(Qt::AlignCenter);
  picBanner2_->setCursor(Qt::PointingHandCursor);
  picBanner2_->setToolTip(QStringLiteral("Quinigol en ") + Q(kNombreBoletia));
  connect(picBanner2_, &EtiquetaPulsable::pulsada, this, [this] { AbrirPaginaWeb(Pagina::QuinigolBoletia); });
  Registrar(picBanner2_);
  derecha->addWidget(picBanner2_);
  derecha->addStretch();
  columnas->addLayout(izquierda, 1);
  columnas->addLayout(derecha);

  auto* todo = new QVBoxLayout(central);
  todo->setContentsMargins(0, 0, 0, 8);
  todo->setSpacing(8);
  todo->addWidget(CrearTiraComandos());
  auto* cuerpo = new QHBoxLayout;
  cuerpo->setContentsMargins(10, 0, 10, 0);
  cuerpo->addLayout(columnas);
  todo->addLayout(cuerpo, 1);

  CrearVentanaEspera(central);

  Timer1_ = new QTimer(this);
  Timer1_->setObjectName(QStringLiteral("Timer1"));
  Timer1_->setInterval(5);
  connect(Timer1_, &QTimer::timeout, this, [this] {
    auto* azar = QRandomGenerator::global();
    const QColor color(azar->bounded(256), azar->bounded(256), azar->bounded(256));
    lblApuCondicionadas_->setStyleSheet(QStringLiteral("color:%1;").arg(color.name()));
  });

  progresoCalculo_ = std::make_unique<ProgresoQt>(nullptr, 0, lblApuCondicionadas_, [this] { RefrescarContadores(); });
  progresoEspera_ = std::make_unique<ProgresoQt>(lblProgressBar_, kAnchoBarraEspera, nullptr);

  comandos_.Arrancar();
  Refrescar();
}

FrmPrincipal::~FrmPrincipal() = default;

// ---------------------------------------------------------------- construction

void FrmPrincipal::Registrar(QWidget* control) { controles_.insert(control->objectName(), control); }

QAction* FrmPrincipal::Item(QMenu* menu, const char* nombre, const QString& texto, std::function<void()> accion) {
  QAction* item = menu->addAction(texto);
  item->setObjectName(QString::fromLatin1(nombre));
  connect(item, &QAction::triggered, this, [this, accion = std::move(accion)] { Ejecutar(accion); });
  menus_.insert(item->objectName(), item);
  return item;
}

void FrmPrincipal::CrearMenus() {
  auto crear = [this](const char* nombre, const QString& titulo) {
    QMenu* menu = menuBar()->addMenu(titulo);
    menu->setObjectName(QString::fromLatin1(nombre));
    menus_.insert(menu->objectName(), menu->menuAction());
    return menu;
  };
  auto pantalla = [this](const char* nombre) { return [this, nombre] { AbrirAccion(QString::fromLatin1(nombre)); }; };

  QMenu* archivo = crear("menuArchivo", QStringLiteral("&Archivo"));
  Item(archivo, "menuNuevaBaseXML", QStringLiteral("Nueva Base en XML"), [this] { comandos_.Nuevo(); });
  Item(archivo, "menuAbrirBaseXML", QStringLiteral("Abrir Base en XML"), pantalla("menuAbrirBaseXML"));
  Item(archivo, "menuGuardarBaseXML", QStringLiteral("Guardar Base en XML"), pantalla("menuGuardarBaseXML"));
  archivo->addSeparator();
  Item(archivo, "menuSalir", QStringLiteral("Salir"), [this] {
    if (!comandos_.Salir()) return;
    salirSinPreguntar_ = true;
    close();
  });

  QMenu* datos = crear("menuDesarrollos", QStringLiteral("&Datos"));
  Item(datos, "menuVerResumenFiltros", QStringLiteral("Ver Resumen de Filtros"), pantalla("menuVerResumenFiltros"));
  Item(datos, "menuInformeApuestasEliminadas", QStringLiteral("Ver Informe Apuestas Eliminadas"),
       pantalla("menuInformeApuestasEliminadas"));

  QMenu* utilidades = crear("menuUtilidades", QStringLiteral("&Utilidades"));
  Item(utilidades, "menuEscrutador", QStringLiteral("Realizar Escrutinios"), [this] { comandos_.Escrutinio(); });
  Item(utilidades, "menuVisualizarArchivo", QStringLiteral("Visualizar Archivo"), pantalla("menuVisualizarArchivo"));
  utilidades->addSeparator();
  Item(utilidades, "menuAlgebra", QStringLiteral("Algebra de combinaciones"), pantalla("menuAlgebra"));
  Item(utilidades, "menuGarantiasYPremios", QStringLiteral("Garantías y Premios"), [this] { comandos_.Garantias(); });
  Item(utilidades, "menuSistemasPropios", QStringLiteral("Sistemas Propios"), [this] { comandos_.SistemasPropios(); });
  Item(utilidades, "menuGeneradorApuestas", QStringLiteral("Generador de Apuestas por %"),
       pantalla("menuGeneradorApuestas"));
  Item(utilidades, "menuOrdenarFicheroProbabilidad", QStringLiteral("Ordenar Fichero por Probabilidad"),
       pantalla("menuOrdenarFicheroProbabilidad"));

  QMenu* ayuda = crear("menuAyuda", QStringLiteral("A&yuda"));
  Item(ayuda, "menuManual", QStringLiteral("Ayuda Online"), [this] { AbrirPaginaWeb(Pagina::AyudaOnline); });
  Item(ayuda, "menuBoletia", QStringLiteral("Gentileza de ") + Q(kNombreBoletia),
       [this] { AbrirPaginaWeb(Pagina::QuinigolBoletia); });
  Item(ayuda, "menuPronostia", QStringLiteral("Desarrollado por ") + Q(kNombreAutor),
       [this] { AbrirPaginaWeb(Pagina::WebAutor); });
  ayuda->addSeparator();
  Item(ayuda, "menuAcercade", QStringLiteral("Acerca de TANTEO ..."), [this] {
    FrmAcercaDe acercaDe(comandos_.plataforma, this);
    acercaDe.exec();
  });
}

QWidget* FrmPrincipal::CrearTiraComandos() {
  auto* tira = new QFrame(this);
  tira->setObjectName(QStringLiteral("tiraComandos"));
  tira->setMouseTracking(true);
  tira->installEventFilter(this);
  tira->setStyleSheet(QStringLiteral(
      "QFrame#tiraComandos { background:qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 #2F6BA8,stop:1 #1B4572);"
      "  border-bottom:2px solid #F2B632; }"
      "QLabel[leyenda=\"true\"] { color:white; font-weight:bold; }"
      "QLabel[leyenda=\"true\"]:disabled { color:#7F9CBD; }"
      "QFrame[borde=\"true\"] { border:2px solid #F2B632; border-radius:7px; background:rgba(255,255,255,28); }"
      "QFrame#separadorTira { background:rgba(255,255,255,60); }"));
  auto* fila = new QHBoxLayout(tira);
  fila->setContentsMargins(10, 6, 10, 6);
  fila->setSpacing(4);
  for (int i = 0; i < kComandos; ++i) {
    if (i == 3 || i == 4) {
      auto* separador = new QFrame(tira);
      separador->setObjectName(QStringLiteral("separadorTira"));
      separador->setFixedSize(1, 48);
      fila->addWidget(separador);
    }
    auto* celda = new QWidget(tira);
    celda->setObjectName(Indexado("celdaMenu", i));
    celda->setFixedSize(124, 64);
    celda->setMouseTracking(true);
    celda->installEventFilter(this);
    celda->setCursor(Qt::PointingHandCursor);
    auto* pila = new QVBoxLayout(celda);
    pila->setContentsMargins(2, 4, 2, 4);
    pila->setSpacing(2);

    imgIco_[i] = new EtiquetaPulsable(celda);
    imgIco_[i]->setObjectName(Indexado("imgIco", i));
    imgIco_[i]->setPixmap(Icono(QString::fromLatin1(kTira[i].icono)).pixmap(QSize(32, 32), devicePixelRatioF()));
    imgIco_[i]->setAlignment(Qt::AlignCenter);
    lblMenu_[i] = new EtiquetaPulsable(QString::fromUtf8(kTira[i].leyenda), celda);
    lblMenu_[i]->setObjectName(Indexado("lblMenu", i));
    lblMenu_[i]->setProperty("leyenda", true);
    lblMenu_[i]->setAlignment(Qt::AlignCenter);
    if (*kTira[i].ayuda) {
      lblMenu_[i]->setToolTip(QString::fromUtf8(kTira[i].ayuda));
      imgIco_[i]->setToolTip(lblMenu_[i]->toolTip());
    }
    pila->addWidget(imgIco_[i]);
    pila->addWidget(lblMenu_[i]);
    for (EtiquetaPulsable* parte : {imgIco_[i], lblMenu_[i]}) {
      parte->setMouseTracking(true);
      connect(parte, &EtiquetaPulsable::pulsada, this, [this, i] { EjecutarComando(i); });
      Registrar(parte);
    }

    ShapeBorde_[i] = new QFrame(celda);
    ShapeBorde_[i]->setObjectName(Indexado("ShapeBorde", i));
    ShapeBorde_[i]->setProperty("borde", true);
    ShapeBorde_[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
    ShapeBorde_[i]->setGeometry(celda->rect());
    ShapeBorde_[i]->hide();
    celdas_[i] = celda;
    fila->addWidget(celda);
  }
  fila->addStretch();
  return tira;
}

QWidget* FrmPrincipal::CrearSelectores() {
  auto* caja = new QWidget(this);
  auto* fila = new QHBoxLayout(caja);
  fila->setContentsMargins(0, 0, 0, 0);
  fila->setSpacing(10);

  auto* jornada = new QGroupBox(QStringLiteral("Jornada"), caja);
  auto* j = new QHBoxLayout(jornada);
  j->setSpacing(6);
  cboNumeroJornada_ = new QComboBox(jornada);
  cboNumeroJornada_->setObjectName(QStringLiteral("cboNumeroJornada"));
  cboNumeroJornada_->setMinimumWidth(64);
  cboNumeroJornada_->setMaxVisibleItems(20);
  cboTemporada_ = new QComboBox(jornada);
  cboTemporada_->setObjectName(QStringLiteral("cboTemporada"));
  cboTemporada_->setMinimumWidth(112);
  cboTemporada_->setMaxVisibleItems(20);
  cmdCargarJornada_ = new QPushButton(QStringLiteral("J"), jornada);
  cmdCargarJornada_->setObjectName(QStringLiteral("cmdCargarJornada"));
  cmdCargarJornada_->setToolTip(QStringLiteral("Abrir Jornada"));
  cmdCargarJornada_->setFixedSize(30, 26);
  cmdCargarJornada_->setStyleSheet(QStringLiteral("font-weight:bold;"));
  cmdCargarJornada_->installEventFilter(this);
  connect(cmdCargarJornada_, &QPushButton::clicked, this, [this] { AbrirAccion(QStringLiteral("cmdCargarJornada")); });
  j->addWidget(new QLabel(QStringLiteral("Nº"), jornada));
  j->addWidget(cboNumeroJornada_);
  j->addSpacing(6);
  j->addWidget(new QLabel(QStringLiteral("Temporada"), jornada));
  j->addWidget(cboTemporada_);
  j->addWidget(cmdCargarJornada_);
  connect(cboNumeroJornada_, &QComboBox::activated, this, [this](int i) { Ejecutar([this, i] { comandos_.ElegirJornada(i); }); });
  connect(cboTemporada_, &QComboBox::activated, this, [this](int i) { Ejecutar([this, i] { comandos_.ElegirTemporada(i); }); });

  auto* tipo = new QGroupBox(QStringLiteral("Combinación"), caja);
  auto* t = new QHBoxLayout(tipo);
  t->setSpacing(6);
  cboTipoCombinacion_ = new QComboBox(tipo);
  cboTipoCombinacion_->setObjectName(QStringLiteral("cboTipoCombinacion"));
  cboTipoCombinacion_->addItems({QStringLiteral("Pronóstico Manual"), QStringLiteral("Pronóstico Aleatorio"),
                                 QStringLiteral("Desde Archivo")});
  cboTipoCombinacion_->setMinimumWidth(170);
  connect(cboTipoCombinacion_, &QComboBox::activated, this, [this](int i) { Ejecutar([this, i] { comandos_.ElegirTipo(i); }); });
  txtFicheroASCII_ = new QLineEdit(tipo);
  txtFicheroASCII_->setObjectName(QStringLiteral("txtFicheroASCII"));
  txtFicheroASCII_->setReadOnly(true);
  txtFicheroASCII_->setMinimumWidth(200);
  txtFicheroASCII_->setFocusPolicy(Qt::NoFocus);
  t->addWidget(cboTipoCombinacion_);
  t->addWidget(txtFicheroASCII_, 4);
  t->addStretch();

  for (QWidget* w : std::initializer_list<QWidget*>{cboNumeroJornada_, cboTemporada_, cmdCargarJornada_, cboTipoCombinacion_, txtFicheroASCII_}) {
    Registrar(w);
  }
  fila->addWidget(jornada);
  fila->addWidget(tipo, 1);
  return caja;
}

QWidget* FrmPrincipal::CrearBase() {
  auto* caja = new QGroupBox(QStringLiteral("Pronóstico"), this);
  auto* todo = new QVBoxLayout(caja);
  todo->setSpacing(8);
  auto* fila = new QHBoxLayout;
  fila->setSpacing(12);

  auto* equipos = new QGridLayout;
  equipos->setHorizontalSpacing(6);
  equipos->setVerticalSpacing(4);
  equipos->addWidget(TituloColumna(QStringLiteral("Local"), caja), 0, 1);
  equipos->addWidget(TituloColumna(QStringLiteral("Visitante"), caja), 0, 2);
  for (int k = 0; k < kPartidos; ++k) {
    auto* numero = new QLabel(QString::number(k + 1), caja);
    numero->setObjectName(Indexado("lblNumero", k));
    numero->setFixedSize(22, kAltoFila);
    numero->setAlignment(Qt::AlignCenter);
    numero->setStyleSheet(QStringLiteral("background:#2A5282; color:white; font-weight:bold; border-radius:3px;"));
    equipos->addWidget(numero, k + 1, 0);
    for (int lado = 0; lado < 2; ++lado) {
      const int t = 2 * k + lado;
      auto* txt = new QLineEdit(caja);
      txt->setObjectName(Indexado("txtPartido", t));
      txt->setFixedSize(128, kAltoFila);
      txt->installEventFilter(this);
      connect(txt, &QLineEdit::textEdited, this, [this, t](const QString& texto) {
        comandos_.estado.txtPartido[t] = texto.toStdString();
      });
      txtPartido_[t] = txt;
      Registrar(txt);
      equipos->addWidget(txt, k + 1, 1 + lado);
    }
  }
  fila->addLayout(equipos);

  auto* contenedor = new QWidget(caja);
  vistas_ = new QStackedLayout(contenedor);
  vistas_->addWidget(CrearVistaResultados());
  vistas_->addWidget(CrearVistaPronostico());
  fila->addWidget(contenedor);
  fila->addStretch();
  todo->addLayout(fila);

  auto* botones = new QHBoxLayout;
  botones->setSpacing(6);
  cmdSwitch_ = new QPushButton(Icono(QStringLiteral("cambiar_vista")), QString(), caja);
  cmdSwitch_->setObjectName(QStringLiteral("cmdSwitch"));
  cmdSwitch_->setToolTip(QStringLiteral("Cambia la vista de introducción de datos entre: por Resultados o por Pronóstico"));
  cmdSwitch_->setIconSize(QSize(20, 20));
  cmdSwitch_->setMinimumWidth(220);
  connect(cmdSwitch_, &QPushButton::clicked, this,
          [this] { Ejecutar([this] { combinacion_.CambiarVista(comandos_.interaccion); }); });
  imgALLPronostico_ = new QToolButton(caja);
  imgALLPronostico_->setObjectName(QStringLiteral("imgALLPronostico"));
  imgALLPronostico_->setToolTip(QStringLiteral("Selecciona todos los pronósticos"));
  imgALLPronostico_->setIcon(Icono(QStringLiteral("seleccionar_todo")));
  connect(imgALLPronostico_, &QToolButton::clicked, this, [this] { Ejecutar([this] { combinacion_.SeleccionarTodo(); }); });
  imgINIPronostico_ = new QToolButton(caja);
  imgINIPronostico_->setObjectName(QStringLiteral("imgINIPronostico"));
  imgINIPronostico_->setToolTip(QStringLiteral("Inicializa todos los pronósticos"));
  imgINIPronostico_->setIcon(Icono(QStringLiteral("inicializar")));
  connect(imgINIPronostico_, &QToolButton::clicked, this, [this] { Ejecutar([this] { combinacion_.LimpiarPronostico(); }); });
  for (QToolButton* b : {imgALLPronostico_, imgINIPronostico_}) {
    b->setAutoRaise(true);
    b->setIconSize(QSize(26, 26));
    b->setFixedSize(34, 34);
    Registrar(b);
  }
  Registrar(cmdSwitch_);
  botones->addSpacing(22 + 6);
  botones->addWidget(cmdSwitch_);
  botones->addStretch();
  botones->addWidget(imgALLPronostico_);
  botones->addWidget(imgINIPronostico_);
  todo->addLayout(botones);
  return caja;
}

QWidget* FrmPrincipal::CrearVistaResultados() {
  picBASEporRESULTADOS_ = new QFrame(this);
  QGridLayout* rejilla = RejillaVista(picBASEporRESULTADOS_, "picBASEporRESULTADOS");
  rejilla->addWidget(TituloColumna(QStringLiteral("Resultados (goles del local y del visitante)"), picBASEporRESULTADOS_),
                     0, 0, 1, kResultados);
  for (int m = 1; m <= kPartidos; ++m) {
    for (int r = 1; r <= kResultados; ++r) {
      EtiquetaPulsable* lbl = Conmutador(Q(LeyendaResultado(r)), Indexado(("lblPartido" + std::to_string(m)).c_str(), r - 1),
                                         picBASEporRESULTADOS_);
      connect(lbl, &EtiquetaPulsable::pulsada, this,
              [this, m, r] { Ejecutar([this, m, r] { combinacion_.AlternarResultado(m, r); }); });
      lblPartido_[m - 1][r - 1] = lbl;
      rejilla->addWidget(lbl, m, r - 1);
    }
  }
  Registrar(picBASEporRESULTADOS_);
  return picBASEporRESULTADOS_;
}

QWidget* FrmPrincipal::CrearVistaPronostico() {
  picBASEporPRONOSTICO_ = new QFrame(this);
  QGridLayout* rejilla = RejillaVista(picBASEporPRONOSTICO_, "picBASEporPRONOSTICO");
  // Match k on row k: the home team's four signs, a gap, the away team's four.
  for (int lado = 0; lado < 2; ++lado) {
    rejilla->addWidget(TituloColumna(lado == 0 ? QStringLiteral("Goles local") : QStringLiteral("Goles visitante"),
                                     picBASEporPRONOSTICO_),
                       0, lado * (kSignos + 1), 1, kSignos);
  }
  rejilla->setColumnMinimumWidth(kSignos, 18);
  for (int t = 1; t <= kEquipos; ++t) {
    const int fila = (t + 1) / 2;
    const int columna0 = t % 2 == 1 ? 0 : kSignos + 1;
    for (int s = 0; s < kSignos; ++s) {
      EtiquetaPulsable* lbl = Conmutador(QString(QLatin1Char(TextoSigno(s))),
                                         Indexado(("lblSigno" + std::to_string(s)).c_str(), t - 1), picBASEporPRONOSTICO_);
      connect(lbl, &EtiquetaPulsable::pulsada, this,
              [this, t, s] { Ejecutar([this, t, s] { combinacion_.AlternarSigno(t, s); }); });
      lblSigno_[s][t - 1] = lbl;
      rejilla->addWidget(lbl, fila, columna0 + s);
    }
  }
  rejilla->setColumnStretch(2 * kSignos + 1, 1);
  Registrar(picBASEporPRONOSTICO_);
  return picBASEporPRONOSTICO_;
}

QWidget* FrmPrincipal::CrearContadores() {
  auto* caja = new QGroupBox(QStringLiteral("Apuestas"), this);
  auto* fila = new QHBoxLayout(caja);
  fila->setSpacing(12);
  cmdCuadroApuDirecto_ = Cabecera("cmdCuadroApuDirecto", Q(kApuestasEnDirecto), caja);
  lblApuIniciales_ = Contador("lblApuIniciales", caja);
  lblApuCondicionadas_ = Contador("lblApuCondicionadas", caja);
  lblApuestasReduccion_ = Contador("lblApuestasReduccion", caja);
  const std::pair<QPushButton*, QLabel*> columnas[] = {
      {cmdCuadroApuDirecto_, lblApuIniciales_},
      {Cabecera("cmdCuadroApuCondicionadas", QStringLiteral("Apuestas Condicionadas"), caja), lblApuCondicionadas_},
      {Cabecera("cmdCuadroApuReducidas", QStringLiteral("Apuestas Reducidas"), caja), lblApuestasReduccion_},
  };
  for (const auto& [cabecera, contador] : columnas) {
    auto* columna = new QVBoxLayout;
    columna->setSpacing(3);
    columna->addWidget(cabecera);
    columna->addWidget(contador);
    fila->addLayout(columna, 1);
  }
  return caja;
}

QWidget* FrmPrincipal::CrearFiltros() {
  auto* caja = new QGroupBox(QStringLiteral("Condiciones"), this);
  auto* pila = new QVBoxLayout(caja);
  pila->setSpacing(0);
  const QFont fuente = FuenteLista();
  const QFontMetrics medidas(fuente);

  // The column titles stand over the columns of the rows: 5 + 18 characters, then the counts.
  auto* titulos = new QHBoxLayout;
  titulos->setContentsMargins(0, 0, 0, 0);
  titulos->setSpacing(0);
  const std::pair<const char*, QString> columnas[] = {
      {"cmdTituloActivacion", QStringLiteral("ACT ")},
      {"cmdTituloCondicion", QStringLiteral("CONDICION          ")},
      {"cmdTituloActivos", QStringLiteral("         NºACT")},
  };
  const int margen = 4;  // the list's frame and item margin, so titles sit over their columns
  int anchoTitulos = 0;
  for (const auto& [nombre, texto] : columnas) {
    QPushButton* titulo = Cabecera(nombre, texto, caja);
    titulo->setFont(fuente);
    titulo->setStyleSheet(QStringLiteral("text-align:left; padding:3px %1px; border-radius:0px;").arg(margen - 1));
    titulo->setFixedWidth(medidas.horizontalAdvance(texto) + 2 * margen);
    anchoTitulos += titulo->width();
    titulos->addWidget(titulo);
  }
  titulos->addStretch();
  pila->addLayout(titulos);

  imgFondoList_ = new QLabel(caja);
  imgFondoList_->setObjectName(QStringLiteral("imgFondoList"));
  imgFondoList_->setPixmap(Imagen(QStringLiteral("fondo_lista"), QSize(48, 48)));
  imgFondoList_->hide();

  lstFiltros_ = new QListWidget(caja);
  lstFiltros_->setObjectName(QStringLiteral("lstFiltros"));
  lstFiltros_->setFont(fuente);
  lstFiltros_->setSelectionMode(QAbstractItemView::SingleSelection);
  lstFiltros_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The rows are painted with a transparent background over the tiled picture.
  QPalette paleta = lstFiltros_->palette();
  paleta.setBrush(QPalette::Base, QBrush(imgFondoList_->pixmap()));
  paleta.setColor(QPalette::Text, QColor(0x10, 0x24, 0x40));
  paleta.setColor(QPalette::Highlight, QColor(0x2A, 0x52, 0x82, 200));
  paleta.setColor(QPalette::HighlightedText, Qt::white);
  lstFiltros_->setPalette(paleta);
  lstFiltros_->setStyleSheet(QStringLiteral("QListWidget { border:1px solid #8EA9C8; } QListWidget::item { padding:2px %1px; }")
                                 .arg(margen - 1));
  for (int fila = 0; fila < kFilasFiltros; ++fila) lstFiltros_->addItem(QString());
  lstFiltros_->viewport()->installEventFilter(this);
  // A scrolled background must be painted again as a whole, not shifted.
  connect(lstFiltros_->verticalScrollBar(), &QScrollBar::valueChanged, lstFiltros_->viewport(),
          qOverload<>(&QWidget::update));
  // The list is as wide as its titles and shows its ten rows without scrolling.
  lstFiltros_->setFixedWidth(anchoTitulos);
  lstFiltros_->setFixedHeight(kFilasFiltros * lstFiltros_->sizeHintForRow(0) + 2 * lstFiltros_->frameWidth());
  Registrar(lstFiltros_);
  pila->addWidget(lstFiltros_);
  return caja;
}

void FrmPrincipal::CrearVentanaEspera(QWidget* central) {
  picVentanaEspera_ = new QFrame(central);
  picVentanaEspera_->setObjectName(QStringLiteral("picVentanaEspera"));
  picVentanaEspera_->setStyleSheet(QStringLiteral(
      "QFrame#picVentanaEspera { background:#F8FAFD; border:2px solid #2A5282; border-radius:8px; }"
      "QFrame#picFondoProgressBar { background:white; border:1px solid #8EA9C8; }"
      "QLabel#lblProgressBar { background:qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 #5B9BD5,stop:1 #2A5282); }"));
  auto* pila = new QVBoxLayout(picVentanaEspera_);
  pila->setContentsMargins(18, 14, 18, 16);
  pila->setSpacing(10);
  auto* titulo = new QLabel(QStringLiteral("Guardando por favor espere ..."), picVentanaEspera_);
  titulo->setObjectName(QStringLiteral("lblTituloEspera"));
  titulo->setStyleSheet(QStringLiteral("font-weight:bold; color:#1F3A5F; font-size:11pt;"));
  titulo->setAlignment(Qt::AlignCenter);
  auto* fondo = new QFrame(picVentanaEspera_);
  fondo->setObjectName(QStringLiteral("picFondoProgressBar"));
  fondo->setFixedSize(kAnchoBarraEspera + 2, 20);
  lblProgressBar_ = new QLabel(fondo);
  lblProgressBar_->setObjectName(QStringLiteral("lblProgressBar"));
  lblProgressBar_->setGeometry(1, 1, 0, 18);
  lblProgressBar_->setFixedHeight(18);
  pila->addWidget(titulo);
  pila->addWidget(fondo, 0, Qt::AlignCenter);
  picVentanaEspera_->adjustSize();
  picVentanaEspera_->hide();
}

// ---------------------------------------------------------------- commands

void FrmPrincipal::PonerAccion(const QString& control, std::function<void()> accion) {
  acciones_.insert(control, std::move(accion));
  Refrescar();
}

void FrmPrincipal::Ejecutar(const std::function<void()>& orden) {
  orden();
  Refrescar();
}

void FrmPrincipal::AbrirAccion(const QString& control) {
  const auto it = acciones_.constFind(control);
  if (it == acciones_.constEnd()) return;
  const std::function<void()> accion = *it;
  Ejecutar(accion);
}

void FrmPrincipal::EjecutarComando(int indice) {
  if (!lblMenu_[indice]->isEnabled()) return;
  switch (indice) {
    case 0: Ejecutar([this] { comandos_.Nuevo(); }); break;
    case 1: case 2: AbrirAccion(Indexado("lblMenu", indice)); break;
    case 3: AbrirPaginaWeb(Pagina::ValidarApuestas); break;
    case 4: Ejecutar([this] { comandos_.CalculoPrueba(); }); break;
    case 5: Ejecutar([this] { comandos_.Analisis(); }); break;
    case 6: Ejecutar([this] { comandos_.CalculoDefinitivo(); }); break;
    default: break;
  }
}

void FrmPrincipal::AbrirPaginaWeb(Pagina pagina) {
  if (pagina == Pagina::AyudaOnline && !PrepararManual(comandos_.plataforma, comandos_.interaccion)) return;
  AbrirPagina(pagina, comandos_.plataforma, comandos_.interaccion);
}

bool FrmPrincipal::Disponible(const QString& control) const {
  bool tiene = false;
  const Funcion funcion = FuncionDe(control, &tiene);
  if (tiene) return comandos_.servicios.Disponible(funcion);
  if (ControlesConPantalla().contains(control)) {
    return acciones_.contains(control.startsWith(QStringLiteral("imgIco_")) ? Indexado("lblMenu", control.back().digitValue())
                                                                             : control);
  }
  return true;
}

void FrmPrincipal::Bloquear() {
  comandos_.Bloquear();
  Refrescar();
}

void FrmPrincipal::Desbloquear() {
  comandos_.Desbloquear();
  Refrescar();
}

void FrmPrincipal::IniciarIndicacion() { Timer1_->start(); }

void FrmPrincipal::DetenerIndicacion() {
  Timer1_->stop();
  lblApuCondicionadas_->setStyleSheet(QStringLiteral("color:#000000;"));
}

void FrmPrincipal::MostrarEspera(bool visible) {
  if (visible) {
    comandos_.Bloquear();
    lblProgressBar_->setFixedWidth(0);
    ColocarVentanaEspera();
    picVentanaEspera_->show();
    picVentanaEspera_->raise();
  } else {
    picVentanaEspera_->hide();
    comandos_.Desbloquear();
  }
  Refrescar();
}

void FrmPrincipal::ColocarVentanaEspera() {
  picVentanaEspera_->adjustSize();
  const QRect zona = centralWidget()->rect();
  picVentanaEspera_->move(zona.center() - picVentanaEspera_->rect().center());
}

// ---------------------------------------------------------------- events

void FrmPrincipal::closeEvent(QCloseEvent* evento) {
  if (!salirSinPreguntar_ && !comandos_.PedirCierre()) {
    evento->ignore();
    return;
  }
  if (!descargada_) {
    descargada_ = true;
    comandos_.Descargar();
  }
  evento->accept();
}

void FrmPrincipal::MostrarBorde(int indice) {
  for (int i = 0; i < kComandos; ++i) ShapeBorde_[i]->setVisible(i == indice);
}

bool FrmPrincipal::eventFilter(QObject* objeto, QEvent* evento) {
  const QEvent::Type tipo = evento->type();

  // Hover frames of the command strip: over an item its frame, over the bare window none.
  for (int i = 0; i < kComandos; ++i) {
    if (objeto != celdas_[i]) continue;
    if (tipo == QEvent::Enter || tipo == QEvent::MouseMove) MostrarBorde(i);
    if (tipo == QEvent::Leave) MostrarBorde(-1);
    if (tipo == QEvent::Resize) ShapeBorde_[i]->setGeometry(celdas_[i]->rect());
    if (tipo == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton &&
        celdas_[i]->rect().contains(static_cast<QMouseEvent*>(evento)->position().toPoint())) {
      EjecutarComando(i);
      return true;
    }
    return false;
  }
  if (tipo == QEvent::MouseMove && (objeto == centralWidget() || objeto->objectName() == QLatin1String("tiraComandos"))) {
    MostrarBorde(-1);
    return false;
  }
  if (objeto == centralWidget() && tipo == QEvent::Resize && picVentanaEspera_->isVisible()) ColocarVentanaEspera();

  // Alt + right button on "J": the credits.
  if (objeto == cmdCargarJornada_ && tipo == QEvent::MouseButtonPress) {
    auto* raton = static_cast<QMouseEvent*>(evento);
    if (raton->button() == Qt::RightButton && (raton->modifiers() & Qt::AltModifier) && !comandos_.estado.bloqueada) {
      FrmAutor autor(this);
      autor.exec();
      return true;
    }
    return false;
  }

  // Enter in a team box goes to the next one (the first after the twelfth), text selected.
  if (tipo == QEvent::KeyPress) {
    auto* tecla = static_cast<QKeyEvent*>(evento);
    if (tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter) {
      for (int t = 0; t < kEquipos; ++t) {
        if (objeto != txtPartido_[t]) continue;
        QLineEdit* siguiente = txtPartido_[(t + 1) % kEquipos];
        siguiente->setFocus(Qt::TabFocusReason);
        siguiente->selectAll();
        return true;
      }
    }
    return false;
  }

  if (objeto == lstFiltros_->viewport()) {
    if (tipo == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(evento)->button() == Qt::RightButton) {
      // The row under the pointer becomes the selected one, and the selected row is toggled.
      const QPoint punto = static_cast<QMouseEvent*>(evento)->position().toPoint();
      if (QListWidgetItem* item = lstFiltros_->itemAt(punto)) lstFiltros_->setCurrentItem(item);
      const int fila = lstFiltros_->selectedItems().isEmpty() ? -1 : lstFiltros_->currentRow();
      Ejecutar([this, fila] { comandos_.AlternarFiltro(fila); });
      return true;
    }
    if (tipo == QEvent::MouseButtonDblClick && static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
      const QPoint punto = static_cast<QMouseEvent*>(evento)->position().toPoint();
      if (QListWidgetItem* item = lstFiltros_->itemAt(punto)) lstFiltros_->setCurrentItem(item);
      const int fila = lstFiltros_->selectedItems().isEmpty() ? -1 : lstFiltros_->currentRow();
      // Each row's screen is the one registered as "lstFiltros_<row>".
      struct Pantallas : PantallasFiltros {
        explicit Pantallas(FrmPrincipal& v) : ventana(v) {}
        void MostrarFiltro(FilaFiltro f) override { ventana.AbrirAccion(Indexado("lstFiltros", IndiceFila(f))); }
        void MostrarReduccion() override { MostrarFiltro(FilaFiltro::Reduccion); }
        FrmPrincipal& ventana;
      } pantallas(*this);
      Ejecutar([this, fila, &pantallas] { comandos_.DobleClicFiltros(fila, pantallas); });
      return true;
    }
  }
  return QMainWindow::eventFilter(objeto, evento);
}

// ---------------------------------------------------------------- state to screen

void FrmPrincipal::Refrescar() {
  const EstadoPrincipal& estado = comandos_.estado;
  setWindowTitle(Q(estado.Titulo()));

  for (auto [combo, lista] : {std::pair{cboNumeroJornada_, &estado.cboNumeroJornada},
                              std::pair{cboTemporada_, &estado.cboTemporada}}) {
    const QSignalBlocker bloqueo(combo);
    QStringList entradas;
    for (const std::string& e : lista->entradas) entradas << Q(e);
    QStringList actuales;
    for (int i = 0; i < combo->count(); ++i) actuales << combo->itemText(i);
    if (actuales != entradas) {
      combo->clear();
      combo->addItems(entradas);
    }
    combo->setCurrentIndex(lista->indice);
  }
  {
    const QSignalBlocker bloqueo(cboTipoCombinacion_);
    cboTipoCombinacion_->setCurrentIndex(static_cast<int>(combinacion_.tipo));
    auto* modelo = static_cast<QStandardItemModel*>(cboTipoCombinacion_->model());
    modelo->item(1)->setEnabled(comandos_.servicios.Disponible(Funcion::BaseAlAzar));
    modelo->item(2)->setEnabled(comandos_.servicios.Disponible(Funcion::Importacion));
  }
  txtFicheroASCII_->setText(Q(estado.txtFicheroASCII));
  txtFicheroASCII_->setToolTip(Q(estado.tooltipFicheroASCII));
  txtFicheroASCII_->setVisible(estado.txtFicheroASCIIVisible);
  for (int t = 0; t < kEquipos; ++t) {
    const QString nombre = Q(estado.txtPartido[t]);
    if (txtPartido_[t]->text() != nombre) txtPartido_[t]->setText(nombre);
  }
  cmdCuadroApuDirecto_->setText(Q(estado.cmdCuadroApuDirecto));
  imgALLPronostico_->setVisible(estado.imagenesPronosticoVisibles);
  imgINIPronostico_->setVisible(estado.imagenesPronosticoVisibles);

  RefrescarBase();
  RefrescarContadores();
  RefrescarFiltros();
  RefrescarHabilitados();
}

void FrmPrincipal::RefrescarBase() {
  const BasePronostico& base = combinacion_.base;
  auto aspecto = [](EtiquetaPulsable* lbl, int& actual, bool seleccionada) {
    const int nuevo = seleccionada ? 1 : 0;
    if (actual == nuevo) return;
    actual = nuevo;
    lbl->setStyleSheet(QString::fromLatin1(seleccionada ? kSeleccionada : kNoSeleccionada));
  };
  for (int m = 1; m <= kPartidos; ++m) {
    for (int r = 1; r <= kResultados; ++r) aspecto(lblPartido_[m - 1][r - 1], aspectoResultado_[m - 1][r - 1], base.ResultadoSeleccionado(m, r));
  }
  for (int s = 0; s < kSignos; ++s) {
    for (int t = 1; t <= kEquipos; ++t) aspecto(lblSigno_[s][t - 1], aspectoSigno_[s][t - 1], base.SignoSeleccionado(t, s));
  }
  const bool porResultados = base.VistaActiva() == Vista::PorResultados;
  vistas_->setCurrentWidget(porResultados ? static_cast<QWidget*>(picBASEporRESULTADOS_) : picBASEporPRONOSTICO_);
  cmdSwitch_->setText(Q(combinacion_.TextoCambiarVista()));
}

void FrmPrincipal::RefrescarContadores() {
  const Contadores& c = combinacion_.contadores;
  lblApuIniciales_->setText(Q(c.lblApuIniciales));
  lblApuCondicionadas_->setText(Q(c.lblApuCondicionadas));
  lblApuestasReduccion_->setText(Q(c.lblApuestasReduccion));
  lblApuestasReduccion_->setToolTip(Q(c.tooltipApuestasReduccion));
}

void FrmPrincipal::RefrescarFiltros() {
  for (int fila = 0; fila < kFilasFiltros; ++fila) {
    const QString texto = Q(combinacion_.lstFiltros.Texto(FilaDeIndice(fila)));
    if (lstFiltros_->item(fila)->text() != texto) lstFiltros_->item(fila)->setText(texto);
  }
}

void FrmPrincipal::RefrescarHabilitados() {
  const EstadoPrincipal& estado = comandos_.estado;
  for (const std::string& nombre : ControlesBloqueo()) {
    const QString control = Q(nombre);
    const bool habilitado = estado.Habilitado(nombre) && Disponible(control);
    if (QWidget* w = controles_.value(control)) {
      w->setEnabled(habilitado);
    } else if (QAction* menu = menus_.value(control)) {
      menu->setEnabled(habilitado);
    }
  }
  for (auto it = menus_.cbegin(); it != menus_.cend(); ++it) {
    if (!it.key().startsWith(QStringLiteral("menu")) || it.value()->menu() != nullptr) continue;
    it.value()->setEnabled(Disponible(it.key()));
  }
}

}  // namespace tanteo
