#include "ui/frm_reduccion_qt.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "conditions/filtro_teclas_numericas.h"
#include "ui/etiqueta_pulsable.h"
#include "ui/texto_qt.h"

namespace tanteo {

namespace {

// A caption that works its control when clicked, as a label beside a box does.
EtiquetaPulsable* Leyenda(const char* nombre, const QString& texto, QWidget* padre) {
  auto* lbl = new EtiquetaPulsable(texto, padre);
  lbl->setObjectName(QString::fromLatin1(nombre));
  lbl->setCursor(Qt::PointingHandCursor);
  return lbl;
}

}  // namespace

FrmReduccionQt::FrmReduccionQt(Reduccion& reduccion, ListaFiltros& lista, QWidget* parent)
    : PantallaFiltroQt(logica_, QStringLiteral("frmReduccion"), Q(FrmReduccion::kTitulo), parent),
      reduccion_(reduccion),
      logica_(reduccion, lista) {
  auto* opciones = new QGroupBox(Q(FrmReduccion::kTituloOpciones), this);
  auto* rejilla = new QGridLayout(opciones);
  rejilla->setHorizontalSpacing(10);
  rejilla->setVerticalSpacing(8);

  cboTipoReduccion_ = new QComboBox(opciones);
  cboTipoReduccion_->setObjectName(QStringLiteral("cboTipoReduccion"));
  for (std::string_view tipo : FrmReduccion::kTiposReduccion) cboTipoReduccion_->addItem(Q(tipo));
  connect(cboTipoReduccion_, &QComboBox::activated, this, [this](int i) {
    logica_.ElegirTipoReduccion(i);
    Refrescar();
  });
  rejilla->addWidget(cboTipoReduccion_, 0, 0, 1, 3);

  for (int i = 0; i < 2; ++i) {
    optTipo_[i] = new QRadioButton(opciones);
    optTipo_[i]->setObjectName(QStringLiteral("optTipo_") + QString::number(i));
    connect(optTipo_[i], &QRadioButton::clicked, this, [this, i] {
      logica_.ElegirOptTipo(i);
      Refrescar();
    });
  }
  Label2_ = Leyenda("Label2", QStringLiteral("Nº de Apuestas"), opciones);
  connect(Label2_, &EtiquetaPulsable::pulsada, optTipo_[0], &QRadioButton::click);
  optTipo_[1]->setText(QStringLiteral("Porcentaje"));

  txtNColumnas_ = new QLineEdit(opciones);
  txtNColumnas_->setObjectName(QStringLiteral("txtNColumnas"));
  txtNColumnas_->setFixedWidth(110);
  txtNColumnas_->setAlignment(Qt::AlignRight);
  // Digits only, also when pasted; typed keys go through the program's key filter.
  txtNColumnas_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), txtNColumnas_));
  txtNColumnas_->installEventFilter(this);
  QSizePolicy reservar = txtNColumnas_->sizePolicy();
  reservar.setRetainSizeWhenHidden(true);
  txtNColumnas_->setSizePolicy(reservar);
  connect(txtNColumnas_, &QLineEdit::textEdited, this,
          [this](const QString& texto) { logica_.EscribirNColumnas(texto.toStdString()); });

  cboPorcentaje_ = new QComboBox(opciones);
  cboPorcentaje_->setObjectName(QStringLiteral("cboPorcentaje"));
  for (const std::string& elemento : logica_.ElementosPorcentaje()) cboPorcentaje_->addItem(Q(elemento));
  cboPorcentaje_->setMaxVisibleItems(15);
  connect(cboPorcentaje_, &QComboBox::activated, this, [this](int i) {
    logica_.ElegirPorcentaje(i);
    Refrescar();
  });

  auto* numero = new QHBoxLayout;
  numero->setSpacing(4);
  numero->addWidget(optTipo_[0]);
  numero->addWidget(Label2_);
  rejilla->addLayout(numero, 1, 0);
  rejilla->addWidget(txtNColumnas_, 1, 1, Qt::AlignLeft);
  rejilla->addWidget(optTipo_[1], 2, 0);
  rejilla->addWidget(cboPorcentaje_, 2, 1, 1, 2);

  auto* exactas = new QHBoxLayout;
  exactas->setSpacing(4);
  chkApuestasExactas_ =
      CasillaConEtiqueta("chkApuestasExactas", "Label4", QStringLiteral("Generar Número de Apuestas Exactas"), Label4_);
  connect(chkApuestasExactas_, &QCheckBox::clicked, this, [this](bool marcado) {
    logica_.PulsarApuestasExactas(marcado);
    Refrescar();
  });
  exactas->addSpacing(20);
  exactas->addWidget(chkApuestasExactas_);
  exactas->addWidget(Label4_);
  exactas->addStretch();
  rejilla->addLayout(exactas, 3, 0, 1, 3);

  EtiquetaPulsable* Label1 = nullptr;
  EtiquetaPulsable* Label3 = nullptr;
  chkActivarCiclos_ = CasillaConEtiqueta("chkActivarCiclos", "Label1", QStringLiteral("Ciclos"), Label1);
  chkActivarCiclos_->setToolTip(QStringLiteral("Activa y desactiva los ciclos en la reducción"));
  connect(chkActivarCiclos_, &QCheckBox::clicked, this, [this](bool marcado) {
    logica_.PulsarActivarCiclos(marcado);
    Refrescar();
  });
  chkAleatorio_ = CasillaConEtiqueta("chkAleatorio", "Label3", QStringLiteral("Aleatorio"), Label3);
  chkAleatorio_->setToolTip(QStringLiteral("Activa y desactiva el modo aleatorio de reducción"));
  connect(chkAleatorio_, &QCheckBox::clicked, this, [this](bool marcado) {
    logica_.PulsarAleatorio(marcado);
    Refrescar();
  });
  auto* modos = new QHBoxLayout;
  modos->setSpacing(4);
  for (auto [casilla, lbl] : {std::pair{chkActivarCiclos_, Label1}, std::pair{chkAleatorio_, Label3}}) {
    lbl->setToolTip(casilla->toolTip());
    modos->addWidget(casilla);
    modos->addWidget(lbl);
    modos->addSpacing(24);
  }
  modos->addStretch();
  rejilla->addLayout(modos, 4, 0, 1, 3);
  rejilla->setColumnStretch(2, 1);

  auto* cuerpo = new QVBoxLayout;
  cuerpo->addWidget(opciones);
  opciones->setMinimumWidth(400);
  Montar(cuerpo);
  Refrescar();
  txtNColumnas_->setText(Q(logica_.txtNColumnas()));
}

