#include "evaluation/analisis.h"

#include "engine/texto_numeros.h"
#include "formats/escritura_atomica.h"
#include "formats/windows_1252.h"

namespace tanteo {
namespace {

constexpr std::string_view kFinLinea = "\r\n";

// `texto` followed by spaces up to `ancho` characters. A longer text (a count of eight
// digits in a sign column) keeps one space after it instead of breaking the report.
std::string Columna(const std::string& texto, std::size_t ancho) {
  return texto + std::string(texto.size() <= ancho ? ancho - texto.size() : 1, ' ');
}

}  // namespace

Analisis AnalizarApuestas(const TablaApuestas& apuestas, std::int32_t K) {
  Analisis a;
  a.K = K;
  for (std::int32_t i = 1; i <= K; ++i) {
    const std::uint8_t* fila = apuestas.Fila(i);
    for (int m = 1; m <= kPartidos; ++m) {
      const int r = fila[m - 1];
      ++a.ConteoResultados[m][r];
      ++a.ConteoSignos[2 * m - 1][SignoLocal(r)];
      ++a.ConteoSignos[2 * m][SignoVisitante(r)];
    }
  }
  return a;
}

std::string FrmAnalisisLogica::TextoCelda(std::int32_t cuenta) const {
  if (cuenta <= 0) return {};
  if (!porcentajes_) return std::to_string(cuenta);
  return TextoReal(RedondearPar(static_cast<double>(cuenta) * 100.0 / analisis_.K, 2)) + "%";
}

std::string FrmAnalisisLogica::Informe() const {
  std::string t = "TANTEO ANALISIS: ";
  t += kFinLinea;
  t += kFinLinea;
  t += "Análisis por Resultados";
  t += kFinLinea;
  for (int primero : {1, 9}) {
    t += "   ";
    for (int r = primero; r < primero + 8; ++r) t += std::string(LeyendaResultado(r)) + "      ";
    t += kFinLinea;
    for (int m = 1; m <= kPartidos; ++m) {
      t += std::to_string(m) + ". ";
      for (int r = primero; r < primero + 8; ++r) {
        const std::int32_t cuenta = analisis_.ConteoResultados[m][r];
        t += Marcada(cuenta) ? Columna(TextoCelda(cuenta), 9) : "--       ";
      }
      t += kFinLinea;
    }
    t += kFinLinea;
  }
  t += "Análisis por Pronósticos";
  t += kFinLinea;
  t += "    0      1      2      M";
  t += kFinLinea;
  for (int e = 1; e <= kEquipos; ++e) {
    t += std::to_string(e) + (e < 10 ? ".  " : ". ");
    for (int s = 0; s < kSignos; ++s) t += Columna(TextoSigno(e, s), 7);
    t += kFinLinea;
  }
  return t;
}

bool FrmAnalisisLogica::VerInforme(Plataforma& plataforma, Interaccion& interaccion) const {
  const auto fichero = plataforma.CarpetaPrograma() / kFicheroAnalisis;
  const std::string contenido = Utf8AWindows1252(Informe() + std::string(kFinLinea));
  const ResultadoEscritura escrito = EscribirFicheroAtomicamente(fichero, contenido);
  if (!escrito.ok) {
    interaccion.Error("ERROR AL GENERAR EL FICHERO EN EL BLOC DE NOTAS (" + escrito.descripcion + ")");
    return false;
  }
  if (!plataforma.AbrirEnEditor(fichero)) {
    interaccion.Error("ERROR AL GENERAR EL FICHERO EN EL BLOC DE NOTAS (No se pudo abrir el editor de textos)");
    return false;
  }
  return true;
}

}  // namespace tanteo
