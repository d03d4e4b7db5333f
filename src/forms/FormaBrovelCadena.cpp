// The recalculation chain: each tab copies its inputs into the model, runs its
// routines in one guarded block and shows the results. The handlers read only the
// inputs of the options in force, and only the inputs shown, so hidden inputs keep
// their values in the model. A block that drops a fault leaves its results, and
// those computed later from them, out of date until a recalculation brings them
// back.
#include <algorithm>
#include <cmath>
#include <optional>

#include "forms/FormaBrovel.h"
#include "model/URutinas.h"

namespace brovel {
namespace {

using E = TEstadoBrovel;

}  // namespace

void TFormaBrovel::Bloque(TPestanaLadera pestana, const std::function<void()>& resultados) {
    const std::vector<TRutinaBrovel>& rutinas = RutinasDe(pestana);
    size_t completadas = 0;
    std::optional<std::string> falla;
    try {
        for (const TRutinaBrovel rutina : rutinas) {
            Calcular(rutina, Estado);
            frescura_.Actualizar(rutina, Estado, std::nullopt);
            ++completadas;
        }
    } catch (const ErrorAritmetico& error) {
        falla = MotivoDeFalla(rutinas[completadas], Estado, error.what());
    }
    // The routines the fault stopped keep their previous results.
    for (size_t i = completadas; i < rutinas.size(); ++i) frescura_.Actualizar(rutinas[i], Estado, falla);
    resultados();
}

void TFormaBrovel::RevisarResultado(const char* miembro, double valor) {
    if (frescura_.AlDia(miembro) && !std::isfinite(valor))
        frescura_.Marcar({miembro}, "No se pudo calcular: el resultado no es un número finito");
}

void TFormaBrovel::MostrarResultado(const char* campo, bool visible) { Mostrar({campo}, visible); }

void TFormaBrovel::CalcularGeometria() {
    if (RecalculoSuspendido) return;
    Copiar(euDt, &E::Dt);
    Copiar(euLt, &E::Lt);
}

void TFormaBrovel::CalcularSuelo() {
    VerificarCurva();
    if (RecalculoSuspendido) return;
    mensajesSuelo_.clear();
    CalcularGeometria();
    TEstadoBrovel& e = Estado;
    if (OpcionSuelo() == TOpcionSuelo::Curva) {
        e.OpcionSuelo = 0;
        if (MarcarEntrada(euCpcg, &E::Cpcg)) e.Cpcg = CantidadDeCampo(euCpcg);
        // The curve's arrays hold only numbers within range: the editor does not
        // store one outside it, which then stands for its point.
        MarcarEntrada(euDg, &E::Dg);
        MarcarEntrada(euPp, &E::Pp);
    } else if (OpcionSuelo() == TOpcionSuelo::DiametroMedio) {
        e.OpcionSuelo = 1;
        Copiar(euDm, &E::Dm);
    } else if (OpcionSuelo() == TOpcionSuelo::ClaseYTextura) {
        e.OpcionSuelo = 2;
        e.Cspe = Lista(TListaBrovel::cbCspe).indice + 1;
        Copiar(euPl, &E::Pl);
        Copiar(euPlm, &E::Plm);
        Copiar(euPa, &E::Pa);
        Copiar(euPmo, &E::Pmo);
        e.Cspp = Lista(TListaBrovel::cbCspp).indice + 1;
    }
    e.Descongelamiento = Marcada(TCasilla::Descongelamiento);
    Copiar(euShs, &E::Shs);
    Copiar(euBvs, &E::Bvs);
    Copiar(euBrvs, &E::Brvs);

    Bloque(TPestanaLadera::Suelo, [&] {
        Escribir(euFesResultado, &E::Fes);
        Escribir(euFtResultado, &E::Ft);
        MostrarResultado("euDMResultado", e.OpcionSuelo == 0);
        Escribir(euDMResultado, &E::Dm);
        if (frescura_.AlDia(&E::Ft) && e.FaltaExpresionLS) mensajesSuelo_.emplace_back(kMensajeSinExpresionLS);
    });
}

void TFormaBrovel::CalcularForzantes() {
    if (RecalculoSuspendido) return;
    CalcularSuelo();
    TEstadoBrovel& e = Estado;
    using LM = TOpcionLluviaMedia;
    if (OpcionLluviaMedia() == LM::HietogramaRepresentativo) {
        e.OpcionLluviaMedia = 0;
        Copiar(euPth, &E::Pth);
        e.Cph = AcotarCantidad(EnteroDeLista(Lista(TListaBrovel::cbCph)));
        Copiar(euCta, &E::Cta);
        MarcarEntrada(euCll, &E::Cll1);
    } else if (OpcionLluviaMedia() == LM::SerieDeHietogramas) {
        e.OpcionLluviaMedia = 1;
        Copiar(euPths, &E::Pth);
        e.Ch = AcotarCantidad(EnteroDeLista(Lista(TListaBrovel::cbCh)));
        e.Cph2 = AcotarCantidad(EnteroDeLista(Lista(TListaBrovel::cbCph2)));
        Copiar(euCta, &E::Cta);
        MarcarEntrada(euCll1, &E::Cll1);
    } else if (OpcionLluviaMedia() == LM::ParametrosDeEnergia) {
        e.OpcionLluviaMedia = 2;
        Copiar(euEt, &E::Et);
        Copiar(euMi30m, &E::Mi30m);
        Copiar(euCta, &E::Cta);
    } else if (OpcionLluviaMedia() == LM::Erosividad) {
        e.OpcionLluviaMedia = 3;
        Copiar(euFele, &E::Felle);
    }
    if (OpcionLluviaExtrema() == TOpcionLluviaExtrema::Hietograma) {
        e.OpcionLluviaExtrema = 0;
        Copiar(euPth2, &E::Pth2);
        MarcarEntrada(euCll2, &E::Cll2);
        e.Cph3 = AcotarCantidad(EnteroDeLista(Lista(TListaBrovel::cbCph3)));
    } else {
        e.OpcionLluviaExtrema = 1;
        Copiar(euCe, &E::Ce);
    }
    if (OpcionEvento() == TOpcionEvento::Hietograma) {
        e.OpcionEvento = 0;
        Copiar(euPth3, &E::Pth3);
        MarcarEntrada(euCll3, &E::Cll3);
        e.Cph4 = AcotarCantidad(EnteroDeLista(Lista(TListaBrovel::cbCph4)));
    } else {
        e.OpcionEvento = 1;
        Copiar(euVp, &E::Vp);
        Copiar(euCp, &E::Cp);
    }

    Bloque(TPestanaLadera::Forzantes, [&] {
        const bool conEnergia = e.OpcionLluviaMedia <= 2;
        MostrarResultado("euFdeResultado", conEnergia);
        if (conEnergia) Escribir(euFdeResultado, &E::Fde);
        Escribir(euFelleResultado, &E::Felle);
        Escribir(euVeeResultado, &E::Vp);
        Escribir(euCpeResultado, &E::Cp);
        Escribir(euFpResultado, &E::Fp);
        Escribir(euTecrResultado, &E::Tecr);
        Escribir(euPspcrResultado, &E::Pspcr);
        MostrarResultado("euCEResultado", e.OpcionLluviaExtrema == 0);
        Escribir(euCEResultado, &E::Ce);
    });
}

void TFormaBrovel::CalcularCondicionantes() {
    if (RecalculoSuspendido) return;
    CalcularForzantes();
    TEstadoBrovel& e = Estado;
    Copiar(euFatc, &E::Fatc);
    Copiar(euAmf, &E::Amf);
    e.Hl = Marcada(TCasilla::Labranza);
    if (e.Hl) {
        Copiar(euTtfo, &E::Ttfo);
        Copiar(euFapo, &E::Fapo);
    }
    e.Hm = Marcada(TCasilla::Mulching);
    if (e.Hm) {
        Copiar(euRacmr, &E::Racmr);
        Copiar(euPsrua, &E::Psrua);
        e.Mde = static_cast<uint8_t>(std::max(Lista(TListaBrovel::cbMde).indice, 0));
    }
    if (Marcada(TCasilla::PracticasDeSoporte)) {
        e.Tp = static_cast<uint8_t>(std::max(Lista(TListaBrovel::cbTp).indice, 0));
        switch (e.Tp) {
            case 0:
                Copiar(euPs, &E::Ps);
                Copiar(euAl, &E::Al);
                break;
            case 1: Copiar(euFps, &E::Fps); break;
            case 2:
                Copiar(euEet, &E::Eet);
                Copiar(euPt, &E::Pt);
                break;
            case 3:
                Copiar(euTfp, &E::Tfp);
                Copiar(euCtc, &E::Ctc);
                Copiar(euFliii, &E::Fliii);
                break;
            default: break;
        }
    }

    Bloque(TPestanaLadera::Condicionantes, [&] {
        if (e.Hl) Escribir(euFcss, &E::Fcss);
        Escribir(euSups, &E::Sups);
        Escribir(euScf, &E::Scf);
        if (e.Tp == 0) {
            Escribir(euFpsb, &E::Fpsb);
            Escribir(euFpset, &E::Fpset);
            Escribir(euFpsed, &E::Fpsed);
        }
        if (e.Tp == 1 || e.Tp == 2 || e.Tp == 4) Escribir(euFdPdS, &E::Fps);
    });
}

void TFormaBrovel::CalcularDisipacion() {
    if (RecalculoSuspendido) return;
    CalcularCondicionantes();
    TEstadoBrovel& e = Estado;
    Copiar(euRast, &E::Rast);
    if (Mostrado("euCmst")) Copiar(euCmst, &E::Cmst);
    if (Mostrado("euIrst")) Copiar(euIrst, &E::Irst);

    Bloque(TPestanaLadera::Disipacion, [&] {
        Escribir(euScsResultado, &E::Scs);
        Escribir(euSrsResultado, &E::Srs);
        Escribir(euFcmResultado, &E::Fcm);
        MostrarResultado("euLctResultado", e.Tp == 0);
        if (e.Tp == 0) Escribir(euLctResultado, &E::Lct);
        MostrarResultado("euFpsResultado", e.Tp == 0 || e.Tp == 3);
        if (e.Tp == 0 || e.Tp == 3) Escribir(euFpsResultado, &E::Fps);
    });
}

void TFormaBrovel::CalcularErosionPestana() {
    if (RecalculoSuspendido) return;
    CalcularDisipacion();
    TEstadoBrovel& e = Estado;
    Bloque(TPestanaLadera::Erosion, [&] {
        Escribir(euFeleEResultado, &E::Felle);
        Escribir(euFpEResultado, &E::Fp);
        Escribir(euFesEResultado, &E::Fes);
        Escribir(euFtEResultado, &E::Ft);
        Escribir(euFcmEResultado, &E::Fcm);
        Escribir(euSupsEResultado, &E::Sups);
        Escribir(euScfEResultado, &E::Scf);
        Escribir(euScsEResultado, &E::Scs);
        Escribir(euSrsEResultado, &E::Srs);
        Escribir(euShsEResultado, &E::Shs);
        Escribir(euFpsEResultado, &E::Fps);
        Escribir(euTeEResultado, &E::TeE);
        Escribir(euPsEResultado, &E::PsE);
        if (e.Tp == 0) {
            Escribir(euFpsbEResultado, &E::Fpsb);
            Escribir(euFpsetEResultado, &E::Fpset);
            Escribir(euFpsedEResultado, &E::Fpsed);
        }
    });
}

}  // namespace brovel