QCheckBox* FrmReduccionQt::CasillaConEtiqueta(const char* nombre, const char* etiqueta, const QString& texto,
                                             EtiquetaPulsable*& lbl) {
  auto* casilla = new QCheckBox(this);
  casilla->setObjectName(QString::fromLatin1(nombre));
  lbl = Leyenda(etiqueta, texto, this);
  connect(lbl, &EtiquetaPulsable::pulsada, casilla, &QCheckBox::click);
  return casilla;
}

void FrmReduccionQt::Refrescar() {
  cboTipoReduccion_->setCurrentIndex(logica_.cboTipoReduccion());
  cboPorcentaje_->setCurrentIndex(logica_.cboPorcentaje());
  cboPorcentaje_->setEnabled(logica_.cboPorcentajeHabilitado());
  optTipo_[logica_.optTipo()]->setChecked(true);
  txtNColumnas_->setVisible(logica_.txtNColumnasVisible());
  txtNColumnas_->setEnabled(logica_.txtNColumnasHabilitado());
  chkApuestasExactas_->setChecked(logica_.chkApuestasExactas());
  chkApuestasExactas_->setEnabled(logica_.chkApuestasExactasHabilitado());
  Label4_->setEnabled(logica_.chkApuestasExactasHabilitado());
  chkActivarCiclos_->setChecked(logica_.chkActivarCiclos());
  chkAleatorio_->setChecked(logica_.chkAleatorio());
  MostrarActivacion();
}

void FrmReduccionQt::PulsarVolver() {
  reduccion_ = logica_.PulsarVolver();
  Salir();
}

bool FrmReduccionQt::eventFilter(QObject* objeto, QEvent* evento) {
  // The number of bets takes the keys of the program's integer boxes; others are refused.
  if (objeto == txtNColumnas_ && evento->type() == QEvent::KeyPress) {
    // Editing and shortcut keys (Delete, Ctrl+C...) are no characters and go through.
    const QString texto = static_cast<QKeyEvent*>(evento)->text();
    if (texto.size() == 1 && texto.front().isPrint() &&
        !FiltroTeclasNumericas(texto.front().unicode(), txtNColumnas_->text().toStdString(), ModoTeclas::Entero)) {
      QApplication::beep();
      return true;
    }
  }
  return PantallaFiltroQt::eventFilter(objeto, evento);
}

}  // namespace tanteo
