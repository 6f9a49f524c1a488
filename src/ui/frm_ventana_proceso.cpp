#include "ui/frm_ventana_proceso.h"

#include <QApplication>
#include <QGridLayout>

#include "engine/reduccion_voraz.h"
#include "ui/estilo_pantallas.h"

namespace tanteo {

namespace {
constexpr qint64 kMilisegundosEntreRepintados = 100;

QLabel* Etiqueta(QWidget* padre, const char* nombre) {
  auto* etiqueta = new QLabel(padre);
  etiqueta->setObjectName(QString::fromLatin1(nombre));
  return etiqueta;
}
}  // namespace

FrmVentanaProceso::FrmVentanaProceso(GeneradorAleatorio& azar, QWidget* parent)
    : QDialog(parent), azar_(azar), ventana_(*this) {
  PrepararPantalla(*this, QStringLiteral("frmVentanaProceso"), QStringLiteral("Cálculo del sistema"));
  auto* rejilla = new QGridLayout(this);
  rejilla->addWidget(new QLabel(QStringLiteral("En directo"), this), 0, 1);
  rejilla->addWidget(new QLabel(QStringLiteral("Condicionado"), this), 0, 2);
  rejilla->addWidget(new QLabel(QStringLiteral("Apuestas :"), this), 1, 0);
  lblApuestasInicialesVP_ = Etiqueta(this, "lblApuestasInicialesVP");
  lblApuestasCondicionadasVP_ = Etiqueta(this, "lblApuestasCondicionadasVP");
  rejilla->addWidget(lblApuestasInicialesVP_, 1, 1);
  rejilla->addWidget(lblApuestasCondicionadasVP_, 1, 2);
  rejilla->addWidget(new QLabel(QStringLiteral("Ciclo Actual :"), this), 2, 0);
  lblCiclos_ = Etiqueta(this, "lblCiclos");
  rejilla->addWidget(lblCiclos_, 2, 1, 1, 2);
  rejilla->addWidget(new QLabel(QStringLiteral("En reducción"), this), 3, 0);
  lblApuestasReduccion_ = Etiqueta(this, "lblApuestasReduccion");
  rejilla->addWidget(lblApuestasReduccion_, 3, 1, 1, 2);
  lblProgressBar_ = new QProgressBar(this);
  lblProgressBar_->setObjectName(QStringLiteral("lblProgressBar"));
  lblProgressBar_->setRange(0, 100);
  lblProgressBar_->setTextVisible(false);
  rejilla->addWidget(lblProgressBar_, 4, 0, 1, 3);
  imgDetener_ = new QToolButton(this);
  imgDetener_->setObjectName(QStringLiteral("imgDetener"));
  imgDetener_->setText(QStringLiteral("Detener"));
  imgDetener_->setToolTip(QStringLiteral("Detener el proceso"));
  imgDetener_->setAutoRaise(true);  // the frame shows under the pointer
  rejilla->addWidget(imgDetener_, 5, 0, 1, 3, Qt::AlignCenter);
  connect(imgDetener_, &QToolButton::clicked, this, [this] { detener_ = true; });
}

ResultadoReduccion FrmVentanaProceso::Ejecutar(const PeticionReduccion& peticion) {
  show();
  reloj_.invalidate();  // the first yield paints the opened window
  ReduccionVoraz reduccion(ventana_, azar_);
  const ResultadoReduccion resultado = reduccion.Reducir(peticion);
  close();
  return resultado;
}

void FrmVentanaProceso::Ceder() {
  if (reloj_.isValid() && reloj_.elapsed() < kMilisegundosEntreRepintados) return;
  reloj_.restart();
  Mostrar();
  QApplication::processEvents();
}

void FrmVentanaProceso::Mostrar() {
  const EstadoVentanaProceso& estado = ventana_.Estado();
  lblApuestasInicialesVP_->setText(QString::fromStdString(estado.lblApuestasInicialesVP));
  lblApuestasCondicionadasVP_->setText(QString::fromStdString(estado.lblApuestasCondicionadasVP));
  lblCiclos_->setText(QString::fromStdString(estado.lblCiclos));
  lblApuestasReduccion_->setText(QString::fromStdString(estado.lblApuestasReduccion));
  lblApuestasReduccion_->setToolTip(QString::fromStdString(estado.tooltipApuestasReduccion));
  lblProgressBar_->setValue(static_cast<int>(estado.avance));
  imgDetener_->setVisible(estado.imgDetenerVisible);
}

}  // namespace tanteo
