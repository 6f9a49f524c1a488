// The look the modal screens share with the main window: light panels, blue title strip and
// column-title buttons, gold hover frames.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLayout;
class QPushButton;
class QWidget;

namespace tanteo {

// The style sheet of a modal screen.
QString EstiloPantallas();

// Names the screen, titles it, makes it modal and gives it the shared look followed by
// `estiloPropio` (style sheet rules of the screen's own controls).
void PrepararPantalla(QDialog& pantalla, const QString& nombre, const QString& titulo,
                      const QString& estiloPropio = QString());

// Lays the screen out as the blue strip with its caption across the top and `contenido`
// under it, at the size they need.
void MontarConTitulo(QDialog& pantalla, QLayout* contenido);

// A column-title button in the blue of the main window's titles.
QPushButton* BotonCabecera(const QString& nombre, const QString& texto, QWidget* padre);

// A round-cornered number label, as the main window numbers its matches.
QLabel* NumeroPartido(const QString& nombre, int numero, QWidget* padre);

}  // namespace tanteo
