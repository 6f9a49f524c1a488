#include "ui/frm_autor.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/direcciones_web.h"
#include "ui/recursos.h"

namespace tanteo {

FrmAutor::FrmAutor(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAutor"));
  setWindowTitle(QStringLiteral("AUTOR"));
  setModal(true);
  setStyleSheet(QStringLiteral("QDialog { background:#F8FAFD; }"));

  auto* pila = new QVBoxLayout(this);
  pila->setContentsMargins(16, 16, 16, 14);
  pila->setSpacing(10);
  auto* picICONOS = new QLabel(this);
  picICONOS->setObjectName(QStringLiteral("picICONOS"));
  picICONOS->setPixmap(Imagen(QStringLiteral("autor"), QSize(420, 240), devicePixelRatioF()));
  picICONOS->setAlignment(Qt::AlignCenter);
  pila->addWidget(picICONOS);

  auto* botones = new QHBoxLayout;
  for (int i = 0; i < 2; ++i) {
    auto* cmdVolver = new QPushButton(QStringLiteral("&Volver"), this);
    cmdVolver->setObjectName(QStringLiteral("cmdVolver_") + QString::number(i));
    cmdVolver->setToolTip(QStringLiteral("Vuelve al Menú anterior"));
    cmdVolver->setIcon(Icono(QStringLiteral("volver")));
    connect(cmdVolver, &QPushButton::clicked, this, &QDialog::accept);
    botones->addWidget(cmdVolver);
    if (i == 0) botones->addStretch();
  }
  pila->addLayout(botones);
}

}  // namespace tanteo
