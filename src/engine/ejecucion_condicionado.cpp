#include "engine/ejecucion_condicionado.h"

#include <cstring>
#include <new>
#include <numeric>
#include <stdexcept>
#include <string>

#include "engine/texto_numeros.h"

namespace tanteo {

namespace {

constexpr std::int32_t kFilasPorCesionRecogida = 10'000;

// Result <-> local digit + 1 of each match, as lookup tables (0 = not in the system).
struct Digitos {
  std::array<std::array<std::uint8_t, 256>, kPartidos> local{};      // [m-1][resultado]
  std::array<std::array<std::uint8_t, 256>, kPartidos> resultado{};  // [m-1][digito]

  explicit Digitos(const AlmacenApuestas& a) {
    for (int m = 1; m <= kPartidos; ++m) {
      for (int d = 1; d <= a.NumResultados[m]; ++d) {
        const std::uint8_t r = a.ResultadosPartido[d][m];
        local[m - 1][r] = static_cast<std::uint8_t>(d);
        resultado[m - 1][d] = r;
      }
    }
  }

  // Rows 1..filas of `tabla` from local digits back to results.
  void AResultados(TablaApuestas& tabla, std::int32_t filas) const {
    std::uint8_t* p = tabla.Datos();
    for (std::int64_t i = 0; i < filas; ++i, p += kBytesApuesta) {
      for (int m = 0; m < kPartidos; ++m) {
        const std::uint8_t r = resultado[m][p[m]];
        if (r == 0) throw std::logic_error("apuesta fuera del sistema desarrollado");
        p[m] = r;
      }
    }
  }
};

TablaBase BaseDeListas(const AlmacenApuestas& a) {
  TablaBase base{};
  for (int m = 1; m <= kPartidos; ++m) {
    for (int d = 1; d <= a.NumResultados[m]; ++d) base[m][a.ResultadosPartido[d][m]] = 1;
  }
  return base;
}

std::string Descripcion(const std::exception& fallo) {
  if (dynamic_cast<const std::bad_alloc*>(&fallo) != nullptr) return "Memoria insuficiente";
  return fallo.what();
}

class Ejecucion {
 public:
  Ejecucion(Combinacion& c, const EntornoEjecucion& e, const CadenaFiltros& cadena)
      : c_(c), a_(c.apuestas), e_(e), cadena_(cadena) {}

  void Ejecutar() {
    if (a_.TotalApuestas == 0 && a_.TotalImportadas == 0) {
      e_.interaccion.Error(kErrorSistemaVacio);
      return;
    }
    c_.bloqueada = true;
    c_.ocupada = true;
    c_.indicacionProgreso = true;
    e_.pantalla.Bloquear();
    e_.pantalla.IniciarIndicacion();
    try {
      e_.progreso.Ceder();
      Condicionar();
    } catch (const std::exception& fallo) {
      Fallar(Descripcion(fallo));
    }
  }

 private:
  void Condicionar() {
    c_.filtros.EliminadasFiltro = {};
    a_.OrdenApuestas.clear();
    const std::int64_t candidatas = c_.tipo == TipoCombinacion::DesdeArchivo ? PrepararImportado() : PrepararDirecto();
    const std::int64_t m = candidatas - AplicarFiltros(candidatas);
    if (m < 0) throw std::logic_error("los filtros han eliminado más apuestas de las que había");
    c_.contadores.lblApuCondicionadas = FormatoCuenta(m);
    c_.contadores.lblApuestasReduccion = c_.contadores.lblApuCondicionadas;
    if (m == 0) {
      e_.interaccion.Error(kErrorCeroCondicionadas);
      a_.ApuestasCondicionadas.Liberar();
      TerminarSinFinales();
      return;
    }
    const auto filas = static_cast<std::int32_t>(m);
    const Digitos digitos(a_);
    RecogerSupervivientes(filas, digitos);
    if (!HayQueReducir()) {
      CopiarAFinales(filas, digitos);
    } else if (c_.reduccion.ApuestasExactas == 1 && c_.reduccion.NuApuestas > filas) {
      e_.interaccion.Error(kErrorNumeroExacto);
      digitos.AResultados(a_.ApuestasCondicionadas, filas);
      TerminarSinFinales();
      return;
    } else {
      Reducir(filas, digitos);
    }
    a_.OrdenApuestas = {};
    c_.cambiadaDesdeGeneracion = false;
    Terminar();
  }

