#include "ui/grafico_resultados.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

namespace tanteo {

namespace {

QString Q(const std::string& texto) { return QString::fromStdString(texto); }

constexpr int kSeparacion = 8;      // between two panels
constexpr int kAltoTitulo = 30;       // the number and the two teams on two lines
constexpr int kAltoCifra = 14;      // room for the figure over the tallest bar
constexpr int kAltoZona = 64;
constexpr int kAltoEje = 16;
constexpr int kMargen = 6;          // inside a panel
constexpr int kHuecoGrupo = 4;      // between the groups of one home sign

const QColor kBorde(0xC9, 0xD9, 0xEA);
const QColor kBarra(0x5B, 0x8F, 0xC7);
const QColor kMayor(0xF2, 0xB6, 0x32);
const QColor kTexto(0x1F, 0x3A, 0x5F);
const QColor kBanda(0xF1, 0xF5, 0xFA);

}  // namespace

GraficoResultados::GraficoResultados(const FrmAnalisisLogica& logica, std::array<Equipos, kPartidos> titulos,
                                     QWidget* padre)
    : QWidget(padre), logica_(logica), titulos_(std::move(titulos)) {
  setObjectName(QStringLiteral("graficoResultados"));
  setMinimumHeight(sizeHint().height());
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize GraficoResultados::sizeHint() const {
  return {kPartidos * 130, kAltoTitulo + kAltoCifra + kAltoZona + kAltoEje + 2 * kMargen};
}

QRect GraficoResultados::Panel(int partido) const {
  const int ancho = (width() - (kPartidos - 1) * kSeparacion) / kPartidos;
  return {(partido - 1) * (ancho + kSeparacion), 0, ancho, height()};
}

QRect GraficoResultados::Zona(int partido) const {
  const QRect panel = Panel(partido);
  return {panel.left() + kMargen, panel.top() + kMargen + kAltoTitulo + kAltoCifra, panel.width() - 2 * kMargen,
          kAltoZona};
}

std::int32_t GraficoResultados::Maximo(int partido) const {
  const auto& cuentas = logica_.Datos().ConteoResultados[partido];
  return *std::max_element(cuentas.begin() + 1, cuentas.end());
}

QRect GraficoResultados::Barra(int partido, int resultado) const {
  const std::int32_t cuenta = Cuenta(partido, resultado);
  if (cuenta <= 0) return {};
  const QRect zona = Zona(partido);
  const int hueco = (kSignos - 1) * kHuecoGrupo;
  const int paso = std::max(2, (zona.width() - hueco) / kResultados);
  const int x = zona.left() + (resultado - 1) * paso + SignoLocal(resultado) * kHuecoGrupo;
  // At least a sliver for a single bet among millions.
  const int alto = std::max(2, static_cast<int>(static_cast<double>(cuenta) * zona.height() / Maximo(partido) + 0.5));
  return {x, zona.bottom() + 1 - alto, std::max(1, paso - 1), alto};
}

void GraficoResultados::paintEvent(QPaintEvent*) {
  QPainter pintor(this);
  pintor.setRenderHint(QPainter::Antialiasing, false);
  QFont pequena = font();
  pequena.setPointSizeF(std::max(6.5, font().pointSizeF() - 1.5));
  for (int m = 1; m <= kPartidos; ++m) {
    const QRect panel = Panel(m).adjusted(0, 0, -1, -1);
    pintor.setPen(kBorde);
    pintor.setBrush(Qt::white);
    pintor.drawRoundedRect(panel, 4, 4);

    const QRect zona = Zona(m);
    // Light bands behind the groups of one home sign.
    const int hueco = (kSignos - 1) * kHuecoGrupo;
    const int paso = std::max(2, (zona.width() - hueco) / kResultados);
    pintor.setPen(Qt::NoPen);
    for (int s = 0; s < kSignos; s += 2) {
      pintor.fillRect(QRect(zona.left() + 4 * s * paso + s * kHuecoGrupo - kHuecoGrupo / 2, zona.top() - kAltoCifra,
                            4 * paso + kHuecoGrupo, zona.height() + kAltoCifra),
                      kBanda);
    }

    // The number of the match and its two teams.
    QFont negrita = font();
    negrita.setBold(true);
    pintor.setFont(negrita);
    pintor.setPen(kTexto);
    const int izquierda = panel.left() + kMargen;
    const int numero = pintor.fontMetrics().horizontalAdvance(QStringLiteral("%1. ").arg(kPartidos));
    pintor.drawText(QRect(izquierda, panel.top() + kMargen, numero, kAltoTitulo / 2), Qt::AlignLeft | Qt::AlignVCenter,
                    QStringLiteral("%1.").arg(m));
    pintor.setFont(pequena);
    const int ancho = panel.width() - 2 * kMargen - numero;
    for (int lado = 0; lado < 2; ++lado) {
      const QString equipo = titulos_[m - 1][lado];
      pintor.drawText(QRect(izquierda + numero, panel.top() + kMargen + lado * kAltoTitulo / 2, ancho, kAltoTitulo / 2),
                      Qt::AlignLeft | Qt::AlignVCenter, pintor.fontMetrics().elidedText(equipo, Qt::ElideRight, ancho));
    }

    const std::int32_t maximo = Maximo(m);
    pintor.setPen(Qt::NoPen);
    for (int r = 1; r <= kResultados; ++r) {
      const QRect barra = Barra(m, r);
      if (barra.isEmpty()) continue;
      const bool mayor = Cuenta(m, r) == maximo;
      pintor.setBrush(mayor ? kMayor : kBarra);
      pintor.drawRect(barra);
    }
    pintor.setPen(kBorde.darker(130));
    pintor.drawLine(zona.left(), zona.bottom() + 1, zona.right(), zona.bottom() + 1);

    pintor.setFont(pequena);
    pintor.setPen(kTexto);
    // The figure of the first tallest bar, centred over it but kept inside the panel.
    for (int r = 1; r <= kResultados && maximo > 0; ++r) {
      if (Cuenta(m, r) != maximo) continue;
      const QRect barra = Barra(m, r);
      const QString cifra = Q(logica_.TextoResultado(m, r));
      const int ancho = pintor.fontMetrics().horizontalAdvance(cifra) + 4;
      const int x = std::clamp(barra.center().x() - ancho / 2, zona.left(), zona.right() - ancho);
      pintor.drawText(QRect(x, barra.top() - kAltoCifra, ancho, kAltoCifra), Qt::AlignCenter, cifra);
      break;
    }
    // Under each group of four results, the home team's goals they share.
    pintor.setPen(kTexto.lighter(160));
    for (int s = 0; s < kSignos; ++s) {
      const int x = zona.left() + 4 * s * paso + s * kHuecoGrupo;
      pintor.drawText(QRect(x, zona.bottom() + 3, 4 * paso, kAltoEje - 2), Qt::AlignCenter,
                      QString(QLatin1Char(TextoSigno(s))) + QStringLiteral(" -"));
    }
  }
}

bool GraficoResultados::event(QEvent* evento) {
  if (evento->type() != QEvent::ToolTip) return QWidget::event(evento);
  const QPoint punto = static_cast<QHelpEvent*>(evento)->pos();
  for (int m = 1; m <= kPartidos; ++m) {
    for (int r = 1; r <= kResultados; ++r) {
      QRect barra = Barra(m, r);
      barra.setTop(Zona(m).top());  // the whole column answers, also over a short bar
      if (!barra.contains(punto)) continue;
      QToolTip::showText(static_cast<QHelpEvent*>(evento)->globalPos(),
                         QStringLiteral("%1. %2: %3").arg(m).arg(Q(std::string(LeyendaResultado(r))),
                                                               Q(logica_.TextoResultado(m, r))),
                         this);
      return true;
    }
  }
  QToolTip::hideText();
  evento->ignore();
  return true;
}

}  // namespace tanteo
