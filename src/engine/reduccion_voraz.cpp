#include "engine/reduccion_voraz.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <utility>

namespace tanteo {

namespace {

constexpr std::int32_t kUmbralInicial = 10000;
constexpr std::int32_t kApuestasEntreCesionesAnalisis = 500;
constexpr std::int32_t kFilasEntreCesionesReorden = 5000;
constexpr std::int32_t kCiclosEntreBajadas = 12;
constexpr std::int32_t kTopeBaseAleatoria = 9'999'999;
constexpr int kPasadasRelleno = 3;
constexpr std::int32_t kPosicionesEntreCesionesPasada = 30'000;
constexpr std::int32_t kPosicionesEntreCesionesRecorrido = 10'000;

// The integer part of (parte / todo x 100), computed in that order in double precision as
// the program always has: the share decides when a cycle stops choosing.
std::int32_t Porcentaje(std::int64_t parte, std::int64_t todo) {
  return static_cast<std::int32_t>(static_cast<double>(parte) / static_cast<double>(todo) * 100.0);
}

std::int32_t PasoDeBajada(std::int32_t maximo) {
  if (maximo <= 50) return 1;
  if (maximo <= 200) return 10;
  if (maximo <= 500) return 20;
  if (maximo <= 1000) return 50;
  return 100;
}

// Keeps rows 1..filas of `tabla`.
void ConservarPrimeras(TablaApuestas& tabla, std::int32_t filas) {
  TablaApuestas recortada;
  recortada.Redimensionar(filas);
  std::memcpy(recortada.Datos(), tabla.Datos(), static_cast<std::size_t>(filas) * kBytesApuesta);
  tabla = std::move(recortada);
}

template <class T>
void Soltar(std::vector<T>& v) {
  std::vector<T>().swap(v);
}

}  // namespace

ResultadoReduccion ReduccionVoraz::Reducir(const PeticionReduccion& peticion) {
  Preparar(peticion);
  if (M_ > 0 && Analizar()) {
    Disponer();
    while (Ciclo() == FinCiclo::Seguir) {
    }
    AjustarNumeroExacto();
  }
  Liberar();
  return ventana_.Resultado();
}

void ReduccionVoraz::Preparar(const PeticionReduccion& peticion) {
  almacen_ = &peticion.apuestas;
  ajustes_ = &peticion.ajustes;
  sinFiltrar_ = peticion.sinFiltrar;
  M_ = peticion.M;
  R_ = std::clamp<int>(ajustes_->Tipo, 0, kPartidos);
  vecindad_ = Vecindad(almacen_->NumResultados);

  ciclos_ = 0;
  ventana_.Abrir(peticion.lblApuIniciales, peticion.lblApuCondicionadas);
  desorden_ = M_ / 8;
  baseAleatoria_ = ajustes_->Aleatorio == 1 ? static_cast<std::int32_t>(generador_.Entre1Y(kTopeBaseAleatoria)) : 0;

  const std::size_t total = static_cast<std::size_t>(vecindad_.TotalApuestas());
  const std::size_t miembros = static_cast<std::size_t>(std::max(M_, 0));
  cobertura_.assign(total, 0);
  coberturaInicial_.resize(total);
  pendiente_.resize(total);
  indiceFila_.resize(miembros);
  const TablaApuestas& condicionadas = almacen_->ApuestasCondicionadas;
  for (std::int32_t fila = 1; fila <= M_; ++fila) indiceFila_[fila - 1] = vecindad_.IndiceDeFila(condicionadas.Fila(fila));
  indiceEnOrden_.resize(miembros);
  filaElegida_.assign(miembros, 0);
  if (almacen_->OrdenApuestas.size() < miembros) almacen_->OrdenApuestas.resize(miembros);
  OrdenIdentidad();
  elegidas_.clear();
}

bool ReduccionVoraz::Miembro(std::int32_t indice) const {
  return sinFiltrar_ || almacen_->MarcasEliminacion[static_cast<std::size_t>(indice)] == 0;
}

bool ReduccionVoraz::Analizar() {
  ventana_.MostrarAnalizando();
  std::int32_t* cuenta = cobertura_.data();
  const std::int32_t total = vecindad_.TotalApuestas();
  Vecindad::Digitos d{};
  for (std::int32_t indice = 0; indice < total; ++indice) {
    if (Miembro(indice)) {
      ++cuenta[indice];
      vecindad_.Recorrer(d, indice, R_, [cuenta](std::int32_t z, int, const Vecindad::Digitos&) { ++cuenta[z]; });
    }
    vecindad_.Siguiente(d);
    const std::int32_t hechas = indice + 1;
    if (hechas % kApuestasEntreCesionesAnalisis == 0) {
      ventana_.MostrarAvance(Porcentaje(hechas, total));
      ventana_.Ceder();
      if (ventana_.DetencionPedida()) {
        ventana_.MostrarCiclos(0);
        return false;
      }
    }
  }
  ventana_.MostrarCiclos(0);
  return true;
}

void ReduccionVoraz::Disponer() {
  umbral_ = kUmbralInicial;
  maximo_ = kUmbralInicial;
  ventana_.MostrarAvance(0);
  std::copy(cobertura_.begin(), cobertura_.end(), coberturaInicial_.begin());
  mejorCuenta_ = M_ + 1;
  ciclosDesdeBajada_ = 0;
  paso_ = 0;
  primeraEleccion_ = true;
}

ReduccionVoraz::FinCiclo ReduccionVoraz::Ciclo() {
  elegidas_.clear();
  cubiertas_ = 0;
  objetivo_ = 1;
  inicio_ = 1;
  if (sinFiltrar_) {
    std::fill(pendiente_.begin(), pendiente_.end(), 0);
  } else {
    std::copy(almacen_->MarcasEliminacion.begin(), almacen_->MarcasEliminacion.begin() + std::ssize(pendiente_),
              pendiente_.begin());
  }
  const std::int32_t* orden = almacen_->OrdenApuestas.data();
  for (std::int32_t p = 0; p < M_; ++p) indiceEnOrden_[p] = indiceFila_[orden[p] - 1];

  bool abandonado = false;
  for (;;) {
    const std::int32_t fila = Elegir();
    const std::int32_t v = cobertura_[indiceFila_[fila - 1]];
    objetivo_ = v;
    cubiertas_ += v;
    if (primeraEleccion_) {
      primeraEleccion_ = false;
      maximo_ = static_cast<std::int32_t>(cubiertas_);
      umbral_ = maximo_;
      paso_ = PasoDeBajada(maximo_);
    }
    ActualizarCuentas(fila);
    if (std::ssize(elegidas_) + 1 >= mejorCuenta_) {
      abandonado = true;
      break;
    }
    elegidas_.push_back(fila);
    const std::int32_t cubierto = Porcentaje(cubiertas_, M_);
    ventana_.MostrarAvance(cubierto);
    ventana_.Ceder();
    if (ventana_.DetencionPedida()) return FinCiclo::Detenida;
    if (FinEleccion(cubierto)) break;
  }

  ++ciclos_;
  ventana_.MostrarCiclos(ciclos_);
  if (!abandonado && std::ssize(elegidas_) < mejorCuenta_) {
    GuardarMejorResultado();
    const bool bastantes = ajustes_->ActivarNumeroApuestas == 1 && ajustes_->ApuestasExactas == 0 &&
                           mejorCuenta_ <= ajustes_->NuApuestas;
    if (mejorCuenta_ == 1 || bastantes) return FinCiclo::Terminar;
  }

  std::copy(coberturaInicial_.begin(), coberturaInicial_.end(), cobertura_.begin());
  ventana_.Ceder();
  // With the threshold lowered, shuffle as many scan positions as the best result has bets.
  desorden_ = umbral_ + 1 <= maximo_ ? mejorCuenta_ - 1 : M_ / 10 - 1;
  if (++ciclosDesdeBajada_ > kCiclosEntreBajadas) {
    OrdenIdentidad();
    ciclosDesdeBajada_ = 1;
    if (umbral_ > 1) {
      umbral_ -= paso_;
      if (umbral_ < 1) umbral_ = maximo_;
    } else {
      umbral_ = maximo_;
    }
  }
  Desordenar();
  return ajustes_->ActivarCiclos == 1 ? FinCiclo::Seguir : FinCiclo::Terminar;
}

// The scan from P: the first row whose count beats every count seen before it in the pass
// and reaches the threshold H or equals the target T. A pass from P > 1 that finds none
// wraps to position 1 with the target one lower and the best count seen one lower; a pass
// from position 1 that finds none takes the first row with the highest count.
std::int32_t ReduccionVoraz::Elegir() {
  const std::int32_t umbral = umbral_;
  const std::int32_t* cuenta = cobertura_.data();
  const std::int32_t* indices = indiceEnOrden_.data();
  std::int32_t mejor = 0;
  std::int32_t posicionMejor = 0;
  std::int32_t desde = inicio_;
  for (;;) {
    for (std::int32_t p = desde; p <= M_; ++p) {
      const std::int32_t v = cuenta[indices[p - 1]];
      if (v > mejor) {
        posicionMejor = p;
        mejor = v;
        if (v >= umbral || v == objetivo_) {
          inicio_ = p + 1;
          return almacen_->OrdenApuestas[p - 1];
        }
      }
    }
    // A member not yet covered counts itself, so while members are left a pass from
    // position 1 always sees a positive count.
    if (desde == 1) return almacen_->OrdenApuestas[posicionMejor - 1];
    --mejor;
    --objetivo_;
    inicio_ = 1;
    desde = 1;
  }
}

// After choosing the row: every member within R of it that was not yet covered is covered
// now, and leaves the count of every bet within R of it.
void ReduccionVoraz::ActualizarCuentas(std::int32_t fila) {
  const std::int32_t x = indiceFila_[fila - 1];
  if (R_ == 0) {
    --cobertura_[x];
    return;
  }
  Vecindad::Digitos d = vecindad_.DigitosDeFila(almacen_->ApuestasCondicionadas.Fila(fila));
  Cubrir(x, d);
  vecindad_.Recorrer(d, x, R_, [this](std::int32_t y, int distancia, const Vecindad::Digitos& dy) {
    if (distancia >= 3) ventana_.Ceder();
    Cubrir(y, dy);
  });
}

void ReduccionVoraz::Cubrir(std::int32_t indice, Vecindad::Digitos digitos) {
  if (pendiente_[indice] != 0) return;
  pendiente_[indice] = 1;
  std::int32_t* cuenta = cobertura_.data();
  --cuenta[indice];
  vecindad_.Recorrer(digitos, indice, R_, [cuenta](std::int32_t z, int, const Vecindad::Digitos&) { --cuenta[z]; });
}

bool ReduccionVoraz::FinEleccion(std::int32_t porcentajeCubierto) const {
  // Nothing is left to cover (only a percentage above 100 could ask for more).
  if (cubiertas_ >= M_) return true;
  if (ajustes_->ActivarNumeroApuestas == 1 && ajustes_->ApuestasExactas == 0) {
    return porcentajeCubierto >= 100 || (ajustes_->ActivarCiclos == 0 && std::ssize(elegidas_) == ajustes_->NuApuestas);
  }
  return porcentajeCubierto >= ajustes_->Porcentaje;
}

void ReduccionVoraz::GuardarMejorResultado() {
  mejorCuenta_ = static_cast<std::int32_t>(elegidas_.size());
  ventana_.MostrarMejorResultado(mejorCuenta_, ciclos_);
  TablaApuestas& finales = almacen_->ApuestasFinales;
  const TablaApuestas& condicionadas = almacen_->ApuestasCondicionadas;
  finales.Redimensionar(mejorCuenta_);
  for (std::int32_t i = 0; i < mejorCuenta_; ++i) {
    std::memcpy(finales.Fila(i + 1), condicionadas.Fila(elegidas_[i]), kBytesApuesta);
  }
  OrdenIdentidad();
  ReordenarCondicionadas();
}

// The chosen bets first, in choice order, then every other member in its previous order.
void ReduccionVoraz::ReordenarCondicionadas() {
  TablaApuestas& condicionadas = almacen_->ApuestasCondicionadas;
  if (auxiliar_.Filas() != M_) auxiliar_.Redimensionar(M_);
  // indiceEnOrden_ is refreshed at the start of every cycle: it holds the new row indexes.
  std::vector<std::int32_t>& nuevoIndice = indiceEnOrden_;
  std::int32_t escritas = 0;
  const auto copiar = [&](std::int32_t fila) {
    std::memcpy(auxiliar_.Fila(escritas + 1), condicionadas.Fila(fila), kBytesApuesta);
    nuevoIndice[escritas] = indiceFila_[fila - 1];
    ++escritas;
  };
  for (const std::int32_t fila : elegidas_) {
    filaElegida_[fila - 1] = 1;
    copiar(fila);
  }
  for (std::int32_t fila = 1; fila <= M_; ++fila) {
    if (fila % kFilasEntreCesionesReorden == 0) ventana_.Ceder();
    if (filaElegida_[fila - 1] != 0) {
      filaElegida_[fila - 1] = 0;
    } else {
      copiar(fila);
    }
  }
  std::swap(condicionadas, auxiliar_);
  std::swap(indiceFila_, nuevoIndice);
}

void ReduccionVoraz::Desordenar() {
  generador_.Reiniciar();
  generador_.Sembrar(static_cast<std::uint64_t>(ciclos_ + baseAleatoria_));
  std::int32_t* orden = almacen_->OrdenApuestas.data();
  for (std::int32_t i = 1; i <= desorden_; ++i) {
    const auto j = generador_.Entre1Y(desorden_);
    std::swap(orden[i - 1], orden[j - 1]);
  }
}

void ReduccionVoraz::OrdenIdentidad() {
  std::iota(almacen_->OrdenApuestas.begin(), almacen_->OrdenApuestas.begin() + M_, 1);
}

void ReduccionVoraz::AjustarNumeroExacto() {
  if (ajustes_->ApuestasExactas != 1 || ciclos_ == 0) return;
  ventana_.OcultarDetener();
  const std::int32_t pedidas = std::max(ajustes_->NuApuestas, 0);
  if (pedidas < mejorCuenta_) {
    ConservarPrimeras(almacen_->ApuestasFinales, pedidas);
  } else if (pedidas > mejorCuenta_) {
    RellenarFinales(pedidas);
  }
  ventana_.MostrarApuestas(almacen_->ApuestasFinales.Filas());
}

// Adds members that are not yet among the final bets, in the order in which their system
// positions appear in a fixed shuffle of all 16,777,216 bet numbers (the generator seeded
// with 1), so that the same bets are added on every run.
void ReduccionVoraz::RellenarFinales(std::int32_t pedidas) {
  const std::int32_t total = vecindad_.TotalApuestas();
  std::vector<std::uint8_t>& candidata = pendiente_;
  for (std::int32_t i = 0; i < total; ++i) candidata[i] = Miembro(i) ? 1 : 0;
  TablaApuestas& finales = almacen_->ApuestasFinales;
  for (std::int32_t fila = 1; fila <= finales.Filas(); ++fila) candidata[vecindad_.IndiceDeFila(finales.Fila(fila))] = 0;

  std::vector<std::int32_t> permutacion(kEspacioApuestas);
  std::iota(permutacion.begin(), permutacion.end(), 1);
  generador_.Reiniciar();
  generador_.Sembrar(1);
  for (int pasada = 0; pasada < kPasadasRelleno; ++pasada) {
    for (std::int32_t j = 1; j <= kEspacioApuestas; ++j) {
      const auto k = generador_.Entre1Y(kEspacioApuestas);
      std::swap(permutacion[j - 1], permutacion[k - 1]);
      if (j % kPosicionesEntreCesionesPasada == 0) {
        ventana_.MostrarAvance(Porcentaje(j, kEspacioApuestas));
        ventana_.Ceder();
      }
    }
  }

  TablaApuestas rellenas;
  rellenas.Redimensionar(pedidas);
  std::int32_t filas = finales.Filas();
  std::memcpy(rellenas.Datos(), finales.Datos(), static_cast<std::size_t>(filas) * kBytesApuesta);
  for (std::int32_t i = 1; i <= kEspacioApuestas && filas < pedidas; ++i) {
    const std::int32_t posicion = permutacion[i - 1];
    if (posicion <= total && candidata[posicion - 1] != 0) vecindad_.FilaDeIndice(posicion - 1, rellenas.Fila(++filas));
    if (i % kPosicionesEntreCesionesRecorrido == 0) {
      ventana_.MostrarAvance(Porcentaje(i, kEspacioApuestas));
      ventana_.Ceder();
    }
  }
  // Fewer members than asked for (the conditioning run refuses that case beforehand).
  if (filas < pedidas) ConservarPrimeras(rellenas, filas);
  finales = std::move(rellenas);
}

void ReduccionVoraz::Liberar() {
  Soltar(cobertura_);
  Soltar(coberturaInicial_);
  Soltar(pendiente_);
  Soltar(indiceFila_);
  Soltar(indiceEnOrden_);
  Soltar(filaElegida_);
  Soltar(elegidas_);
  auxiliar_.Liberar();
}

}  // namespace tanteo
