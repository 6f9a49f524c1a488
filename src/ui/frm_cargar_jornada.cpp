#include "ui/frm_cargar_jornada.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/boton_imagen.h"
#include "ui/estilo_pantallas.h"
#include "ui/texto_qt.h"

namespace tanteo {

namespace {

QComboBox* Selector(const QString& nombre, const ListaDesplegable& lista, QWidget* padre) {
  auto* cbo = new QComboBox(padre);
  cbo->setObjectName(nombre);
  for (const std::string& entrada : lista.entradas) cbo->addItem(Q(entrada));
  cbo->setMaxVisibleItems(12);
  return cbo;
}

QLabel* Rotulo(const QString& nombre, std::string_view texto, QWidget* padre) {
  auto* rotulo = new QLabel(Q(texto), padre);
  rotulo->setObjectName(nombre);
  rotulo->setProperty("titulo", true);
  return rotulo;
}

}  // namespace

FrmCargarJornada::FrmCargarJornada(ControlesJornada& principal, ServicioJornada& servicio, Plataforma& plataforma,
                                   Interaccion& interaccion, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      logica_(principal, servicio, plataforma, interaccion) {
  PrepararPantalla(*this, QStringLiteral("frmCargarJornada"), Q(kTituloCargarJornada),
                   QStringLiteral("QLabel#lblDescargando { color:#A0281C; font-weight:bold; }"));
  ControlesJornada& controles = logica_.controles;

  auto* eleccion = new QGroupBox(this);
  auto* fila = new QGridLayout(eleccion);
  fila->setHorizontalSpacing(10);
  fila->addWidget(Rotulo(QStringLiteral("Label2"), kTextoLabel2, eleccion), 0, 0, 1, 5);
  cboNumeroJornada_ = Selector(QStringLiteral("cboNumeroJornada"), controles.cboNumeroJornada, eleccion);
  cboTemporada_ = Selector(QStringLiteral("cboTemporada"), controles.cboTemporada, eleccion);
  fila->addWidget(Rotulo(QStringLiteral("Label14"), kTextoLabel14, eleccion), 1, 0);
  fila->addWidget(cboNumeroJornada_, 1, 1);
  fila->addWidget(Rotulo(QStringLiteral("Label1"), kTextoLabel1, eleccion), 1, 2);
  fila->addWidget(cboTemporada_, 1, 3);
  fila->setColumnStretch(4, 1);
  connect(cboNumeroJornada_, &QComboBox::currentIndexChanged, this,
          [this](int indice) { logica_.controles.cboNumeroJornada.indice = indice; });
  connect(cboTemporada_, &QComboBox::currentIndexChanged, this,
          [this](int indice) { logica_.controles.cboTemporada.indice = indice; });

  auto* partidos = new QGroupBox(QStringLiteral("Partidos"), this);
  auto* rejilla = new QGridLayout(partidos);
  rejilla->setHorizontalSpacing(8);
  rejilla->setVerticalSpacing(5);
  for (int k = 0; k < kPartidos; ++k) {
    QLabel* numero = NumeroPartido(QStringLiteral("lblNumero_%1").arg(k), k + 1, partidos);
    numero->setFixedSize(22, 24);
    rejilla->addWidget(numero, k, 0);
    for (int lado = 0; lado < 2; ++lado) {
      const int t = 2 * k + lado;
      auto* txt = new QLineEdit(partidos);
      txt->setObjectName(QStringLiteral("txtPartido_%1").arg(t));
      txt->setFixedSize(150, 24);
      connect(txt, &QLineEdit::textEdited, this,
              [this, t](const QString& texto) { logica_.controles.txtPartido.nombre[t + 1] = texto.toStdString(); });
      txtPartido_[t] = txt;
      rejilla->addWidget(txt, k, 1 + lado);
    }
  }

  auto* imgVolver = new BotonImagen(QStringLiteral("imgVolver"), QStringLiteral("volver"), Q(kAyudaVolver), 36, this,
                                    QStringLiteral("ShapeBorde_0"));
  auto* imgCargarJornada = new BotonImagen(QStringLiteral("imgCargarJornada"), QStringLiteral("fichero_partidos"),
                                           Q(kAyudaCargarJornada), 36, this, QStringLiteral("ShapeBorde_1"));
  auto* imgConectar = new BotonImagen(QStringLiteral("imgConectar"), QStringLiteral("conectar"), Q(kAyudaConectar), 36,
                                      this, QStringLiteral("ShapeBorde_2"));
  auto* imgInicializarPartidos =
      new BotonImagen(QStringLiteral("imgInicializarPartidos"), QStringLiteral("vaciar_partidos"),
                      Q(kAyudaInicializarPartidos), 36, this, QStringLiteral("ShapeBordeInicializar"));
  // Each picture changes the screen's controls, which are then shown again.
  const auto alPulsar = [this](BotonImagen* imagen, auto orden) {
    connect(imagen, &EtiquetaPulsable::pulsada, this, [this, orden] {
      orden();
      Mostrar();
    });
  };
  alPulsar(imgConectar, [this] { logica_.imgConectar(*this); });
  alPulsar(imgCargarJornada, [this] { logica_.imgCargarJornada(); });
  alPulsar(imgInicializarPartidos, [this] { logica_.imgInicializarPartidos(); });
  connect(imgVolver, &EtiquetaPulsable::pulsada, this, &FrmCargarJornada::Volver);

  lblDescargando_ = new QLabel(Q(kTextoDescargando), this);
  lblDescargando_->setObjectName(QStringLiteral("lblDescargando"));
  QSizePolicy sitio = lblDescargando_->sizePolicy();
  sitio.setRetainSizeWhenHidden(true);  // the screen does not jump when it shows
  lblDescargando_->setSizePolicy(sitio);
  lblDescargando_->hide();

  auto* pie = new QHBoxLayout;
  pie->setSpacing(6);
  pie->addWidget(imgConectar);
  pie->addWidget(imgCargarJornada);
  pie->addWidget(imgInicializarPartidos);
  pie->addSpacing(8);
  pie->addWidget(lblDescargando_);
  pie->addStretch();
  pie->addWidget(imgVolver);

  auto* pila = new QVBoxLayout;
  pila->setContentsMargins(12, 8, 12, 10);
  pila->setSpacing(8);
  pila->addWidget(eleccion);
  pila->addWidget(partidos);
  pila->addLayout(pie);
  MontarConTitulo(*this, pila);
  Mostrar();
}

void FrmCargarJornada::Mostrar() {
  const ControlesJornada& controles = logica_.controles;
  cboNumeroJornada_->setCurrentIndex(controles.cboNumeroJornada.indice);
  cboTemporada_->setCurrentIndex(controles.cboTemporada.indice);
  for (int t = 0; t < kEquipos; ++t) {
    const QString nombre = Q(controles.txtPartido.nombre[t + 1]);
    if (txtPartido_[t]->text() != nombre) txtPartido_[t]->setText(nombre);
  }
}

void FrmCargarJornada::Texto(std::string_view texto) {
  if (!texto.empty()) lblDescargando_->setText(Q(texto));
  lblDescargando_->setVisible(!texto.empty());
}

void FrmCargarJornada::Ceder() {
  // The label must be on screen before the fetch blocks the window.
  lblDescargando_->repaint();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void FrmCargarJornada::Volver() {
  logica_.imgVolver();
  cerrando_ = true;
  accept();
}

void FrmCargarJornada::closeEvent(QCloseEvent* evento) {
  if (!cerrando_) {
    evento->ignore();
    return;
  }
  QDialog::closeEvent(evento);
}

}  // namespace tanteo
