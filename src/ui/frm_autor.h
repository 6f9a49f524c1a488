// "AUTOR": the credits, a picture and two ways back.
#pragma once

#include <QDialog>

namespace tanteo {

class FrmAutor : public QDialog {
  Q_OBJECT

 public:
  explicit FrmAutor(QWidget* parent = nullptr);
};

}  // namespace tanteo
