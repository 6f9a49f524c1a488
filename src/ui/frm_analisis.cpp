#include "ui/frm_analisis.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/texto_numeros.h"
#include "ui/boton_imagen.h"
#include "ui/estilo_pantallas.h"
#include "ui/grafico_resultados.h"
#include "ui/recursos.h"
#include "ui/texto_qt.h"

namespace tanteo {

namespace {

// Cells that hold bets take the light yellow of RGB 255, 255, 192.
constexpr const char* kConApuestas = "background:#FFFFC0; color:#000000; border:1px solid #D8CF8A;";
constexpr const char* kSinApuestas = "background:#FFFFFF; color:#000000; border:1px solid #D5E0EC;";

constexpr int kAltoFila = 20;
constexpr int kAnchoCelda = 58;

QLabel* Celda(const QString& nombre, QWidget* padre) {
  auto* lbl = new QLabel(padre);
  lbl->setObjectName(nombre);
  lbl->setFixedSize(kAnchoCelda, kAltoFila);
  lbl->setAlignment(Qt::AlignCenter);
  lbl->setStyleSheet(QString::fromLatin1(kSinApuestas));
  return lbl;
}

// A match number "1." .. "6." naming its two teams in its tool tip.
QLabel* Numero(const QString& nombre, int partido, const std::array<std::string, kEquipos>& equipos, QWidget* padre) {
  auto* lbl = new QLabel(QStringLiteral("%1.").arg(partido), padre);
  lbl->setObjectName(nombre);
  lbl->setToolTip(Q(FrmAnalisisLogica::AyudaPartido(equipos, partido)));
  lbl->setAlignment(Qt::AlignCenter);
  lbl->setProperty("numero", true);
  return lbl;
}

QLabel* Leyenda(const QString& texto, QWidget* padre) {
  auto* lbl = new QLabel(texto, padre);
  lbl->setAlignment(Qt::AlignCenter);
  lbl->setProperty("leyenda", true);
  return lbl;
}

QGridLayout* Rejilla(QWidget* caja) {
  auto* rejilla = new QGridLayout(caja);
  rejilla->setHorizontalSpacing(2);
  rejilla->setVerticalSpacing(2);
  return rejilla;
}

}  // namespace

FrmAnalisis::FrmAnalisis(FrmAnalisisLogica logica, const std::array<std::string, kEquipos>& equipos,
                         Plataforma& plataforma, Interaccion& interaccion, QWidget* parent)
    : QDialog(parent), logica_(std::move(logica)), plataforma_(plataforma), interaccion_(interaccion) {
  PrepararPantalla(*this, QStringLiteral("frmAnalisis"), QStringLiteral("ANALISIS"),
                   QStringLiteral("QLabel[numero=\"true\"] { background:#2A5282; color:white; font-weight:bold; border-radius:3px; }"
                                  "QLabel[leyenda=\"true\"] { color:#1F3A5F; font-weight:bold; }"
                                  "QLabel[equipo=\"true\"] { color:#4A5F7A; }"));

  auto* tablas = new QHBoxLayout;
  tablas->setSpacing(10);
  tablas->addWidget(CrearResultados(equipos));
  tablas->addWidget(CrearPronosticos(equipos), 0, Qt::AlignTop);

  auto* reparto = new QGroupBox(QStringLiteral("Reparto por partido"), this);
  auto* pilaReparto = new QVBoxLayout(reparto);
  std::array<GraficoResultados::Equipos, kPartidos> titulos;
  for (int m = 1; m <= kPartidos; ++m) titulos[m - 1] = {Q(equipos[2 * m - 2]), Q(equipos[2 * m - 1])};
  grafico_ = new GraficoResultados(logica_, titulos, reparto);
  pilaReparto->addWidget(grafico_);

  auto* botones = new QHBoxLayout;
  botones->setSpacing(8);
  cmdSwitch_ = new QPushButton(this);
  cmdSwitch_->setObjectName(QStringLiteral("cmdSwitch"));
  cmdSwitch_->setFixedSize(56, 40);
  cmdSwitch_->setStyleSheet(QStringLiteral("font-weight:bold; font-size:12pt;"));
  connect(cmdSwitch_, &QPushButton::clicked, this, [this] {
    logica_.Cambiar();
    Mostrar();
  });
  cmdVerAnalisis_ = new QPushButton(Icono(QStringLiteral("informe")), QString(), this);
  cmdVerAnalisis_->setObjectName(QStringLiteral("cmdVerAnalisis"));
  cmdVerAnalisis_->setToolTip(QStringLiteral("Muestra en el Bloc de Notas el análisis"));
  cmdVerAnalisis_->setIconSize(QSize(28, 28));
  cmdVerAnalisis_->setFixedSize(56, 40);
  for (QPushButton* boton : {cmdSwitch_, cmdVerAnalisis_}) boton->setAutoDefault(false);
  connect(cmdVerAnalisis_, &QPushButton::clicked, this, [this] { logica_.VerInforme(plataforma_, interaccion_); });
  imgVolver_ = new BotonImagen(QStringLiteral("imgVolver"), QStringLiteral("volver"), QStringLiteral("Cerrar"), 32, this);
  connect(imgVolver_, &EtiquetaPulsable::pulsada, this, &QDialog::close);
  auto* total = new QLabel(this);
  total->setObjectName(QStringLiteral("lblTotalAnalizadas"));
  total->setText(QStringLiteral("Apuestas analizadas: ") + Q(FormatoCuenta(logica_.Datos().K)));
  total->setStyleSheet(QStringLiteral("color:#1F3A5F;"));
  botones->addWidget(cmdSwitch_);
  botones->addWidget(cmdVerAnalisis_);
  botones->addSpacing(12);
  botones->addWidget(total);
  botones->addStretch();
  botones->addWidget(imgVolver_);

  auto* pila = new QVBoxLayout(this);
  pila->setContentsMargins(12, 8, 12, 10);
  pila->setSpacing(8);
  pila->addLayout(tablas);
  pila->addWidget(reparto);
  pila->addLayout(botones);
  pila->setSizeConstraint(QLayout::SetFixedSize);

  Mostrar();
}

QWidget* FrmAnalisis::CrearResultados(const std::array<std::string, kEquipos>& equipos) {
  auto* caja = new QGroupBox(QStringLiteral("Análisis por Resultados"), this);
  QGridLayout* rejilla = Rejilla(caja);
  for (int m = 1; m <= kPartidos; ++m) {
    QLabel* numero = Numero(QStringLiteral("lblNumero_%1").arg(m - 1), m, equipos, caja);
    numero->setFixedSize(kAnchoCelda, kAltoFila);
    rejilla->addWidget(numero, 0, m);
  }
  for (int r = 1; r <= kResultados; ++r) {
    QLabel* leyenda = Leyenda(Q(LeyendaResultado(r)), caja);
    leyenda->setObjectName(QStringLiteral("lblPartido1_%1").arg(r - 1));
    leyenda->setFixedSize(36, kAltoFila);
    rejilla->addWidget(leyenda, r, 0);
    for (int m = 1; m <= kPartidos; ++m) {
      lbl_[m - 1][r - 1] = Celda(QStringLiteral("lbl%1_%2").arg(m).arg(r - 1), caja);
      rejilla->addWidget(lbl_[m - 1][r - 1], r, m);
    }
  }
  return caja;
}

QWidget* FrmAnalisis::CrearPronosticos(const std::array<std::string, kEquipos>& equipos) {
  auto* caja = new QGroupBox(QStringLiteral("Análisis por Pronósticos"), this);
  QGridLayout* rejilla = Rejilla(caja);
  for (int s = 0; s < kSignos; ++s) rejilla->addWidget(Leyenda(QString(QLatin1Char(TextoSigno(s))), caja), 0, 2 + s);
  for (int m = 1; m <= kPartidos; ++m) {
    QLabel* numero = Numero(QStringLiteral("lblNumero4_%1").arg(m - 1), m, equipos, caja);
    numero->setFixedWidth(26);
    rejilla->addWidget(numero, 2 * m - 1, 0, 2, 1);
  }
  for (int t = 1; t <= kEquipos; ++t) {
    auto* nombre = new QLabel(caja);
    nombre->setObjectName(QStringLiteral("lblEquipo_%1").arg(t - 1));
    nombre->setProperty("equipo", true);
    nombre->setFixedWidth(118);
    nombre->setText(nombre->fontMetrics().elidedText(Q(equipos[t - 1]), Qt::ElideRight, nombre->width()));
    nombre->setToolTip(Q(equipos[t - 1]));
    rejilla->addWidget(nombre, t, 1);
    for (int s = 0; s < kSignos; ++s) {
      lblPorcentajes_[s][t - 1] = Celda(QStringLiteral("lblPorcentajes%1_%2").arg(s + 1).arg(t - 1), caja);
      rejilla->addWidget(lblPorcentajes_[s][t - 1], t, 2 + s);
    }
  }
  return caja;
}

void FrmAnalisis::Mostrar() {
  const Analisis& datos = logica_.Datos();
  auto poner = [this](QLabel* celda, std::int32_t cuenta) {
    celda->setText(Q(logica_.TextoCelda(cuenta)));
    celda->setStyleSheet(QString::fromLatin1(FrmAnalisisLogica::Marcada(cuenta) ? kConApuestas : kSinApuestas));
  };
  for (int m = 1; m <= kPartidos; ++m) {
    for (int r = 1; r <= kResultados; ++r) poner(lbl_[m - 1][r - 1], datos.ConteoResultados[m][r]);
  }
  for (int s = 0; s < kSignos; ++s) {
    for (int t = 1; t <= kEquipos; ++t) poner(lblPorcentajes_[s][t - 1], datos.ConteoSignos[t][s]);
  }
  cmdSwitch_->setText(Q(logica_.TextoCmdSwitch()));
  grafico_->update();
}

}  // namespace tanteo
