#include "ui/frm_ventana_proceso.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "engine/reduccion_voraz.h"
#include "ui/estilo_pantallas.h"

namespace tanteo {

namespace {
constexpr qint64 kMilisegundosEntreRepintados = 100;

QLabel* Titulo(const QString& texto, QWidget* padre) {
  auto* titulo = new QLabel(texto, padre);
  titulo->setProperty("titulo", true);
  return titulo;
}

// A counter: right-aligned figures in a white box, wide enough for "16.777.216".
QLabel* Contador(const char* nombre, QWidget* padre) {
  auto* contador = new QLabel(padre);
  contador->setObjectName(QString::fromLatin1(nombre));
  contador->setProperty("contador", true);
  contador->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  contador->setMinimumWidth(contador->fontMetrics().horizontalAdvance(QStringLiteral("16.777.216")) + 16);
  return contador;
}
}  // namespace

FrmVentanaProceso::FrmVentanaProceso(GeneradorAleatorio& azar, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), azar_(azar), ventana_(*this) {
  PrepararPantalla(*this, QStringLiteral("frmVentanaProceso"), QStringLiteral("Cálculo del sistema"),
                   QStringLiteral("QLabel[contador=\"true\"] { background:white; border:1px solid #8EA9C8;"
                                  "  border-radius:2px; padding:2px 6px; color:#102440; font-weight:bold; }"
                                  "QLabel#lblApuestasReduccion { color:#A0281C; }"
                                  "QProgressBar { border:1px solid #8EA9C8; border-radius:3px; background:white;"
                                  "  min-height:14px; max-height:14px; }"
                                  "QProgressBar::chunk { background:#2F6BA8; }"));

  auto* caja = new QGroupBox(this);
  auto* rejilla = new QGridLayout(caja);
  rejilla->setHorizontalSpacing(12);
  rejilla->setVerticalSpacing(8);
  rejilla->addWidget(Titulo(QStringLiteral("En directo"), caja), 0, 1, Qt::AlignCenter);
  rejilla->addWidget(Titulo(QStringLiteral("Condicionado"), caja), 0, 2, Qt::AlignCenter);
  rejilla->addWidget(Titulo(QStringLiteral("Apuestas :"), caja), 1, 0);
  lblApuestasInicialesVP_ = Contador("lblApuestasInicialesVP", caja);
  lblApuestasCondicionadasVP_ = Contador("lblApuestasCondicionadasVP", caja);
  rejilla->addWidget(lblApuestasInicialesVP_, 1, 1);
  rejilla->addWidget(lblApuestasCondicionadasVP_, 1, 2);
  rejilla->addWidget(Titulo(QStringLiteral("Ciclo Actual :"), caja), 2, 0);
  lblCiclos_ = Contador("lblCiclos", caja);
  rejilla->addWidget(lblCiclos_, 2, 1, 1, 2);
  rejilla->addWidget(Titulo(QStringLiteral("En reducción"), caja), 3, 1, 1, 2, Qt::AlignCenter);
  rejilla->addWidget(Titulo(QStringLiteral("Apuestas :"), caja), 4, 0);
  lblApuestasReduccion_ = Contador("lblApuestasReduccion", caja);
  rejilla->addWidget(lblApuestasReduccion_, 4, 1, 1, 2);
  lblProgressBar_ = new QProgressBar(caja);
  lblProgressBar_->setObjectName(QStringLiteral("lblProgressBar"));
  lblProgressBar_->setRange(0, 100);
  lblProgressBar_->setTextVisible(false);
  rejilla->addWidget(lblProgressBar_, 5, 0, 1, 3);

  imgDetener_ = new BotonImagen(QStringLiteral("imgDetener"), QStringLiteral("detener"),
                                QStringLiteral("Detener el proceso"), 40, this);
  connect(imgDetener_, &EtiquetaPulsable::pulsada, this, [this] { detener_ = true; });
  QSizePolicy sitio = imgDetener_->sizePolicy();
  sitio.setRetainSizeWhenHidden(true);  // the window keeps its size for the exact adjustment
  imgDetener_->setSizePolicy(sitio);

  auto* pila = new QVBoxLayout;
  pila->setContentsMargins(12, 8, 12, 10);
  pila->setSpacing(8);
  pila->addWidget(caja);
  pila->addWidget(imgDetener_, 0, Qt::AlignCenter);
  MontarConTitulo(*this, pila);
}

ResultadoReduccion FrmVentanaProceso::Ejecutar(const PeticionReduccion& peticion) {
  calculando_ = true;
  show();
  reloj_.invalidate();  // the first yield paints the opened window
  ReduccionVoraz reduccion(ventana_, azar_);
  const ResultadoReduccion resultado = reduccion.Reducir(peticion);
  calculando_ = false;
  close();
  return resultado;
}

void FrmVentanaProceso::closeEvent(QCloseEvent* evento) {
  if (calculando_) {
    evento->ignore();
    return;
  }
  QDialog::closeEvent(evento);
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