  // The smallest system holding the imported bets, every row absent but theirs.
  std::int64_t PrepararImportado() {
    c_.contadores.lblApuestasReduccion = "0";
    sinFiltrar_ = false;
    DerivarResultadosPartido(a_.FrecuenciaResultados, a_.ResultadosPartido, a_.NumResultados);
    std::int64_t total = 1;
    for (int m = 1; m <= kPartidos; ++m) total *= a_.NumResultados[m];
    a_.TotalApuestas = static_cast<std::int32_t>(total);
    a_.ApuestasSistema.Redimensionar(a_.TotalApuestas);
    DesarrollarBase(BaseDeListas(a_), a_.ApuestasSistema, a_.TotalApuestas);
    a_.MarcasEliminacion.assign(static_cast<std::size_t>(a_.TotalApuestas), 1);

    if (a_.TotalImportadas > a_.ApuestasImportadas.Filas()) throw std::logic_error("faltan apuestas importadas");
    const Digitos digitos(a_);
    std::int32_t repetidas = 0;
    for (std::int32_t i = 1; i <= a_.TotalImportadas; ++i) {
      const std::uint8_t* apuesta = a_.ApuestasImportadas.Fila(i);
      std::int64_t posicion = 0;
      for (int m = 1; m <= kPartidos; ++m) {
        const int d = digitos.local[m - 1][apuesta[m - 1]];
        if (d == 0) throw std::logic_error("apuesta importada fuera de las frecuencias de la importación");
        posicion = posicion * a_.NumResultados[m] + (d - 1);
      }
      std::uint8_t& marca = a_.MarcasEliminacion[static_cast<std::size_t>(posicion)];
      if (marca == 1) {
        marca = 0;
      } else {
        ++repetidas;
      }
    }
    if (repetidas > 0) e_.interaccion.Aviso(std::string(kAvisoRepetidas) + std::to_string(repetidas));
    return static_cast<std::int64_t>(a_.TotalImportadas) - repetidas;
  }

  std::int64_t PrepararDirecto() {
    sinFiltrar_ = true;
    a_.TotalApuestas = c_.base.Recuento();
    c_.Desarrollar();
    ContarFrecuencias(a_.ApuestasSistema, a_.TotalApuestas, a_.FrecuenciaResultados);
    c_.contadores.lblApuestasReduccion = "0";
    DerivarResultadosPartido(a_.FrecuenciaResultados, a_.ResultadosPartido, a_.NumResultados);
    a_.MarcasEliminacion.assign(static_cast<std::size_t>(a_.TotalApuestas), 0);
    return a_.TotalApuestas;
  }

  // The active filters in list order; the sum of their counters.
  std::int64_t AplicarFiltros(std::int64_t candidatas) {
    std::int64_t eliminadas = 0;
    for (int ranura = 1; ranura <= kFiltros; ++ranura) {
      const FilaFiltro fila = FilaDeIndice(ranura - 1);
      if (!c_.lstFiltros.Activa(fila)) continue;
      const auto restantes = static_cast<std::int32_t>(candidatas - eliminadas);
      if (fila == FilaFiltro::Probabilidad && !ProbabilidadSeEvalua(c_.filtros.probabilidad, restantes)) continue;
      const EslabonFiltro& eslabon = cadena_[ranura];
      c_.contadores.lblApuCondicionadas = std::string(eslabon.leyenda);
      e_.progreso.Texto(eslabon.leyenda);
      const std::int32_t marcadas = eslabon.evaluar ? eslabon.evaluar(EntradaFiltro{a_, e_.progreso, restantes}) : 0;
      c_.filtros.EliminadasFiltro[ranura] = marcadas;
      eliminadas += marcadas;
      sinFiltrar_ = false;
      c_.guardadaXML = false;
    }
    return eliminadas;
  }

  // The unmarked rows in system order, as local digits + 1.
  void RecogerSupervivientes(std::int32_t filas, const Digitos& digitos) {
    a_.ApuestasCondicionadas.Redimensionar(filas);
    std::uint8_t* destino = a_.ApuestasCondicionadas.Datos();
    const std::uint8_t* origen = a_.ApuestasSistema.Datos();
    std::int32_t recogidas = 0;
    for (std::int32_t i = 1; i <= a_.TotalApuestas; ++i, origen += kBytesApuesta) {
      if (i % kFilasPorCesionRecogida == 0) e_.progreso.Ceder();
      if (a_.MarcasEliminacion[static_cast<std::size_t>(i - 1)] != 0) continue;
      if (recogidas == filas) throw std::logic_error("los filtros han contado menos apuestas de las que han marcado");
      for (int m = 0; m < kPartidos; ++m) destino[m] = digitos.local[m][origen[m]];
      destino += kBytesApuesta;
      ++recogidas;
    }
    if (recogidas != filas) throw std::logic_error("los filtros han contado más apuestas de las que han marcado");
  }

