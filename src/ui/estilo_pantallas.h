// The look the modal screens share with the main window: its background, its framed
// groups with their titles, and the program's icon.
#pragma once

#include <QDialog>
#include <QString>

namespace tanteo {

// Names the screen, titles it, makes it modal and gives it the shared look followed by
// `estiloPropio` (style sheet rules of the screen's own controls).
void PrepararPantalla(QDialog& pantalla, const QString& nombre, const QString& titulo,
                      const QString& estiloPropio = QString());

}  // namespace tanteo
