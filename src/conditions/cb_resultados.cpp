#include "conditions/cb_resultados.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "conditions/evaluador.h"

namespace tanteo {

bool ColumnaBaseResultados::Participa() const { return AciertosAlcanzables() > 0; }

bool ColumnaBaseResultados::EnUso() const {
  return std::any_of(aciertos.begin(), aciertos.end(), [](std::uint8_t a) { return a == 1; });
}

int ColumnaBaseResultados::AciertosAlcanzables() const {
  int n = 0;
  for (int m = 1; m <= kPartidos; ++m) n += pronostico[m] != kSinResultado ? 1 : 0;
  return n;
}

int FiltroCBResultados::BloquesEnUso() const {
  int n = 0;
  for (int c = 1; c <= kBloquesFiltro; ++c) n += cb[c].EnUso() ? 1 : 0;
  return n;
}

int ResultadoDeCelda(std::string_view celda) {
  for (int r = 1; r <= kResultados; ++r) {
    if (celda == NombreResultado(r)) return r;
  }
  return 0;
}

std::int32_t EvaluarCBResultados(const FiltroCBResultados& filtro, int numero, AlmacenApuestas& apuestas,
                                 Progreso& progreso) {
  const ColumnaBaseResultados& cb = filtro.CB(numero);
  if (!cb.Participa()) return 0;
  std::array<std::uint8_t, kPartidos> celda{};
  for (int m = 1; m <= kPartidos; ++m) celda[m - 1] = static_cast<std::uint8_t>(ResultadoDeCelda(cb.pronostico[m]));

  const std::int32_t total = apuestas.TotalApuestas;
  const std::uint8_t* fila = apuestas.ApuestasSistema.Datos();
  std::uint8_t* marca = apuestas.MarcasEliminacion.data();
  std::int32_t eliminadas = 0;
  for (std::int32_t i = 1; i <= total; ++i, fila += kBytesApuesta, ++marca) {
    CederSiToca(i, progreso);
    if (*marca != 0) continue;
    int aciertos = 0;
    for (int m = 0; m < kPartidos; ++m) aciertos += fila[m] == celda[m] ? 1 : 0;
    if (cb.aciertos[aciertos] != 1) {
      *marca = 1;
      ++eliminadas;
    }
  }
  return eliminadas;
}

namespace {

// The fused pass relies on the rows being the developed system of ResultadosPartido in
// system order: row (d1..d6) follows from the digits, so the hits of matches 1..5 are
// counted once per run of k6 consecutive rows, and match 6 only picks which of those rows
// a CB kills. A run's survivors are a bit set over its k6 rows (k6 <= 16).
constexpr int kMaxCB = 112;  // 100 CBs rounded up for whole vector steps
using Bytes = std::array<std::uint8_t, kMaxCB>;
using Filas = std::uint32_t;  // bit d = the row whose match 6 has local digit d

struct CBDecodificada {
  std::array<int, kPartidos + 1> digito{};  // local digit (0-based) of the cell, -1 when it never hits
  std::uint8_t aceptados = 0;               // bit h: h hits survive
};

class PasadaFusionada {
 public:
  PasadaFusionada(const std::vector<CBDecodificada>& cbs, const TablaNumResultados& num) : n_(static_cast<int>(cbs.size())) {
    for (int m = 1; m <= kPartidos; ++m) k_[m] = num[m];
    todas_ = (Filas{1} << k_[6]) - 1;
    for (int m = 1; m <= 5; ++m) {
      for (int d = 0; d < k_[m]; ++d) {
        for (int j = 0; j < n_; ++j) acierto_[m][d][j] = cbs[j].digito[m] == d ? 1 : 0;
      }
    }
    for (int j = 0; j < n_; ++j) {
      const CBDecodificada& cb = cbs[j];
      digito5_[j] = static_cast<std::int8_t>(cb.digito[5]);
      const Filas fila6 = cb.digito[6] >= 0 ? Filas{1} << cb.digito[6] : 0;
      for (int h = 0; h <= 5; ++h) {
        const bool sinAcierto6 = (cb.aceptados >> h) & 1;
        const bool conAcierto6 = (cb.aceptados >> (h + 1)) & 1;
        mata_[j][h] = (sinAcierto6 ? 0 : todas_ & ~fila6) | (conAcierto6 ? 0 : fila6);
      }
      for (int h = 0; h <= 4; ++h) {
        interesa_[j][h] = mata_[j][h] != 0 || (cb.digito[5] >= 0 && mata_[j][h + 1] != 0);
      }
    }
  }

