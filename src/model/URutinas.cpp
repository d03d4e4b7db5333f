#include "model/URutinas.h"

#include <cmath>
#include <vector>

#include "model/MiembrosBrovel.h"

namespace brovel {
namespace {

// The reference runoff, mm, at which the contouring table holds.
constexpr Real kEscorrentiaDeReferencia = 94.5L;
// The roughness of the reference surface, cm.
constexpr Real kRugosidadDeReferencia = 0.61L;

// Contouring parameters of one ridge-height class.
struct TParametrosPerfilado {
    double alturaMenorQue;  // cm; the class holds below this height (compared as the stored height is)
    Real pmb;               // lowest basic factor at the reference runoff
    Real smin;              // grade of the lowest basic factor, %
    Real scrit;             // grade where the basic factor reaches 1, %
    Real piso;              // lowest storm-adjusted factor
};

// clang-format off
constexpr TParametrosPerfilado kPerfilado[] = {
    {5.1, 0.85L, 5, 11, 0.5L},
    {7.6, 0.65L, 6, 15, 0.3L},
    {10.1, 0.45L, 7, 20, 0.15L},
    {15.2, 0.27L, 8, 26, 0.08L},
    {INFINITY, 0.10L, 8, 36, 0.05L},
};
// clang-format on

const TParametrosPerfilado& ParametrosPerfilado(double altura) {
    for (const auto& fila : kPerfilado)
        if (altura < fila.alturaMenorQue) return fila;
    return kPerfilado[std::size(kPerfilado) - 1];
}

// The slope-length factor (x / 22.1)^m; every evaluation records m.
Real FactorLongitud(TEstadoBrovel& e, Real x, Real m) {
    e.ExponenteLongitud = static_cast<double>(m);
    return Potencia(Dividir(x, 22.1L), m);
}

}  // namespace

Real DiametroMedioCurva(const TEstadoBrovel& e) {
    const int n = AcotarCantidad(e.Cpcg);
    Real suma = 0;
    for (int i = 1; i <= n - 1; ++i) {
        const Real medio = (Real(e.Dg[i]) + e.Dg[i + 1]) * 0.5L;
        const Real fraccion = Real(e.Pp[i]) - e.Pp[i + 1];
        suma = Finito(suma + Ln(medio) * fraccion);
    }
    return Exp(0.01L * suma);
}

void CalcularFes(TEstadoBrovel& e) {
    if (e.OpcionSuelo == 0) e.Dm = static_cast<double>(DiametroMedioCurva(e));
    if (e.OpcionSuelo == 0 || e.OpcionSuelo == 1) {
        const Real z = (Log10Verificado(e.Dm) + 1.659L) / 0.7101L;
        e.Fes = static_cast<double>(0.0034L + 0.0405L * Exp(-0.5L * z * z));
    } else if (e.OpcionSuelo == 2) {
        const Real m = (Real(e.Pl) + e.Pa) * e.Plm;
        e.Fes = static_cast<double>(
            (0.00021L * Potencia(m, 1.14L) * (12 - Real(e.Pmo)) + 3.25L * (e.Cspe - 2) + 2.5L * (e.Cspp - 3)) / 759);
    }
}

void CalcularFt(TEstadoBrovel& e) {
    e.FaltaExpresionLS = false;
    const Real s = e.Dt;
    const Real lambda = e.Lt;
    const Real sigma = std::sin(std::atan(s / 100));
    e.SenoPendiente = static_cast<double>(sigma);

    const Real beta = Dividir(sigma / 0.0896L, 3 * Potencia(sigma, 0.8L) + 0.56L);
    const Real m = Dividir(beta, 1 + beta);
    const bool empinada = s >= 9;
    const Real pendienteLarga = empinada ? 16.8L * sigma - 0.5L : 10.8L * sigma + 0.03L;

    Real ft;
    if (!e.Descongelamiento) {
        if (lambda > 4.5L) {
            ft = FactorLongitud(e, lambda, m) * pendienteLarga;
        } else if (!empinada) {
            ft = FactorLongitud(e, 4.5L, m) * pendienteLarga;
        } else {
            const Real corta = 3 * Potencia(sigma, 0.8L) + 0.56L;
            const Real a = FactorLongitud(e, 4.5L, m) * corta;
            const Real b = FactorLongitud(e, 4.5L, m) * pendienteLarga;
            const Real log45 = Log10Verificado(4.5L);
            const Real w = (log45 - Log10Verificado(lambda)) / log45;
            ft = Potencia(10, w * Log10Verificado(a) + (1 - w) * Log10Verificado(b));
        }
    } else {
        const Real deshielo = empinada ? Potencia(sigma / 0.0896L, 0.6L) : 10.8L * sigma + 0.03L;
        if (lambda > 4.5L) {
            ft = FactorLongitud(e, lambda, m) * deshielo;
        } else {
            e.FaltaExpresionLS = true;
            ft = FactorLongitud(e, 4.5L, m) * deshielo;
        }
    }
    e.Ft = static_cast<double>(Finito(ft));
}

Real EnergiaHietograma(const TEstadoBrovel& e, int h, int n) {
    h = AcotarCantidad(h);
    n = AcotarCantidad(n);
    const Real paso = Real(e.Pth) / 60;
    Real energia = 0;
    for (int k = 1; k <= n; ++k) {
        const Real i = Dividir(e.Cll1[h][k], paso);
        const Real unitaria = 0.29L * (1 - 0.72L * Exp(-0.05L * i));
        energia = Finito(energia + unitaria * i * paso);
    }
    return energia;
}

Real IntensidadMaxima30(const TEstadoBrovel& e, int h, int n) {
    h = AcotarCantidad(h);
    n = AcotarCantidad(n);
    const Real pth = e.Pth;
    const Real paso = pth / 60;
    auto intensidad = [&](int k) { return Dividir(e.Cll1[h][k], paso); };

    Real enteros = 0;
    Real fraccion = 0;
    if (pth < 30) {
        const Real pasos = Dividir(30, pth);
        enteros = std::trunc(pasos);
        fraccion = pasos - enteros;
    }
    // Beyond the array a window reaches no further, so the count of whole steps
    // is held within it.
    const int s = static_cast<int>(std::fmax(std::fmin(enteros, Real(kMaxElementos)), -Real(kMaxElementos)));

    std::vector<Real> ventana(static_cast<size_t>(n) + 1, 0);
    for (int k = 1; k <= n; ++k) {
        if (pth >= 30 || k == n) {
            ventana[k] = intensidad(k);
            continue;
        }
        Real suma = 0;
        for (int j = k + 1; j <= std::min(k + s, n); ++j) suma += intensidad(j);
        const int proximo = k + s + 1;
        const Real siguiente = (proximo >= 1 && proximo <= n) ? intensidad(proximo) : 0;
        ventana[k] = Dividir(suma + fraccion * siguiente, enteros + fraccion);
    }
    Real maxima = n >= 1 ? ventana[1] : 0;
    for (int k = 2; k <= n; ++k)
        if (ventana[k] > maxima) maxima = ventana[k];
    return maxima;
}

void CalcularErosividad(TEstadoBrovel& e) {
    switch (e.OpcionLluviaMedia) {
        case 0:
            e.Et = static_cast<double>(EnergiaHietograma(e, 1, e.Cph));
            e.Mi30m = static_cast<double>(IntensidadMaxima30(e, 1, e.Cph));
            e.Fde = static_cast<double>(Finito(Real(e.Et) * e.Mi30m));
            e.Felle = static_cast<double>(Finito(Real(e.Cta) * e.Fde));
            break;
        case 1: {
            const int ch = AcotarCantidad(e.Ch);
            Real suma = 0;
            for (int h = 1; h <= ch; ++h)
                suma = Finito(suma + EnergiaHietograma(e, h, e.Cph2) * IntensidadMaxima30(e, h, e.Cph2));
            e.Fde = static_cast<double>(Dividir(suma, ch));
            e.Felle = static_cast<double>(Finito(Real(e.Cta) * e.Fde));
            break;
        }
        case 2:
            e.Fde = static_cast<double>(Finito(Real(e.Et) * e.Mi30m));
            e.Felle = static_cast<double>(Finito(Real(e.Cta) * e.Fde));
            break;
        default: break;
    }
    e.Tecr = static_cast<double>(Finito(Real(e.Felle) * e.Fes * e.Ft));
}

void CalcularFp(TEstadoBrovel& e) {
    e.Fp = static_cast<double>(Finito(99 * Potencia(Real(e.Vp) * e.Cp, 0.56L)));
    e.Pspcr = static_cast<double>(Finito(Real(e.Fp) * e.Fes * e.Ft));
}

void CalcularFcss(TEstadoBrovel& e) {
    if (e.Hl && e.Ttfo < 7)
        e.Fcss = static_cast<double>(1.22L * Exp(-Real(e.Ttfo) / 7));
    else
        e.Fcss = 0.45;
}

void CalcularSups(TEstadoBrovel& e) {
    const Real raices = e.Descongelamiento ? 0.00903L : 0.00451L;
    const Real residuos = e.Descongelamiento ? 0.00189L : 0.000943L;
    const Real exponente = -raices * e.Bvs - Dividir(residuos * e.Brvs, Potencia(e.Fcss, 0.5L));
    e.Sups = static_cast<double>(Finito(0.951L * e.Fcss * Exp(exponente)));
}

void CalcularScf(TEstadoBrovel& e) { e.Scf = static_cast<double>(1 - Real(e.Fatc) * Exp(-0.33L * e.Amf / 100)); }

Real FactorTerraza(Real espaciamiento) {
    if (espaciamiento <= 33.5L) return 0.5L;
    if (espaciamiento <= 38) return 0.6L;
    if (espaciamiento <= 48) return 0.7L;
    if (espaciamiento <= 61) return 0.8L;
    if (espaciamiento <= 79) return 0.9L;
    return 1;
}

void CalcularPracticas(TEstadoBrovel& e) {
    if (e.Tp == 4) e.Fps = 1;
    if (e.Tp == 0) {
        const TParametrosPerfilado& p = ParametrosPerfilado(e.Al);
        const Real q = e.Ce;
        const Real u = Dividir(p.pmb * q, kEscorrentiaDeReferencia);
        const Real g = SenoDePendiente(p.smin);
        const Real h = SenoDePendiente(p.scrit);
        const Real l = Potencia(Dividir(kEscorrentiaDeReferencia, q), 0.857L) * h;
        const Real sigma = SenoDePendiente(e.Dt);
        e.SenoPendiente = static_cast<double>(sigma);
        const Real x = (e.Dt <= p.smin) ? sigma : g + Dividir((sigma - g) * (h - g), l - g);
        const Real a1 = Dividir(1 - p.pmb, Potencia(g, 4));
        const Real a2 = Dividir(1 - p.pmb, Potencia(l - g, 1.5L));
        Real pb;
        if (e.Dt < p.smin)
            pb = a1 * Potencia(g - x, 4) + u;
        else if (x < l)
            pb = a2 * Potencia(x - g, 1.5L) + u;
        else
            pb = 1;
        Real pt = 1 - Dividir((1 - pb) * (1 - u), 1 - p.pmb);
        if (pt < p.piso) pt = p.piso;
        const Real pg = pt + Raiz(Dividir(SenoDePendiente(e.Ps), sigma)) * (1 - pt);
        e.Fpsb = static_cast<double>(Finito(pb));
        e.Fpset = static_cast<double>(Finito(pt));
        e.Fpsed = static_cast<double>(Finito(pg));
    } else if (e.Tp == 2) {
        const Real b = FactorTerraza(e.Eet);
        const Real d = e.Pt < 0.95 ? 0.1L * Exp(2.4L * e.Pt) : 1;
        e.Fps = static_cast<double>(1 - (1 - d) * b);
    }
}

void CalcularLct(TEstadoBrovel& e) {
    if (e.Tp == 0) {
        const Real sigma = e.SenoPendiente;
        e.Lct =
            static_cast<double>(Dividir(Dividir(513 * 1000 * Potencia(e.Cmst, 1.5L), e.Ce), Potencia(sigma, 1.1667L)));
        const Real pg = e.Fpsed;
        if (e.Lct >= e.Lt)
            e.Fps = static_cast<double>(pg);
        else
            e.Fps = static_cast<double>(1 - Potencia(Dividir(e.Lct, e.Lt), Real(e.ExponenteLongitud) + 1) * (1 - pg));
    } else if (e.Tp == 3) {
        const Real k = Dividir(-Ln(0.05L), e.Tfp);
        const Real E = Exp(-k * e.Ctc);
        const Real A = 0.23L * Potencia(Dividir(2.54L, e.Irst), 1.18L);
        const Real B = 33.28L * e.SenoPendiente * (1 - e.Fliii * E) * A;
        const Real F = 1.45L * E + 0.45L;
        Real p = Dividir(Finito(15 * B + F) / 16, F);
        if (p > 1) p = 1;
        e.Fps = static_cast<double>(p);
    }
}

void CalcularScs(TEstadoBrovel& e) {
    if (!e.Hm) {
        e.Scs = 1;
        return;
    }
    const Real b = e.Mde == 0 ? 0.05L : (e.Mde == 1 ? 0.025L : 0.035L);
    const Real cubierto = 100 * (1 - Exp(-Real(e.Racmr) * e.Psrua));
    e.Scs = static_cast<double>(Exp(-b * cubierto * Potencia(Dividir(kRugosidadDeReferencia, e.Rast), 0.08L)));
}

void CalcularSrs(TEstadoBrovel& e) {
    e.Srs = static_cast<double>(Exp(-0.26L * (Real(e.Rast) - kRugosidadDeReferencia)));
}

void CalcularFcm(TEstadoBrovel& e) {
    e.Fcm = static_cast<double>(Finito(Real(e.Sups) * e.Scf * e.Scs * e.Srs * e.Shs));
}

void CalcularErosion(TEstadoBrovel& e) {
    const Real base = Finito(Real(e.Fes) * e.Ft * e.Fcm * e.Fps);
    e.TeE = static_cast<double>(Finito(Real(e.Felle) * base));
    e.PsE = static_cast<double>(Finito(Real(e.Fp) * base));
}

void CalcularLadera(TEstadoBrovel& e) {
    for (const TBloqueLadera& bloque : BloquesLadera())
        BloqueProtegido([&] {
            for (const TRutinaBrovel rutina : bloque.rutinas) Calcular(rutina, e);
        });
}

}  // namespace brovel
