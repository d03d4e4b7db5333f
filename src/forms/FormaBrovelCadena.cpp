// The recalculation chain: each tab copies its inputs into the model, runs its
// routines in one guarded block and shows the results. The handlers read only the
// inputs of the options in force, and only the inputs shown, so hidden inputs keep
// their values in the model.
#include <algorithm>

#include "forms/FormaBrovel.h"
#include "model/URutinas.h"

namespace brovel {
namespace {

// The field's number in its base unit, as the model keeps it.
double Leer(TCantidad& campo) { return static_cast<double>(campo.GetBaseValue()); }

void Escribir(TCantidad& campo, double valor) { campo.SetBaseValue(valor); }

}  // namespace

void TFormaBrovel::CalcularGeometria() {
    if (RecalculoSuspendido) return;
    Estado.Dt = Leer(euDt);
    Estado.Lt = Leer(euLt);
}

void TFormaBrovel::CalcularSuelo() {
    VerificarCurva();
    if (RecalculoSuspendido) return;
    mensajesSuelo_.clear();
    CalcularGeometria();
    TEstadoBrovel& e = Estado;
    if (OpcionSuelo() == TOpcionSuelo::Curva) {
        e.OpcionSuelo = 0;
        e.Cpcg = CantidadDeCampo(euCpcg);
    } else if (OpcionSuelo() == TOpcionSuelo::DiametroMedio) {
        e.OpcionSuelo = 1;
        e.Dm = Leer(euDm);
    } else if (OpcionSuelo() == TOpcionSuelo::ClaseYTextura) {
        e.OpcionSuelo = 2;
        e.Cspe = Lista(TListaBrovel::cbCspe).indice + 1;
        e.Pl = Leer(euPl);
        e.Plm = Leer(euPlm);
        e.Pa = Leer(euPa);
        e.Pmo = Leer(euPmo);
        e.Cspp = Lista(TListaBrovel::cbCspp).indice + 1;
    }
    e.Descongelamiento = Marcada(TCasilla::Descongelamiento);
    e.Shs = Leer(euShs);
    e.Bvs = Leer(euBvs);
    e.Brvs = Leer(euBrvs);

    BloqueProtegido([&] {
        CalcularFes(e);
        CalcularFt(e);
        Escribir(euFesResultado, e.Fes);
        Escribir(euFtResultado, e.Ft);
        Mostrar({"euDMResultado"}, e.OpcionSuelo == 0);
        Escribir(euDMResultado, e.Dm);
        if (e.FaltaExpresionLS) mensajesSuelo_.emplace_back(kMensajeSinExpresionLS);
    });
}

void TFormaBrovel::CalcularForzantes() {
    if (RecalculoSuspendido) return;
    CalcularSuelo();
    TEstadoBrovel& e = Estado;
    using LM = TOpcionLluviaMedia;
    if (OpcionLluviaMedia() == LM::HietogramaRepresentativo) {
        e.OpcionLluviaMedia = 0;
        e.Pth = Leer(euPth);
        e.Cph = AcotarCantidad(EnteroDeLista(Lista(TListaBrovel::cbCph)));
        e.Cta = Leer(euCta);
    } else if (OpcionLluviaMedia() == LM::SerieDeHietogramas) {
        e.OpcionLluviaMedia = 1;
        e.Pth = Leer(euPths);
        e.Ch = AcotarCantidad(EnteroDeLista(Lista(TListaBrovel::cbCh)));
        e.Cph2 = AcotarCantidad(EnteroDeLista(Lista(TListaBrovel::cbCph2)));
        e.Cta = Leer(euCta);
    } else if (OpcionLluviaMedia() == LM::ParametrosDeEnergia) {
        e.OpcionLluviaMedia = 2;
        e.Et = Leer(euEt);
        e.Mi30m = Leer(euMi30m);
        e.Cta = Leer(euCta);
    } else if (OpcionLluviaMedia() == LM::Erosividad) {
        e.OpcionLluviaMedia = 3;
        e.Felle = Leer(euFele);
    }
    if (OpcionLluviaExtrema() == TOpcionLluviaExtrema::Hietograma) {
        e.OpcionLluviaExtrema = 0;
        e.Pth2 = Leer(euPth2);
        e.Cph3 = AcotarCantidad(EnteroDeLista(Lista(TListaBrovel::cbCph3)));
    } else {
        e.OpcionLluviaExtrema = 1;
        e.Ce = Leer(euCe);
    }
    if (OpcionEvento() == TOpcionEvento::Hietograma) {
        e.OpcionEvento = 0;
        e.Pth3 = Leer(euPth3);
        e.Cph4 = AcotarCantidad(EnteroDeLista(Lista(TListaBrovel::cbCph4)));
    } else {
        e.OpcionEvento = 1;
        e.Vp = Leer(euVp);
        e.Cp = Leer(euCp);
    }

    BloqueProtegido([&] {
        CalcularErosividad(e);
        CalcularFp(e);
        const bool conEnergia = e.OpcionLluviaMedia <= 2;
        Mostrar({"euFdeResultado"}, conEnergia);
        if (conEnergia) Escribir(euFdeResultado, e.Fde);
        Escribir(euFelleResultado, e.Felle);
        Escribir(euVeeResultado, e.Vp);
        Escribir(euCpeResultado, e.Cp);
        Escribir(euFpResultado, e.Fp);
        Escribir(euTecrResultado, e.Tecr);
        Escribir(euPspcrResultado, e.Pspcr);
        Mostrar({"euCEResultado"}, e.OpcionLluviaExtrema == 0);
        Escribir(euCEResultado, e.Ce);
    });
}

void TFormaBrovel::CalcularCondicionantes() {
    if (RecalculoSuspendido) return;
    CalcularForzantes();
    TEstadoBrovel& e = Estado;
    e.Fatc = Leer(euFatc);
    e.Amf = Leer(euAmf);
    e.Hl = Marcada(TCasilla::Labranza);
    if (e.Hl) {
        e.Ttfo = Leer(euTtfo);
        e.Fapo = Leer(euFapo);
    }
    e.Hm = Marcada(TCasilla::Mulching);
    if (e.Hm) {
        e.Racmr = Leer(euRacmr);
        e.Psrua = Leer(euPsrua);
        e.Mde = static_cast<uint8_t>(std::max(Lista(TListaBrovel::cbMde).indice, 0));
    }
    if (Marcada(TCasilla::PracticasDeSoporte)) {
        e.Tp = static_cast<uint8_t>(std::max(Lista(TListaBrovel::cbTp).indice, 0));
        switch (e.Tp) {
            case 0:
                e.Ps = Leer(euPs);
                e.Al = Leer(euAl);
                break;
            case 1:
                e.Fps = Leer(euFps);
                break;
            case 2:
                e.Eet = Leer(euEet);
                e.Pt = Leer(euPt);
                break;
            case 3:
                e.Tfp = Leer(euTfp);
                e.Ctc = Leer(euCtc);
                e.Fliii = Leer(euFliii);
                break;
            default:
                break;
        }
    }

    BloqueProtegido([&] {
        CalcularFcss(e);
        CalcularSups(e);
        CalcularScf(e);
        CalcularPracticas(e);
        if (e.Hl) Escribir(euFcss, e.Fcss);
        Escribir(euSups, e.Sups);
        Escribir(euScf, e.Scf);
        if (e.Tp == 0) {
            Escribir(euFpsb, e.Fpsb);
            Escribir(euFpset, e.Fpset);
            Escribir(euFpsed, e.Fpsed);
        }
        if (e.Tp == 1 || e.Tp == 2 || e.Tp == 4) Escribir(euFdPdS, e.Fps);
    });
}

void TFormaBrovel::CalcularDisipacion() {
    if (RecalculoSuspendido) return;
    CalcularCondicionantes();
    TEstadoBrovel& e = Estado;
    e.Rast = Leer(euRast);
    if (Mostrado("euCmst")) e.Cmst = Leer(euCmst);
    if (Mostrado("euIrst")) e.Irst = Leer(euIrst);

    BloqueProtegido([&] {
        CalcularScs(e);
        CalcularSrs(e);
        CalcularFcm(e);
        CalcularLct(e);
        Escribir(euScsResultado, e.Scs);
        Escribir(euSrsResultado, e.Srs);
        Escribir(euFcmResultado, e.Fcm);
        Mostrar({"euLctResultado"}, e.Tp == 0);
        if (e.Tp == 0) Escribir(euLctResultado, e.Lct);
        Mostrar({"euFpsResultado"}, e.Tp == 0 || e.Tp == 3);
        if (e.Tp == 0 || e.Tp == 3) Escribir(euFpsResultado, e.Fps);
    });
}

void TFormaBrovel::CalcularErosionPestana() {
    if (RecalculoSuspendido) return;
    CalcularDisipacion();
    TEstadoBrovel& e = Estado;
    BloqueProtegido([&] {
        CalcularErosion(e);
        Escribir(euFeleEResultado, e.Felle);
        Escribir(euFpEResultado, e.Fp);
        Escribir(euFesEResultado, e.Fes);
        Escribir(euFtEResultado, e.Ft);
        Escribir(euFcmEResultado, e.Fcm);
        Escribir(euSupsEResultado, e.Sups);
        Escribir(euScfEResultado, e.Scf);
        Escribir(euScsEResultado, e.Scs);
        Escribir(euSrsEResultado, e.Srs);
        Escribir(euShsEResultado, e.Shs);
        Escribir(euFpsEResultado, e.Fps);
        Escribir(euTeEResultado, e.TeE);
        Escribir(euPsEResultado, e.PsE);
        if (e.Tp == 0) {
            Escribir(euFpsbEResultado, e.Fpsb);
            Escribir(euFpsetEResultado, e.Fpset);
            Escribir(euFpsedEResultado, e.Fpsed);
        }
    });
}

}  // namespace brovel