  std::int32_t Ejecutar(std::uint8_t* marcas, Progreso& progreso) {
    marcas_ = marcas;
    progreso_ = &progreso;
    Bytes h[5] = {};
    for (int d1 = 0; d1 < k_[1]; ++d1) {
      Sumar(h[1], h[0], acierto_[1][d1]);
      for (int d2 = 0; d2 < k_[2]; ++d2) {
        Sumar(h[2], h[1], acierto_[2][d2]);
        for (int d3 = 0; d3 < k_[3]; ++d3) {
          Sumar(h[3], h[2], acierto_[3][d3]);
          for (int d4 = 0; d4 < k_[4]; ++d4) {
            Sumar(h[4], h[3], acierto_[4][d4]);
            Nodo4(h[4]);
          }
        }
      }
    }
    return eliminadas_;
  }

 private:
  static void Sumar(Bytes& destino, const Bytes& a, const Bytes& b) {
    for (int j = 0; j < kMaxCB; ++j) destino[j] = static_cast<std::uint8_t>(a[j] + b[j]);
  }

  // The k5 runs below one prefix of matches 1..4: only the CBs that can kill one of their
  // rows are looked at.
  void Nodo4(const Bytes& h4) {
    int cuantas = 0;
    for (int j = 0; j < n_; ++j) {
      if (interesa_[j][h4[j]]) lista_[cuantas++] = j;
    }
    for (int d5 = 0; d5 < k_[5]; ++d5) {
      Filas vivas = todas_;
      for (int i = 0; i < cuantas && vivas != 0; ++i) {
        const int j = lista_[i];
        vivas &= ~mata_[j][h4[j] + (digito5_[j] == d5 ? 1 : 0)];
      }
      Tramo(vivas);
    }
  }

  void Tramo(Filas vivas) {
    const std::int32_t k6 = k_[6];
    CederEnTramo(fila_, fila_ + k6, *progreso_);
    std::uint8_t* marca = marcas_ + fila_;
    fila_ += k6;
    if (vivas == todas_) return;
    if (vivas == 0) {
      int libres = 0;
      for (int d = 0; d < k6; ++d) {
        libres += marca[d] == 0 ? 1 : 0;
        marca[d] = 1;
      }
      eliminadas_ += libres;
      return;
    }
    for (int d = 0; d < k6; ++d) {
      if (((vivas >> d) & 1) == 0 && marca[d] == 0) {
        marca[d] = 1;
        ++eliminadas_;
      }
    }
  }

  int n_;
  std::array<int, kPartidos + 1> k_{};
  Filas todas_ = 0;
  Bytes acierto_[6][kResultados] = {};  // [match 1..5][digit][CB]
  std::array<std::int8_t, kMaxCB> digito5_{};
  std::array<std::array<Filas, 8>, kMaxCB> mata_{};  // [CB][hits of matches 1..5]: rows killed
  std::array<std::array<bool, 8>, kMaxCB> interesa_{};
  std::array<int, kMaxCB> lista_{};

  std::uint8_t* marcas_ = nullptr;
  Progreso* progreso_ = nullptr;
  std::int32_t fila_ = 0;
  std::int32_t eliminadas_ = 0;
};

bool EsSistemaDesarrollado(const AlmacenApuestas& apuestas) {
  std::int64_t producto = 1;
  for (int m = 1; m <= kPartidos; ++m) {
    if (apuestas.NumResultados[m] < 1 || apuestas.NumResultados[m] > kResultados) return false;
    producto *= apuestas.NumResultados[m];
  }
  return producto == apuestas.TotalApuestas &&
         static_cast<std::int64_t>(apuestas.MarcasEliminacion.size()) >= apuestas.TotalApuestas;
}

}  // namespace

std::int32_t EvaluarFiltroCBResultados(const FiltroCBResultados& filtro, AlmacenApuestas& apuestas,
                                       Progreso& progreso) {
  std::vector<int> numeros;
  for (int c = 1; c <= kBloquesFiltro; ++c) {
    if (filtro.CB(c).Participa()) numeros.push_back(c);
  }
  if (numeros.empty() || apuestas.TotalApuestas <= 0) return 0;

  if (!EsSistemaDesarrollado(apuestas)) {
    std::int32_t eliminadas = 0;
    for (int c : numeros) eliminadas += EvaluarCBResultados(filtro, c, apuestas, progreso);
    return eliminadas;
  }

  std::vector<CBDecodificada> cbs;
  cbs.reserve(numeros.size());
  for (int c : numeros) {
    const ColumnaBaseResultados& cb = filtro.CB(c);
    CBDecodificada d;
    for (int m = 1; m <= kPartidos; ++m) {
      d.digito[m] = DigitoLocal(ResultadoDeCelda(cb.pronostico[m]), m, apuestas.ResultadosPartido, apuestas.NumResultados);
    }
    for (int h = 0; h <= kMaxAciertosCB; ++h) d.aceptados |= static_cast<std::uint8_t>((cb.aciertos[h] == 1 ? 1 : 0) << h);
    cbs.push_back(d);
  }
  auto pasada = std::make_unique<PasadaFusionada>(cbs, apuestas.NumResultados);
  return pasada->Ejecutar(apuestas.MarcasEliminacion.data(), progreso);
}

}  // namespace tanteo
