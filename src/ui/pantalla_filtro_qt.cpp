#include "ui/pantalla_filtro_qt.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QToolButton>
#include <QVBoxLayout>

#include "conditions/pantalla_filtro.h"
#include "ui/estilo_pantallas.h"
#include "ui/recursos.h"

namespace tanteo {

namespace {

constexpr QSize kTamanoActivar(72, 36);
constexpr QSize kTamanoVolver(40, 40);
constexpr int kMargenBorde = 4;  // room for the hover frame around a picture button

}  // namespace

PantallaFiltroQt::PantallaFiltroQt(PantallaFiltro& logica, const QString& nombre, const QString& titulo, QWidget* parent)
    : QDialog(parent), logica_(logica) {
  setObjectName(nombre);
  setWindowTitle(titulo);
  setModal(true);
  // No close command in the frame: the screen is left through imgVolver.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setStyleSheet(EstiloPantallas());
  setMouseTracking(true);

  // The two looks of imgActivar: the picture is the inactive one, the drag icon the active one.
  imgTEMP_ = new QLabel(this);
  imgTEMP_->setObjectName(QStringLiteral("imgTEMP"));
  imgTEMP_->setPixmap(Imagen(QStringLiteral("activar_no"), kTamanoActivar, devicePixelRatioF()));
  imgTEMP_->setProperty("DragIcon", Imagen(QStringLiteral("activar_si"), kTamanoActivar, devicePixelRatioF()));
  imgTEMP_->hide();
}

void PantallaFiltroQt::Montar(QBoxLayout* cuerpo, QWidget* centro) {
  auto* pie = new QHBoxLayout;
  pie->setContentsMargins(0, 0, 0, 0);
  pie->addWidget(BotonImagen(1, QStringLiteral("imgActivar"), QStringLiteral("Activar/Desactivar condición"), imgActivar_));
  pie->addStretch();
  if (centro != nullptr) pie->addWidget(centro);
  pie->addStretch();
  pie->addWidget(BotonImagen(0, QStringLiteral("imgVolver"), QStringLiteral("Cerrar condición"), imgVolver_));
  imgVolver_->setIcon(Icono(QStringLiteral("volver")));
  imgVolver_->setIconSize(kTamanoVolver);
  imgActivar_->setIconSize(kTamanoActivar);
  connect(imgActivar_, &QToolButton::clicked, this, [this] {
    logica_.PulsarActivar();
    MostrarActivacion();
  });
  connect(imgVolver_, &QToolButton::clicked, this, [this] { PulsarVolver(); });

  auto* contenido = new QVBoxLayout;
  contenido->setContentsMargins(14, 10, 14, 10);
  contenido->setSpacing(10);
  contenido->addLayout(cuerpo);
  contenido->addLayout(pie);

  MontarConTitulo(*this, contenido);
  MostrarActivacion();
}

QWidget* PantallaFiltroQt::BotonImagen(int borde, const QString& nombre, const QString& ayuda, QToolButton*& boton) {
  auto* celda = new QWidget(this);
  auto* marco = new QHBoxLayout(celda);
  marco->setContentsMargins(kMargenBorde, kMargenBorde, kMargenBorde, kMargenBorde);
  boton = new QToolButton(celda);
  boton->setObjectName(nombre);
  boton->setToolTip(ayuda);
  boton->setAutoRaise(true);
  boton->setCursor(Qt::PointingHandCursor);
  boton->setStyleSheet(QStringLiteral("QToolButton { border:none; background:transparent; }"));
  boton->installEventFilter(this);
  marco->addWidget(boton);
  ShapeBorde_[borde] = new QFrame(celda);
  ShapeBorde_[borde]->setObjectName(QStringLiteral("ShapeBorde_") + QString::number(borde));
  ShapeBorde_[borde]->setProperty("borde", true);
  ShapeBorde_[borde]->setAttribute(Qt::WA_TransparentForMouseEvents);
  ShapeBorde_[borde]->hide();
  celda->installEventFilter(this);
  return celda;
}

void PantallaFiltroQt::MostrarActivacion() {
  const bool activa = logica_.ImagenActiva();
  imgActivar_->setProperty("activa", activa);
  imgActivar_->setIcon(QIcon(activa ? imgTEMP_->property("DragIcon").value<QPixmap>() : imgTEMP_->pixmap()));
}

void PantallaFiltroQt::Salir() {
  saliendo_ = true;
  accept();
}

std::array<QLineEdit*, kEquipos> PantallaFiltroQt::CrearEquipos(const std::array<std::string, kEquipos>& nombres) {
  std::array<QLineEdit*, kEquipos> cajas{};
  for (int t = 0; t < kEquipos; ++t) {
    cajas[t] = new QLineEdit(QString::fromStdString(nombres[t]), this);
    cajas[t]->setObjectName(QStringLiteral("txtPartido_") + QString::number(t));
    cajas[t]->setReadOnly(true);
    cajas[t]->setFocusPolicy(Qt::NoFocus);
    cajas[t]->setProperty("lectura", true);
    cajas[t]->setFixedSize(128, 24);
    cajas[t]->setCursorPosition(0);
  }
  return cajas;
}

void PantallaFiltroQt::closeEvent(QCloseEvent* evento) {
  if (!saliendo_ && logica_.RechazaCierreDelMarco()) {
    evento->ignore();
    return;
  }
  QDialog::closeEvent(evento);
}

void PantallaFiltroQt::keyPressEvent(QKeyEvent* evento) {
  // Escape is no way out of a filter screen: it has no cancel button.
  if (evento->key() == Qt::Key_Escape) {
    evento->accept();
    return;
  }
  QDialog::keyPressEvent(evento);
}

void PantallaFiltroQt::MostrarBorde(int indice) {
  for (int i = 0; i < static_cast<int>(ShapeBorde_.size()); ++i) ShapeBorde_[i]->setVisible(i == indice);
}

void PantallaFiltroQt::mouseMoveEvent(QMouseEvent* evento) {
  MostrarBorde(-1);
  QDialog::mouseMoveEvent(evento);
}

bool PantallaFiltroQt::eventFilter(QObject* objeto, QEvent* evento) {
  const QEvent::Type tipo = evento->type();
  const int borde = objeto == imgVolver_ ? 0 : objeto == imgActivar_ ? 1 : -1;
  if (borde >= 0 && (tipo == QEvent::Enter || tipo == QEvent::MouseMove)) MostrarBorde(borde);
  if (borde >= 0 && tipo == QEvent::Leave) MostrarBorde(-1);
  // The frame follows the cell that holds the button.
  if (tipo == QEvent::Resize) {
    for (QFrame* marco : ShapeBorde_) {
      if (marco != nullptr && objeto == marco->parent()) marco->setGeometry(static_cast<QWidget*>(objeto)->rect());
    }
  }
  return QDialog::eventFilter(objeto, evento);
}

}  // namespace tanteo
