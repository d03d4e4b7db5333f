// The recalculation chain: each tab copies its inputs into the model, runs its
// routines in one guarded block and shows the results. The handlers read only the
// inputs of the options in force, and only the inputs shown, so hidden inputs keep
// their values in the model. A block that drops a fault leaves its results, and
// those computed later from them, out of date until a recalculation brings them
// back.
#include <algorithm>
#include <cmath>

#include "forms/FormaBrovel.h"
#include "model/URutinas.h"

namespace brovel {
namespace {

// The field's number in its base unit, as the model keeps it.
double Leer(TCantidad& campo) { return static_cast<double>(campo.GetBaseValue()); }

}  // namespace

void TFormaBrovel::Bloque(std::initializer_list<TRutinaBrovel> rutinas, const std::function<void()>& resultados) {
    size_t completadas = 0;
    BloqueProtegido([&] {
        for (const TRutinaBrovel rutina : rutinas) {
            Calcular(rutina, Estado);
            frescura_.Actualizar(rutina, Estado, true);
            ++completadas;
        }
    });
    for (size_t i = completadas; i < rutinas.size(); ++i) frescura_.Actualizar(rutinas.begin()[i], Estado, false);
    // After a fault the fields are not written: going through them only marks them.
    escribiendo_ = completadas == rutinas.size();
    resultados();
    escribiendo_ = true;
}

void TFormaBrovel::Escribir(TCantidad& campo, double valor, const char* miembro) {
    const bool alDia = escribiendo_ && std::isfinite(valor) && (!miembro || frescura_.AlDia(miembro));
    if (escribiendo_) campo.SetBaseValue(valor);
    if (alDia)
        resultadosViejos_.erase(&campo);
    else
        resultadosViejos_.insert(&campo);
}

void TFormaBrovel::MostrarResultado(const char* campo, bool visible) {
    if (escribiendo_) Mostrar({campo}, visible);
}

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
        frescura_.Marcar({"Dm"}, true);
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

    Bloque({TRutinaBrovel::Fes, TRutinaBrovel::Ft}, [&] {
        Escribir(euFesResultado, e.Fes, "Fes");
        Escribir(euFtResultado, e.Ft, "Ft");
        MostrarResultado("euDMResultado", e.OpcionSuelo == 0);
        Escribir(euDMResultado, e.Dm, "Dm");
        if (escribiendo_ && e.FaltaExpresionLS) mensajesSuelo_.emplace_back(kMensajeSinExpresionLS);
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
        frescura_.Marcar({"Et", "Mi30m"}, true);
    } else if (OpcionLluviaMedia() == LM::Erosividad) {
        e.OpcionLluviaMedia = 3;
        e.Felle = Leer(euFele);
        frescura_.Marcar({"Felle"}, true);
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

    Bloque({TRutinaBrovel::Erosividad, TRutinaBrovel::Fp}, [&] {
        const bool conEnergia = e.OpcionLluviaMedia <= 2;
        MostrarResultado("euFdeResultado", conEnergia);
        if (conEnergia) Escribir(euFdeResultado, e.Fde, "Fde");
        Escribir(euFelleResultado, e.Felle, "Felle");
        Escribir(euVeeResultado, e.Vp, nullptr);
        Escribir(euCpeResultado, e.Cp, nullptr);
        Escribir(euFpResultado, e.Fp, "Fp");
        Escribir(euTecrResultado, e.Tecr, "Tecr");
        Escribir(euPspcrResultado, e.Pspcr, "Pspcr");
        MostrarResultado("euCEResultado", e.OpcionLluviaExtrema == 0);
        Escribir(euCEResultado, e.Ce, nullptr);
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
                frescura_.Marcar({"Fps"}, true);
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

    Bloque({TRutinaBrovel::Fcss, TRutinaBrovel::Sups, TRutinaBrovel::Scf, TRutinaBrovel::Practicas}, [&] {
        if (e.Hl) Escribir(euFcss, e.Fcss, "Fcss");
        Escribir(euSups, e.Sups, "Sups");
        Escribir(euScf, e.Scf, "Scf");
        if (e.Tp == 0) {
            Escribir(euFpsb, e.Fpsb, "Fpsb");
            Escribir(euFpset, e.Fpset, "Fpset");
            Escribir(euFpsed, e.Fpsed, "Fpsed");
        }
        if (e.Tp == 1 || e.Tp == 2 || e.Tp == 4) Escribir(euFdPdS, e.Fps, "Fps");
    });
}

void TFormaBrovel::CalcularDisipacion() {
    if (RecalculoSuspendido) return;
    CalcularCondicionantes();
    TEstadoBrovel& e = Estado;
    e.Rast = Leer(euRast);
    if (Mostrado("euCmst")) e.Cmst = Leer(euCmst);
    if (Mostrado("euIrst")) e.Irst = Leer(euIrst);

    Bloque({TRutinaBrovel::Scs, TRutinaBrovel::Srs, TRutinaBrovel::Fcm, TRutinaBrovel::Lct}, [&] {
        Escribir(euScsResultado, e.Scs, "Scs");
        Escribir(euSrsResultado, e.Srs, "Srs");
        Escribir(euFcmResultado, e.Fcm, "Fcm");
        MostrarResultado("euLctResultado", e.Tp == 0);
        if (e.Tp == 0) Escribir(euLctResultado, e.Lct, "Lct");
        MostrarResultado("euFpsResultado", e.Tp == 0 || e.Tp == 3);
        if (e.Tp == 0 || e.Tp == 3) Escribir(euFpsResultado, e.Fps, "Fps");
    });
}

void TFormaBrovel::CalcularErosionPestana() {
    if (RecalculoSuspendido) return;
    CalcularDisipacion();
    TEstadoBrovel& e = Estado;
    Bloque({TRutinaBrovel::Erosion}, [&] {
        Escribir(euFeleEResultado, e.Felle, "Felle");
        Escribir(euFpEResultado, e.Fp, "Fp");
        Escribir(euFesEResultado, e.Fes, "Fes");
        Escribir(euFtEResultado, e.Ft, "Ft");
        Escribir(euFcmEResultado, e.Fcm, "Fcm");
        Escribir(euSupsEResultado, e.Sups, "Sups");
        Escribir(euScfEResultado, e.Scf, "Scf");
        Escribir(euScsEResultado, e.Scs, "Scs");
        Escribir(euSrsEResultado, e.Srs, "Srs");
        Escribir(euShsEResultado, e.Shs, nullptr);
        Escribir(euFpsEResultado, e.Fps, "Fps");
        Escribir(euTeEResultado, e.TeE, "TeE");
        Escribir(euPsEResultado, e.PsE, "PsE");
        if (e.Tp == 0) {
            Escribir(euFpsbEResultado, e.Fpsb, "Fpsb");
            Escribir(euFpsetEResultado, e.Fpset, "Fpset");
            Escribir(euFpsedEResultado, e.Fpsed, "Fpsed");
        }
    });
}

}  // namespace brovel
