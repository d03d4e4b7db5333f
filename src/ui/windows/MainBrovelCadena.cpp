// The recalculation chain: each tab copies its inputs into the model, runs its
// routines in one guarded block and shows the results. The handlers read only the
// inputs of the options in force, so hidden inputs keep their values in the model.
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <algorithm>

#include "fields/Numeros.h"
#include "model/URutinas.h"
#include "ui/Escritorio.h"
#include "ui/fields/Unidades.h"
#include "ui/windows/LecturaCampos.h"
#include "ui/windows/MainBrovel.h"

namespace brovel {
namespace {

void Escribir(TUnidades* campo, double valor) { campo->SetBaseValue(valor); }

}  // namespace

int EnteroDeSelector(const QComboBox* selector) {
    bool leido = false;
    const int valor = selector->currentText().toInt(&leido);
    if (!leido) throw ErrorDeConversion("'" + selector->currentText().toStdString() + "' is not a valid integer value");
    return valor;
}

void TMainFormBrovel::Manejar(const std::function<void()>& trabajo) { EjecutarProtegido(this, trabajo); }

// A tab's handler run from an event. A chain already running (a message box of a
// field opened in the middle of it lets other events through) is not entered again.
void TMainFormBrovel::Cadena(const std::function<void()>& trabajo) {
    if (profundidadCadena_ > 0) return;
    ++profundidadCadena_;
    struct Salida {
        int& profundidad;
        ~Salida() { --profundidad; }
    } salida{profundidadCadena_};
    Manejar(trabajo);
}

void TMainFormBrovel::GeometriaShow() { Cadena([this] { CalcularGeometria(); }); }
void TMainFormBrovel::SueloShow() { Cadena([this] { CalcularSuelo(); }); }
void TMainFormBrovel::tsForzantesShow() { Cadena([this] { CalcularForzantes(); }); }
void TMainFormBrovel::CondicionantesShow() { Cadena([this] { CalcularCondicionantes(); }); }
void TMainFormBrovel::DisipacionShow() { Cadena([this] { CalcularDisipacion(); }); }
void TMainFormBrovel::tsErosionShow() { Cadena([this] { CalcularErosionPestana(); }); }

void TMainFormBrovel::CalcularGeometria() {
    if (RecalculoSuspendido) return;
    Estado.Dt = LeerCampo(euDt);
    Estado.Lt = LeerCampo(euLt);
}

void TMainFormBrovel::CalcularSuelo() {
    VerificarCurva();
    if (RecalculoSuspendido) return;
    MsgsS->clear();
    CalcularGeometria();
    TEstadoBrovel& e = Estado;
    if (rbCrr->isChecked()) {
        e.OpcionSuelo = 0;
        e.Cpcg = CantidadDeCampo(euCpcg);
    } else if (rbDm->isChecked()) {
        e.OpcionSuelo = 1;
        e.Dm = LeerCampo(euDm);
    } else if (rbCyT->isChecked()) {
        e.OpcionSuelo = 2;
        e.Cspe = cbCspe->currentIndex() + 1;
        e.Pl = LeerCampo(euPl);
        e.Plm = LeerCampo(euPlm);
        e.Pa = LeerCampo(euPa);
        e.Pmo = LeerCampo(euPmo);
        e.Cspp = cbCspp->currentIndex() + 1;
    }
    e.Descongelamiento = cbD->isChecked();
    e.Shs = LeerCampo(euShs);
    e.Bvs = LeerCampo(euBvs);
    e.Brvs = LeerCampo(euBrvs);

    BloqueProtegido([&] {
        CalcularFes(e);
        CalcularFt(e);
        Escribir(euFesResultado, e.Fes);
        Escribir(euFtResultado, e.Ft);
        euDMResultado->setVisible(e.OpcionSuelo == 0);
        Escribir(euDMResultado, e.Dm);
        if (e.FaltaExpresionLS)
            MsgsS->appendPlainText(QStringLiteral(
                "No existen expresiones validadas para el factor topográfico para esta longitud del brovel bajo "
                "condiciones de descongelamiento"));
    });
}

void TMainFormBrovel::CalcularForzantes() {
    if (RecalculoSuspendido) return;
    CalcularSuelo();
    TEstadoBrovel& e = Estado;
    if (rbHr->isChecked()) {
        e.OpcionLluviaMedia = 0;
        e.Pth = LeerCampo(euPth);
        e.Cph = AcotarCantidad(EnteroDeSelector(cbCph));
        e.Cta = LeerCampo(euCta);
    } else if (rbSh->isChecked()) {
        e.OpcionLluviaMedia = 1;
        e.Pth = LeerCampo(euPths);
        e.Ch = AcotarCantidad(EnteroDeSelector(cbCh));
        e.Cph2 = AcotarCantidad(EnteroDeSelector(cbCph2));
        e.Cta = LeerCampo(euCta);
    } else if (rbPre->isChecked()) {
        e.OpcionLluviaMedia = 2;
        e.Et = LeerCampo(euEt);
        e.Mi30m = LeerCampo(euMi30m);
        e.Cta = LeerCampo(euCta);
    } else if (rbFelle->isChecked()) {
        e.OpcionLluviaMedia = 3;
        e.Felle = LeerCampo(euFele);
    }
    if (rbHdlt->isChecked()) {
        e.OpcionLluviaExtrema = 0;
        e.Pth2 = LeerCampo(euPth2);
        e.Cph3 = AcotarCantidad(EnteroDeSelector(cbCph3));
    } else if (rbCe->isChecked()) {
        e.OpcionLluviaExtrema = 1;
        e.Ce = LeerCampo(euCe);
    }
    if (rbHdlt2->isChecked()) {
        e.OpcionEvento = 0;
        e.Pth3 = LeerCampo(euPth3);
        e.Cph4 = AcotarCantidad(EnteroDeSelector(cbCph4));
    } else if (rbPrde->isChecked()) {
        e.OpcionEvento = 1;
        e.Vp = LeerCampo(euVp);
        e.Cp = LeerCampo(euCp);
    }

    BloqueProtegido([&] {
        CalcularErosividad(e);
        CalcularFp(e);
        const bool conEnergia = e.OpcionLluviaMedia <= 2;
        euFdeResultado->setVisible(conEnergia);
        if (conEnergia) Escribir(euFdeResultado, e.Fde);
        Escribir(euFelleResultado, e.Felle);
        Escribir(euVeeResultado, e.Vp);
        Escribir(euCpeResultado, e.Cp);
        Escribir(euFpResultado, e.Fp);
        Escribir(euTecrResultado, e.Tecr);
        Escribir(euPspcrResultado, e.Pspcr);
        euCEResultado->setVisible(e.OpcionLluviaExtrema == 0);
        Escribir(euCEResultado, e.Ce);
    });
}

void TMainFormBrovel::CalcularCondicionantes() {
    if (RecalculoSuspendido) return;
    CalcularForzantes();
    TEstadoBrovel& e = Estado;
    e.Fatc = LeerCampo(euFatc);
    e.Amf = LeerCampo(euAmf);
    e.Hl = cbHl->isChecked();
    if (e.Hl) {
        e.Ttfo = LeerCampo(euTtfo);
        e.Fapo = LeerCampo(euFapo);
    }
    e.Hm = cbHm->isChecked();
    if (e.Hm) {
        e.Racmr = LeerCampo(euRacmr);
        e.Psrua = LeerCampo(euPsrua);
        e.Mde = static_cast<uint8_t>(std::max(cbMde->currentIndex(), 0));
    }
    if (cbHmg->isChecked()) {
        e.Tp = static_cast<uint8_t>(std::max(cbTp->currentIndex(), 0));
        switch (e.Tp) {
            case 0:
                e.Ps = LeerCampo(euPs);
                e.Al = LeerCampo(euAl);
                break;
            case 1:
                e.Fps = LeerCampo(euFps);
                break;
            case 2:
                e.Eet = LeerCampo(euEet);
                e.Pt = LeerCampo(euPt);
                break;
            case 3:
                e.Tfp = LeerCampo(euTfp);
                e.Ctc = LeerCampo(euCtc);
                e.Fliii = LeerCampo(euFliii);
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

void TMainFormBrovel::CalcularDisipacion() {
    if (RecalculoSuspendido) return;
    CalcularCondicionantes();
    TEstadoBrovel& e = Estado;
    e.Rast = LeerCampo(euRast);
    if (Visible(euCmst)) e.Cmst = LeerCampo(euCmst);
    if (Visible(euIrst)) e.Irst = LeerCampo(euIrst);

    BloqueProtegido([&] {
        CalcularScs(e);
        CalcularSrs(e);
        CalcularFcm(e);
        CalcularLct(e);
        Escribir(euScsResultado, e.Scs);
        Escribir(euSrsResultado, e.Srs);
        Escribir(euFcmResultado, e.Fcm);
        euLctResultado->setVisible(e.Tp == 0);
        if (e.Tp == 0) Escribir(euLctResultado, e.Lct);
        euFpsResultado->setVisible(e.Tp == 0 || e.Tp == 3);
        if (e.Tp == 0 || e.Tp == 3) Escribir(euFpsResultado, e.Fps);
    });
}

void TMainFormBrovel::CalcularErosionPestana() {
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