  bool HayQueReducir() const {
    const Reduccion& r = c_.reduccion;
    if (!c_.lstFiltros.Activa(FilaFiltro::Reduccion)) return false;
    return !(r.Tipo == 0 && r.Porcentaje == 100 && r.ActivarNumeroApuestas == 0);
  }

  void CopiarAFinales(std::int32_t filas, const Digitos& digitos) {
    digitos.AResultados(a_.ApuestasCondicionadas, filas);
    finalesTocadas_ = true;
    a_.ApuestasFinales.Redimensionar(filas);
    std::memcpy(a_.ApuestasFinales.Datos(), a_.ApuestasCondicionadas.Datos(),
                static_cast<std::size_t>(filas) * kBytesApuesta);
    PonerFinales(filas, "");
  }

  void Reducir(std::int32_t filas, const Digitos& digitos) {
    a_.OrdenApuestas.resize(static_cast<std::size_t>(filas));
    std::iota(a_.OrdenApuestas.begin(), a_.OrdenApuestas.end(), 1);
    c_.indicacionProgreso = false;
    e_.pantalla.DetenerIndicacion();
    finalesTocadas_ = true;
    const ResultadoReduccion resultado = e_.reductor.Reducir(PeticionReduccion{
        a_, filas, sinFiltrar_, c_.reduccion, c_.contadores.lblApuIniciales, c_.contadores.lblApuCondicionadas});
    if (resultado.apuestas < 1) {
      a_.ApuestasFinales.Liberar();
      PonerFinales(0, "");
    } else {
      const std::int32_t k = resultado.apuestas;
      if (k > a_.ApuestasFinales.Filas()) throw std::logic_error("la reducción ha dado más apuestas de las que ha escrito");
      if (k < a_.ApuestasFinales.Filas()) RecortarFinales(k);
      digitos.AResultados(a_.ApuestasFinales, k);
      PonerFinales(k, resultado.tooltip);
    }
    digitos.AResultados(a_.ApuestasCondicionadas, filas);
  }

  // ApuestasFinales holds exactly its K rows, so no reader meets rows left in digit form.
  void RecortarFinales(std::int32_t k) {
    TablaApuestas recortada;
    recortada.Redimensionar(k);
    std::memcpy(recortada.Datos(), a_.ApuestasFinales.Datos(), static_cast<std::size_t>(k) * kBytesApuesta);
    a_.ApuestasFinales = std::move(recortada);
  }

  void PonerFinales(std::int32_t k, std::string tooltip) {
    a_.TotalFinales = k;
    c_.contadores.lblApuestasReduccion = FormatoCuenta(k);
    c_.contadores.tooltipApuestasReduccion = std::move(tooltip);
  }

  // The two errors after the filters: the final counter at "0" and the developed system
  // discarded; ApuestasFinales is left as it was.
  void TerminarSinFinales() {
    c_.contadores.lblApuestasReduccion = "0";
    c_.contadores.tooltipApuestasReduccion.clear();
    a_.TotalFinales = 0;
    DescartarSistema();
    Terminar();
  }

  void DescartarSistema() {
    a_.ApuestasSistema.Liberar();
    a_.MarcasEliminacion = {};
    a_.OrdenApuestas = {};
  }

  void Terminar() {
    c_.bloqueada = false;
    e_.pantalla.Desbloquear();
    c_.indicacionProgreso = false;
    e_.pantalla.DetenerIndicacion();
    c_.ocupada = false;
  }

  // Whatever failed mid-run: nothing half-converted is left behind, the settings are intact.
  void Fallar(const std::string& descripcion) {
    c_.contadores.lblApuCondicionadas = "0";
    c_.contadores.lblApuestasReduccion = "0";
    c_.contadores.tooltipApuestasReduccion.clear();
    a_.TotalFinales = 0;
    DescartarSistema();
    a_.ApuestasCondicionadas.Liberar();
    if (finalesTocadas_) a_.ApuestasFinales.Liberar();
    Terminar();
    e_.interaccion.Error(std::string(kPrefijoErrorEjecucion) + descripcion);
  }

  Combinacion& c_;
  AlmacenApuestas& a_;
  const EntornoEjecucion& e_;
  const CadenaFiltros& cadena_;
  bool sinFiltrar_ = false;
  bool finalesTocadas_ = false;
};

}  // namespace

void EjecutarCondicionado(Combinacion& combinacion, const EntornoEjecucion& entorno, const CadenaFiltros& cadena) {
  Ejecucion(combinacion, entorno, cadena).Ejecutar();
}

void EjecutarCondicionado(Combinacion& combinacion, const EntornoEjecucion& entorno) {
  EjecutarCondicionado(combinacion, entorno, CadenaDeFiltros(combinacion.filtros));
}

}  // namespace tanteo
