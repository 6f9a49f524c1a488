#include "ui/frm_acerca_de.h"

#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "ui/recursos.h"

namespace tanteo {

namespace {

constexpr const char* kTexto =
    "TANTEO es un banco de trabajo para jugadores de Quinigol.\n\n"
    "Marque su pronóstico por resultados o por goles de cada equipo, condicione el sistema con "
    "la cadena de nueve filtros, redúzcalo si lo desea, y guarde las apuestas con la descripción "
    "completa de la combinación en XML para volver a abrirla cuando quiera.\n\n"
    "Desde el menú Utilidades puede escrutar las apuestas, medir sus garantías y premios, y "
    "trabajar con ficheros de apuestas.\n\n"
    "Cada apuesta cuesta un euro. Juegue con moderación.";

}  // namespace

FrmAcercaDe::FrmAcercaDe(Plataforma& plataforma, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAcercaDe"));
  setWindowTitle(QStringLiteral("Acerca de ..."));
  setModal(true);
  setFixedSize(540, 430);
  setAttribute(Qt::WA_OpaquePaintEvent);
  azar_.Sembrar(plataforma.SemillaReloj());

  auto* pila = new QVBoxLayout(this);
  pila->setContentsMargins(28, 24, 28, 24);
  pila->setSpacing(6);
  auto* icono = new QLabel(this);
  icono->setPixmap(Icono(QStringLiteral("tanteo")).pixmap(QSize(56, 56), devicePixelRatioF()));
  icono->setAlignment(Qt::AlignCenter);
  icono->setAttribute(Qt::WA_TranslucentBackground);
  auto* lblPrograma = new QLabel(QStringLiteral("TANTEO 3.4"), this);
  lblPrograma->setObjectName(QStringLiteral("lblPrograma"));
  lblPrograma->setAlignment(Qt::AlignCenter);
  lblPrograma->setStyleSheet(QStringLiteral("color:white; font-size:22pt; font-weight:bold; background:transparent;"));
  auto* lblFecha = new QLabel(QStringLiteral("14/07/2024"), this);
  lblFecha->setObjectName(QStringLiteral("lblFecha"));
  lblFecha->setAlignment(Qt::AlignCenter);
  lblFecha->setStyleSheet(QStringLiteral("color:#F2B632; font-size:11pt; background:transparent;"));
  auto* txtTexto = new QPlainTextEdit(QString::fromUtf8(kTexto), this);
  txtTexto->setObjectName(QStringLiteral("txtTexto"));
  txtTexto->setReadOnly(true);
  txtTexto->setFocusPolicy(Qt::NoFocus);
  txtTexto->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  txtTexto->setStyleSheet(QStringLiteral(
      "QPlainTextEdit { color:#E8EEF6; background:rgba(12,28,52,235); border:1px solid rgba(255,255,255,70);"
      " border-radius:6px; padding:6px; font-size:10pt; }"));
  pila->addWidget(icono);
  pila->addWidget(lblPrograma);
  pila->addWidget(lblFecha);
  pila->addSpacing(8);
  pila->addWidget(txtTexto, 1);

  puntos_.reserve(kPuntos);
  for (int i = 0; i < kPuntos; ++i) puntos_.push_back(Nuevo(azar_.Siguiente() * width()));
  connect(&reloj_, &QTimer::timeout, this, [this] {
    Avanzar();
    update();
  });
  reloj_.start(30);
}

FrmAcercaDe::Punto FrmAcercaDe::Nuevo(double x) {
  // Never quite still, always below the top speed.
  const double velocidad = 0.3 + azar_.Siguiente() * (kVelocidadMaxima - 0.3);
  return {x, azar_.Siguiente() * height(), velocidad};
}

void FrmAcercaDe::Avanzar() {
  for (Punto& p : puntos_) {
    p.x += p.velocidad;
    if (p.x - p.velocidad > width()) p = Nuevo(-azar_.Siguiente() * width() / 4.0 - kVelocidadMaxima);
  }
}

void FrmAcercaDe::paintEvent(QPaintEvent*) {
  QPainter pintor(this);
  pintor.fillRect(rect(), Qt::black);
  pintor.setRenderHint(QPainter::Antialiasing);
  pintor.setPen(Qt::NoPen);
  pintor.setBrush(Qt::white);
  for (const Punto& p : puntos_) pintor.drawEllipse(QPointF(p.x, p.y), p.velocidad, p.velocidad);
}

}  // namespace tanteo
