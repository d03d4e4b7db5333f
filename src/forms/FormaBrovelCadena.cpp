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

// The field's number in its base unit, as the model keeps it.
double Leer(TCantidad& campo) { return static_cast<double>(campo.GetBaseValue()); }

}  // namespace

void TFormaBrovel::Copiar(TCantidad& campo, double& destino, const char* miembro) {
    if (MarcarEntrada(campo, miembro)) destino = Leer(campo);
}

bool TFormaBrovel::MarcarEntrada(TCantidad& campo, const char* miembro) {
    const std::optional<std::string> motivo = MotivoFueraDeRango(campo);
    frescura_.Marcar({miembro}, motivo);
    return !motivo;
}

void TFormaBrovel::Bloque(std::initializer_list<TRutinaBrovel> rutinas, const std::function<void()>& resultados) {
    size_t completadas = 0;
    std::optional<std::string> falla;
    try {
        for (const TRutinaBrovel rutina : rutinas) {
            Calcular(rutina, Estado);
            frescura_.Actualizar(rutina, Estado, std::nullopt);
            ++completadas;
        }
    } catch (const ErrorAritmetico& error) {
        falla = MotivoDeFalla(rutinas.begin()[completadas], Estado, error.what());
    }
    // The routines the fault stopped keep their previous results.
    for (size_t i = completadas; i < rutinas.size(); ++i) frescura_.Actualizar(rutinas.begin()[i], Estado, falla);
    resultados();
}

// A field shows its member's number while the member is up to date; one out of
// date keeps the number it showed, and its mark follows the member's, so the same
// result is marked alike on every tab.
void TFormaBrovel::Escribir(TCantidad& campo, double valor, const char* miembro) {
    miembroDeCampo_[&campo] = miembro;
    if (frescura_.AlDia(miembro) && !std::isfinite(valor))
        frescura_.Marcar({miembro}, "No se pudo calcular: el resultado no es un número finito");
    if (frescura_.AlDia(miembro)) campo.SetBaseValue(valor);
}

void TFormaBrovel::MostrarResultado(const char* campo, bool visible) { Mostrar({campo}, visible); }

void TFormaBrovel::CalcularGeometria() {
    if (RecalculoSuspendido) return;
    Copiar(euDt, Estado.Dt, "Dt");
    Copiar(euLt, Estado.Lt, "Lt");
}

void TFormaBrovel::CalcularSuelo() {
    VerificarCurva();
    if (RecalculoSuspendido) return;
    mensajesSuelo_.clear();
    CalcularGeometria();
    TEstadoBrovel& e = Estado;
    if (OpcionSuelo() == TOpcionSuelo::Curva) {
        e.OpcionSuelo = 0;
        if (MarcarEntrada(euCpcg, "Cpcg")) e.Cpcg = CantidadDeCampo(euCpcg);
        // The curve's arrays hold only numbers within range: the editor does not
        // store one outside it, which then stands for its point.
        MarcarEntrada(euDg, "Dg");
        MarcarEntrada(euPp, "Pp");
    } else if (OpcionSuelo() == TOpcionSuelo::DiametroMedio) {
        e.OpcionSuelo = 1;
        Copiar(euDm, e.Dm, "Dm");
    } else if (OpcionSuelo() == TOpcionSuelo::ClaseYTextura) {
        e.OpcionSuelo = 2;
        e.Cspe = Lista(TListaBrovel::cbCspe).indice + 1;
        Copiar(euPl, e.Pl, "Pl");
        Copiar(euPlm, e.Plm, "Plm");
        Copiar(euPa, e.Pa, "Pa");
        Copiar(euPmo, e.Pmo, "Pmo");
        e.Cspp = Lista(TListaBrovel::cbCspp).indice + 1;
    }
    e.Descongelamiento = Marcada(TCasilla::Descongelamiento);
    Copiar(euShs, e.Shs, "Shs");
    Copiar(euBvs, e.Bvs, "Bvs");
    Copiar(euBrvs, e.Brvs, "Brvs");

    Bloque({TRutinaBrovel::Fes, TRutinaBrovel::Ft}, [&] {
        Escribir(euFesResultado, e.Fes, "Fes");
        Escribir(euFtResultado, e.Ft, "Ft");
        MostrarResultado("euDMResultado", e.OpcionSuelo == 0);
        Escribir(euDMResultado, e.Dm, "Dm");
        if (frescura_.AlDia("Ft") && e.FaltaExpresionLS) mensajesSuelo_.emplace_back(kMensajeSinExpresionLS);
    });
}

