#include "ui/frm_filtro_cbres_qt.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/estilo_pantallas.h"
#include "ui/texto_qt.h"

namespace tanteo {

namespace {

constexpr int kAnchoColumna = 84;
// Grid columns: match number, home team, away team, a gap, then the four CBs.
constexpr int kPrimeraColumnaCB = 4;

}  // namespace

FrmFiltroCBRESQt::FrmFiltroCBRESQt(AjustesFiltros& filtros, ListaFiltros& lista,
                                   const std::array<std::string, kEquipos>& equipos, Interaccion& interaccion,
                                   QWidget* parent)
    : PantallaFiltroQt(logica_, QStringLiteral("frmFiltroCBRES"), Q(FrmFiltroCBRES::kTitulo), parent),
      logica_(filtros, lista),
      interaccion_(interaccion) {
  auto* rejilla = new QGridLayout;
  rejilla->setHorizontalSpacing(6);
  rejilla->setVerticalSpacing(4);
  auto* tituloEquipos = new QLabel(QStringLiteral("Equipos"), this);
  tituloEquipos->setProperty("titulo", true);
  rejilla->addWidget(tituloEquipos, 0, 1, 1, 2);
  rejilla->setColumnMinimumWidth(kPrimeraColumnaCB - 1, 10);

  const std::array<QLineEdit*, kEquipos> txtPartido = CrearEquipos(equipos);
  for (int m = 1; m <= kPartidos; ++m) {
    rejilla->addWidget(NumeroPartido(QStringLiteral("lblNumero_") + QString::number(m - 1), m, this), m, 0);
    rejilla->addWidget(txtPartido[2 * m - 2], m, 1);
    rejilla->addWidget(txtPartido[2 * m - 1], m, 2);
  }

  QStringList elementos;
  for (std::string_view e : FrmFiltroCBRES::kElementos) elementos << Q(e);
  for (int n = 1; n <= kColumnas; ++n) {
    const int columna = kPrimeraColumnaCB + n - 1;

    cmdTituloCB_[n - 1] = BotonCabecera(QStringLiteral("cmdTituloCB_") + QString::number(n - 1), QString(), this);
    cmdTituloCB_[n - 1]->setToolTip(QStringLiteral("Inicializa esta columna base (sólo los resultados)"));
    cmdTituloCB_[n - 1]->setFixedWidth(kAnchoColumna);
    cmdTituloCB_[n - 1]->setFocusPolicy(Qt::NoFocus);
    connect(cmdTituloCB_[n - 1], &QPushButton::clicked, this, [this, n] {
      logica_.PulsarTituloCB(n - 1);
      Refrescar();
    });
    rejilla->addWidget(cmdTituloCB_[n - 1], 0, columna);

    for (int m = 1; m <= kPartidos; ++m) {
      auto* cbo = new QComboBox(this);
      cbo->setObjectName(QStringLiteral("cboCB_C%1_%2").arg(n).arg(m));
      cbo->addItems(elementos);
      cbo->setMaxVisibleItems(17);
      cbo->setFixedWidth(kAnchoColumna);
      cbo->installEventFilter(this);
      connect(cbo, &QComboBox::currentIndexChanged, this, [this, n, m, cbo](int) {
        if (refrescando_) return;
        logica_.ElegirCB(n, m, cbo->currentText().toStdString());
        Refrescar();
      });
      cboCB_[n][m] = cbo;
      rejilla->addWidget(cbo, m, columna);
    }

    txtAciertos_[n] = new QLineEdit(this);
    txtAciertos_[n]->setObjectName(QStringLiteral("txtAciertos_C") + QString::number(n));
    txtAciertos_[n]->setReadOnly(true);
    txtAciertos_[n]->setFocusPolicy(Qt::NoFocus);
    txtAciertos_[n]->setProperty("lectura", true);
    txtAciertos_[n]->setAlignment(Qt::AlignCenter);
    txtAciertos_[n]->setFixedWidth(kAnchoColumna);
    rejilla->addWidget(txtAciertos_[n], kPartidos + 1, columna);

    auto* cmdModificar = new QPushButton(QStringLiteral("MODIFICAR"), this);
    cmdModificar->setObjectName(QStringLiteral("cmdModificar_") + QString::number(n - 1));
    cmdModificar->setToolTip(QStringLiteral("Modifica los aciertos"));
    cmdModificar->setAutoDefault(false);
    cmdModificar->setFixedWidth(kAnchoColumna);
    connect(cmdModificar, &QPushButton::clicked, this, [this, n] {
      logica_.PulsarModificar(n - 1, dialogo_);
      Refrescar();
    });
    rejilla->addWidget(cmdModificar, kPartidos + 2, columna);
  }
  auto* tituloAciertos = new QLabel(QStringLiteral("ACIERTOS :"), this);
  tituloAciertos->setProperty("titulo", true);
  tituloAciertos->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  rejilla->addWidget(tituloAciertos, kPartidos + 1, 0, 1, kPrimeraColumnaCB);
  rejilla->setRowMinimumHeight(kPartidos + 1, 30);

  auto* cuerpo = new QVBoxLayout;
  cuerpo->addLayout(rejilla);

  auto* paginas = new QWidget(this);
  auto* botones = new QHBoxLayout(paginas);
  botones->setContentsMargins(0, 0, 0, 0);
  cmdMENOSBloque_ = new QPushButton(QStringLiteral("-"), paginas);
  cmdMENOSBloque_->setObjectName(QStringLiteral("cmdMENOSBloque"));
  cmdMASBloque_ = new QPushButton(QStringLiteral("+"), paginas);
  cmdMASBloque_->setObjectName(QStringLiteral("cmdMASBloque"));
  for (QPushButton* b : {cmdMENOSBloque_, cmdMASBloque_}) {
    b->setFixedSize(40, 30);
    b->setAutoDefault(false);
    b->setStyleSheet(QStringLiteral("font-weight:bold; font-size:13pt;"));
    botones->addWidget(b);
  }
  connect(cmdMENOSBloque_, &QPushButton::clicked, this, [this] {
    logica_.PulsarMenos();
    Refrescar();
  });
  connect(cmdMASBloque_, &QPushButton::clicked, this, [this] {
    logica_.PulsarMas();
    Refrescar();
  });
  Montar(cuerpo, paginas);
  Refrescar();
  // The first list must not take the focus on opening: that would activate the filter.
  cmdMASBloque_->setFocus();
}

void FrmFiltroCBRESQt::Refrescar() {
  refrescando_ = true;
  for (int n = 1; n <= kColumnas; ++n) {
    cmdTituloCB_[n - 1]->setText(Q(logica_.cmdTituloCB(n - 1)));
    for (int m = 1; m <= kPartidos; ++m) {
      QComboBox* cbo = cboCB_[n][m];
      cbo->setCurrentText(Q(logica_.cboCB(n, m)));
      // A chosen result stands out from the cells left at "---".
      const bool elegida = cbo->currentIndex() > 0;
      if (cbo->property("elegida").toBool() != elegida) {
        cbo->setProperty("elegida", elegida);
        cbo->setStyleSheet(elegida ? QStringLiteral("QComboBox { background:#C0E0FF; font-weight:bold; }") : QString());
      }
    }
    txtAciertos_[n]->setText(Q(logica_.txtAciertos(n)));
  }
  refrescando_ = false;
  cmdMASBloque_->setEnabled(logica_.MasHabilitado());
  cmdMENOSBloque_->setEnabled(logica_.MenosHabilitado());
  MostrarActivacion();
}

void FrmFiltroCBRESQt::PulsarVolver() {
  const bool cerrar = logica_.PulsarVolver(interaccion_);
  Refrescar();
  if (cerrar) Salir();
}

bool FrmFiltroCBRESQt::eventFilter(QObject* objeto, QEvent* evento) {
  // A cell list receiving the focus activates the filter; getting it back when the screen
  // or the list's own popup closes is no new focus.
  if (evento->type() == QEvent::FocusIn && qobject_cast<QComboBox*>(objeto) != nullptr) {
    const Qt::FocusReason motivo = static_cast<QFocusEvent*>(evento)->reason();
    if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason) {
      logica_.FocoCB();
      MostrarActivacion();
    }
  }
  return PantallaFiltroQt::eventFilter(objeto, evento);
}

}  // namespace tanteo
