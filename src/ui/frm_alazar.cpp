#include "ui/frm_alazar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/boton_imagen.h"
#include "ui/estilo_pantallas.h"

namespace tanteo {

FrmAlazar::FrmAlazar(BasePronostico& base, GeneradorAleatorio& azar, Plataforma& plataforma,
                     std::function<void()> alRellenar, QWidget* parent)
    : QDialog(parent), base_(base), azar_(azar), plataforma_(plataforma), alRellenar_(std::move(alRellenar)) {
  PrepararPantalla(*this, QStringLiteral("frmAlazar"), QStringLiteral("Generar Base Al azar"),
                   QStringLiteral("QLabel[partido=\"true\"] { color:#1F3A5F; font-weight:bold; }"));

  auto* caja = new QGroupBox(QStringLiteral("Resultados por partido"), this);
  auto* rejilla = new QGridLayout(caja);
  rejilla->setHorizontalSpacing(10);
  rejilla->setVerticalSpacing(6);
  QStringList numeros;
  for (int n = FrmAlazarLogica::kMinimo; n <= FrmAlazarLogica::kMaximo; ++n) numeros << QString::number(n);
  for (int k = 0; k < kPartidos; ++k) {
    auto* etiqueta = new QLabel(QStringLiteral("Partido %1").arg(k + 1), caja);
    etiqueta->setObjectName(QStringLiteral("Label1_%1").arg(k));
    etiqueta->setProperty("partido", true);
    cboPartido_[k] = new QComboBox(caja);
    cboPartido_[k]->setObjectName(QStringLiteral("cboPartido_%1").arg(k));
    cboPartido_[k]->addItems(numeros);
    cboPartido_[k]->setMaxVisibleItems(kResultados);
    cboPartido_[k]->setMinimumWidth(64);
    cboPartido_[k]->setCurrentIndex(logica_.Cuenta(k + 1) - FrmAlazarLogica::kMinimo);
    connect(cboPartido_[k], &QComboBox::currentIndexChanged, this,
            [this, k](int indice) { logica_.PonerCuenta(k + 1, indice + FrmAlazarLogica::kMinimo); });
    // Two columns of three matches.
    const int fila = k % 3;
    const int columna = (k / 3) * 3;
    rejilla->addWidget(etiqueta, fila, columna);
    rejilla->addWidget(cboPartido_[k], fila, columna + 1);
  }
  rejilla->setColumnMinimumWidth(2, 18);

  auto* orden = new QHBoxLayout;
  orden->setSpacing(8);
  auto* lblActivarPleno = new QLabel(QStringLiteral("Respetar orden de partidos :"), this);
  lblActivarPleno->setObjectName(QStringLiteral("lblActivarPleno"));
  lblActivarPleno->setStyleSheet(QStringLiteral("color:#1F3A5F; font-weight:bold;"));
  chkOrden_ = new QCheckBox(this);
  chkOrden_->setObjectName(QStringLiteral("chkOrden"));
  chkOrden_->setChecked(logica_.respetarOrden);
  connect(chkOrden_, &QCheckBox::toggled, this, [this](bool marcado) { logica_.respetarOrden = marcado; });
  lblActivarPleno->setBuddy(chkOrden_);
  orden->addWidget(lblActivarPleno);
  orden->addWidget(chkOrden_);
  orden->addStretch();

  imgRellenar_ = new BotonImagen(QStringLiteral("imgRellenar"), QStringLiteral("rellenar"),
                                 QStringLiteral("Rellenar Base"), 44, this);
  connect(imgRellenar_, &EtiquetaPulsable::pulsada, this, &FrmAlazar::Rellenar);
  orden->addWidget(imgRellenar_);

  auto* pila = new QVBoxLayout(this);
  pila->setContentsMargins(12, 8, 12, 10);
  pila->setSpacing(8);
  pila->addWidget(caja);
  pila->addLayout(orden);
  pila->setSizeConstraint(QLayout::SetFixedSize);
}

void FrmAlazar::Rellenar() {
  logica_.Rellenar(base_, azar_, plataforma_);
  if (alRellenar_) alRellenar_();
}

}  // namespace tanteo