void TFormaBrovel::CalcularForzantes() {
    if (RecalculoSuspendido) return;
    CalcularSuelo();
    TEstadoBrovel& e = Estado;
    using LM = TOpcionLluviaMedia;
    if (OpcionLluviaMedia() == LM::HietogramaRepresentativo) {
        e.OpcionLluviaMedia = 0;
        Copiar(euPth, e.Pth, "Pth");
        e.Cph = AcotarCantidad(EnteroDeLista(Lista(TListaBrovel::cbCph)));
        Copiar(euCta, e.Cta, "Cta");
        MarcarEntrada(euCll, "Cll1");
    } else if (OpcionLluviaMedia() == LM::SerieDeHietogramas) {
        e.OpcionLluviaMedia = 1;
        Copiar(euPths, e.Pth, "Pth");
        e.Ch = AcotarCantidad(EnteroDeLista(Lista(TListaBrovel::cbCh)));
        e.Cph2 = AcotarCantidad(EnteroDeLista(Lista(TListaBrovel::cbCph2)));
        Copiar(euCta, e.Cta, "Cta");
        MarcarEntrada(euCll1, "Cll1");
    } else if (OpcionLluviaMedia() == LM::ParametrosDeEnergia) {
        e.OpcionLluviaMedia = 2;
        Copiar(euEt, e.Et, "Et");
        Copiar(euMi30m, e.Mi30m, "Mi30m");
        Copiar(euCta, e.Cta, "Cta");
    } else if (OpcionLluviaMedia() == LM::Erosividad) {
        e.OpcionLluviaMedia = 3;
        Copiar(euFele, e.Felle, "Felle");
    }
    if (OpcionLluviaExtrema() == TOpcionLluviaExtrema::Hietograma) {
        e.OpcionLluviaExtrema = 0;
        Copiar(euPth2, e.Pth2, "Pth2");
        MarcarEntrada(euCll2, "Cll2");
        e.Cph3 = AcotarCantidad(EnteroDeLista(Lista(TListaBrovel::cbCph3)));
    } else {
        e.OpcionLluviaExtrema = 1;
        Copiar(euCe, e.Ce, "Ce");
    }
    if (OpcionEvento() == TOpcionEvento::Hietograma) {
        e.OpcionEvento = 0;
        Copiar(euPth3, e.Pth3, "Pth3");
        MarcarEntrada(euCll3, "Cll3");
        e.Cph4 = AcotarCantidad(EnteroDeLista(Lista(TListaBrovel::cbCph4)));
    } else {
        e.OpcionEvento = 1;
        Copiar(euVp, e.Vp, "Vp");
        Copiar(euCp, e.Cp, "Cp");
    }

    Bloque({TRutinaBrovel::Erosividad, TRutinaBrovel::Fp}, [&] {
        const bool conEnergia = e.OpcionLluviaMedia <= 2;
        MostrarResultado("euFdeResultado", conEnergia);
        if (conEnergia) Escribir(euFdeResultado, e.Fde, "Fde");
        Escribir(euFelleResultado, e.Felle, "Felle");
        Escribir(euVeeResultado, e.Vp, "Vp");
        Escribir(euCpeResultado, e.Cp, "Cp");
        Escribir(euFpResultado, e.Fp, "Fp");
        Escribir(euTecrResultado, e.Tecr, "Tecr");
        Escribir(euPspcrResultado, e.Pspcr, "Pspcr");
        MostrarResultado("euCEResultado", e.OpcionLluviaExtrema == 0);
        Escribir(euCEResultado, e.Ce, "Ce");
    });
}

void TFormaBrovel::CalcularCondicionantes() {
    if (RecalculoSuspendido) return;
    CalcularForzantes();
    TEstadoBrovel& e = Estado;
    Copiar(euFatc, e.Fatc, "Fatc");
    Copiar(euAmf, e.Amf, "Amf");
    e.Hl = Marcada(TCasilla::Labranza);
    if (e.Hl) {
        Copiar(euTtfo, e.Ttfo, "Ttfo");
        Copiar(euFapo, e.Fapo, "Fapo");
    }
    e.Hm = Marcada(TCasilla::Mulching);
    if (e.Hm) {
        Copiar(euRacmr, e.Racmr, "Racmr");
        Copiar(euPsrua, e.Psrua, "Psrua");
        e.Mde = static_cast<uint8_t>(std::max(Lista(TListaBrovel::cbMde).indice, 0));
    }
    if (Marcada(TCasilla::PracticasDeSoporte)) {
        e.Tp = static_cast<uint8_t>(std::max(Lista(TListaBrovel::cbTp).indice, 0));
        switch (e.Tp) {
            case 0:
                Copiar(euPs, e.Ps, "Ps");
                Copiar(euAl, e.Al, "Al");
                break;
            case 1:
                Copiar(euFps, e.Fps, "Fps");
                break;
            case 2:
                Copiar(euEet, e.Eet, "Eet");
                Copiar(euPt, e.Pt, "Pt");
                break;
            case 3:
                Copiar(euTfp, e.Tfp, "Tfp");
                Copiar(euCtc, e.Ctc, "Ctc");
                Copiar(euFliii, e.Fliii, "Fliii");
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
    Copiar(euRast, e.Rast, "Rast");
    if (Mostrado("euCmst")) Copiar(euCmst, e.Cmst, "Cmst");
    if (Mostrado("euIrst")) Copiar(euIrst, e.Irst, "Irst");

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
        Escribir(euShsEResultado, e.Shs, "Shs");
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
