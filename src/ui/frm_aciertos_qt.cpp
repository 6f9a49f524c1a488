#include "ui/frm_aciertos_qt.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/estilo_pantallas.h"
#include "ui/etiqueta_pulsable.h"

namespace tanteo {

namespace {

// The palette colours the dialogs use: 0 black, 8 dark grey, 15 white.
QColor ColorPaleta(int color) {
  switch (color) {
    case kColorGrisOscuro: return QColor(0x80, 0x80, 0x80);
    case kColorBlanco: return QColor(0xFF, 0xFF, 0xFF);
    default: return QColor(0x00, 0x00, 0x00);
  }
}

constexpr int kPorFila = 16;  // hits 0..15 on the first row, 16..31 on the second, 32..36 below

QString Q(const std::string& texto) { return QString::fromStdString(texto); }

}  // namespace

DialogoSeleccionQt::DialogoSeleccionQt(const QString& nombre, const QString& titulo, QWidget* parent) : QDialog(parent) {
  setObjectName(nombre);
  setWindowTitle(titulo);
  setModal(true);
  setStyleSheet(EstiloPantallas() +
                QStringLiteral("QLabel#lblTitulo { color:#1F3A5F; font-weight:bold; font-size:11pt; }"
                               "QLabel#lblJornada { color:#2A5282; }"
                               "QLabel[signo=\"true\"] { color:#1F3A5F; font-weight:bold; font-size:13pt; }"));
}

EtiquetaPulsable* DialogoSeleccionQt::CrearEtiqueta(int k, const QString& texto) {
  auto* lbl = new EtiquetaPulsable(texto, this);
  lbl->setObjectName(QStringLiteral("lblAciertos_") + QString::number(k));
  lbl->setAlignment(Qt::AlignCenter);
  lbl->setFixedSize(30, 26);
  lbl->setCursor(Qt::PointingHandCursor);
  connect(lbl, &EtiquetaPulsable::pulsada, this, [this, k] {
    Pulsar(k);
    Refrescar();
  });
  return lbl;
}

QHBoxLayout* DialogoSeleccionQt::CrearBotones(const QString& ayudaTodos, const QString& ayudaNinguno) {
  auto* fila = new QHBoxLayout;
  const struct {
    const char* nombre;
    QString texto;
    QString ayuda;
    void (DialogoSeleccionQt::*accion)();
  } botones[] = {
      {"cmdTodos", QStringLiteral("&TODOS"), ayudaTodos, &DialogoSeleccionQt::Todos},
      {"cmdNinguno", QStringLiteral("&NINGUNO"), ayudaNinguno, &DialogoSeleccionQt::Ninguno},
      {"cmdVolver", QStringLiteral("&VOLVER"), QStringLiteral("Vuelve al Menú anterior"), &DialogoSeleccionQt::Volver},
  };
  for (const auto& b : botones) {
    auto* cmd = new QPushButton(b.texto, this);
    cmd->setObjectName(QString::fromLatin1(b.nombre));
    cmd->setToolTip(b.ayuda);
    cmd->setAutoDefault(false);
    cmd->setMinimumWidth(96);
    connect(cmd, &QPushButton::clicked, this, [this, accion = b.accion] {
      (this->*accion)();
      Refrescar();
    });
    if (b.accion == &DialogoSeleccionQt::Volver) fila->addStretch();
    fila->addWidget(cmd);
  }
  return fila;
}

QLabel* DialogoSeleccionQt::CrearTitulo(const std::string& texto) {
  auto* lbl = new QLabel(Q(texto), this);
  lbl->setObjectName(QStringLiteral("lblTitulo"));
  lbl->setAlignment(Qt::AlignCenter);
  return lbl;
}

void DialogoSeleccionQt::Montar(QLayout* cuerpo) {
  cuerpo->setContentsMargins(16, 12, 16, 14);
  MontarConTitulo(*this, cuerpo);
}

void DialogoSeleccionQt::Pintar(QLabel* etiqueta, const EtiquetaSeleccion& aspecto) {
  // A disabled label is drawn faded whatever its colours.
  const QString estilo =
      etiqueta->isEnabled()
          ? QStringLiteral("background:%1; color:%2; border:1px solid #7F8C99; font-weight:bold;")
                .arg(ColorPaleta(aspecto.ColorFondo()).name(), ColorPaleta(aspecto.ColorTexto()).name())
          : QStringLiteral("background:#F1F3F6; color:#B4BCC6; border:1px solid #D3D9E0; font-weight:bold;");
  if (etiqueta->styleSheet() != estilo) etiqueta->setStyleSheet(estilo);
}

// ---------------------------------------------------------------- frmAciertos

FrmAciertosQt::FrmAciertosQt(FrmAciertos& logica, QWidget* parent)
    : DialogoSobreLogica(logica, QStringLiteral("frmAciertos"), QStringLiteral("ACIERTOS"), parent) {
  auto* pila = new QVBoxLayout;
  pila->setSpacing(12);
  pila->addWidget(CrearTitulo(logica_.lblTitulo));
  auto* rejilla = new QGridLayout;
  rejilla->setSpacing(4);
  for (int k = 0; k < kEtiquetasAciertos; ++k) {
    lblAciertos_[k] = CrearEtiqueta(k, QString::number(k));
    rejilla->addWidget(lblAciertos_[k], k / kPorFila, k % kPorFila);
  }
  pila->addLayout(rejilla);
  pila->addLayout(CrearBotones(QStringLiteral("Selecciona TODOS los aciertos"), QStringLiteral("Borra TODOS los aciertos")));
  Montar(pila);
}

void FrmAciertosQt::showEvent(QShowEvent* evento) {
  logica_.Activar();
  Refrescar();
  DialogoSeleccionQt::showEvent(evento);
}

void FrmAciertosQt::Refrescar() {
  for (int k = 0; k < kEtiquetasAciertos; ++k) {
    lblAciertos_[k]->setVisible(logica_.Visible(k));
    lblAciertos_[k]->setEnabled(logica_.Habilitada(k));
    Pintar(lblAciertos_[k], logica_.lblAciertos(k));
  }
}

// ---------------------------------------------------------------- frmAciertosPorcentajes

FrmAciertosPorcentajesQt::FrmAciertosPorcentajesQt(FrmAciertosPorcentajes& logica, QWidget* parent)
    : DialogoSobreLogica(logica, QStringLiteral("frmAciertosPorcentajes"), QStringLiteral("SELECCIONE RESULTADOS"),
                         parent) {
  auto* pila = new QVBoxLayout;
  pila->setSpacing(12);
  pila->addWidget(CrearTitulo(logica_.lblTitulo));
  auto* lblJornada = new QLabel(Q(logica_.lblJornada()), this);
  lblJornada->setObjectName(QStringLiteral("lblJornada"));
  lblJornada->setAlignment(Qt::AlignCenter);
  pila->addWidget(lblJornada);

  auto* rangos = new QHBoxLayout;
  rangos->setSpacing(4);
  for (int s = 0; s < 2; ++s) {
    auto* lblSigno = new QLabel(s == 0 ? QStringLiteral("+") : QStringLiteral("-"), this);
    lblSigno->setObjectName(QStringLiteral("lblSigno_") + QString::number(s));
    lblSigno->setProperty("signo", true);
    lblSigno->setFixedWidth(18);
    lblSigno->setAlignment(Qt::AlignCenter);
    if (s == 0) {
      rangos->addWidget(lblSigno);
      for (int k = 0; k < FrmAciertosPorcentajes::kRangos; ++k) {
        lblAciertos_[k] = CrearEtiqueta(k, QString::number(k + 1));
        rangos->addWidget(lblAciertos_[k]);
      }
    } else {
      rangos->addWidget(lblSigno);
    }
  }
  pila->addLayout(rangos);

  auto* origen = new QHBoxLayout;
  cboTipoPorcentajes_ = new QComboBox(this);
  cboTipoPorcentajes_->setObjectName(QStringLiteral("cboTipoPorcentajes"));
  for (std::string_view tipo : FrmAciertosPorcentajes::kTiposPorcentajes) {
    cboTipoPorcentajes_->addItem(QString::fromUtf8(tipo.data(), static_cast<qsizetype>(tipo.size())));
  }
  cboTipoPorcentajes_->setCurrentIndex(logica_.cboTipoPorcentajes());
  cboTipoPorcentajes_->setMinimumWidth(200);
  connect(cboTipoPorcentajes_, &QComboBox::currentIndexChanged, this,
          [this](int indice) { logica_.ElegirTipoPorcentajes(indice); });
  origen->addStretch();
  origen->addWidget(cboTipoPorcentajes_);
  origen->addStretch();
  pila->addLayout(origen);
  pila->addLayout(CrearBotones(QStringLiteral("Selecciona TODOS"), QStringLiteral("Borra TODOS")));
  Montar(pila);
  Refrescar();
}

void FrmAciertosPorcentajesQt::Refrescar() {
  for (int k = 0; k < FrmAciertosPorcentajes::kRangos; ++k) Pintar(lblAciertos_[k], logica_.lblAciertos(k));
}

// ---------------------------------------------------------------- shown by the filter screens

void DialogoAciertosQt::Mostrar(FrmAciertos& dialogo) {
  FrmAciertosQt pantalla(dialogo, padre_);
  pantalla.exec();
}

void DialogoAciertosQt::Mostrar(FrmAciertosPorcentajes& dialogo) {
  FrmAciertosPorcentajesQt pantalla(dialogo, padre_);
  pantalla.exec();
}

}  // namespace tanteo
