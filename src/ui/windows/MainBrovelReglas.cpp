// The slope window around the model: what each option shows, the editors of the
// grain-size curve and of the hyetographs, the checks of the soil data with the
// status panel, and the values a new project starts from. Every handler ends in
// the chain handler of its tab.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

#include <cmath>

#include "ui/fields/Unidades.h"
#include "ui/windows/Formulario.h"
#include "ui/windows/LecturaCampos.h"
#include "ui/windows/MainBrovel.h"
#include "ui/windows/PanelEstado.h"

namespace brovel {
namespace {

void Mostrar(std::initializer_list<QWidget*> controles, bool visibles) {
    for (QWidget* control : controles) control->setVisible(visibles);
}

// The entry selected in a list as a position from 1; 0 when the list is empty.
int Posicion(const QComboBox* selector) { return AcotarCantidad(selector->currentIndex() + 1); }

const QString kFaltaVerificar = QStringLiteral("Falta Verificar los datos de Diámetro Medio y Porcentaje Pasante");
const QString kNoDecreciente =
    QStringLiteral("ERROR: El rango de datos de Diámetro Medio y Porcentaje Pasante no es decreciente");
const QString kArena = QStringLiteral("ERROR: porcentaje de arena debe ser menor");
const QString kLimos = QStringLiteral("ERROR: porcentaje de limos modificado debe ser mayor");
const QString kFaltaZumbrel = QStringLiteral("ERROR: Es Necesario abrir Zumbrel para tomarlos valores");

}  // namespace

bool TMainFormBrovel::Visible(const QWidget* control) {
    // Shown on its tab, whichever tab is current and whether or not the window is.
    for (const QWidget* w = control; w && !w->isWindow(); w = w->parentWidget()) {
        if (qobject_cast<const QStackedWidget*>(w->parentWidget())) break;  // the tab's page
        if (OcultoExplicitamente(w)) return false;
    }
    return true;
}

// Options.

void TMainFormBrovel::rbCrrClick() {
    Manejar([this] {
        Mostrar({euCpcg, cbPcg, lblPcg, euDg, euPp, Button1}, rbCrr->isChecked());
        Mostrar({euDm}, rbDm->isChecked());
        Mostrar({lblCspe, cbCspe, euPl, euPlm, euPa, euPmo, lblCspp, cbCspp}, rbCyT->isChecked());
        SueloShow();
    });
}

void TMainFormBrovel::rbHrClick(QObject* boton) {
    Manejar([this, boton] {
        const QString nombre = boton->objectName();
        Mostrar({euPth, lblCph, cbCph, pHr}, nombre == QLatin1String("rbHr"));
        Mostrar({euCta}, nombre != QLatin1String("rbFelle"));
        Mostrar({euPths, cbCh, lblCh, cbCph2, lblCph2, pSh}, nombre == QLatin1String("rbSh"));
        Mostrar({euEt, euMi30m}, nombre == QLatin1String("rbPre"));
        Mostrar({euFele}, nombre == QLatin1String("rbFelle"));
        tsForzantesShow();
    });
}

void TMainFormBrovel::rbHdltClick(QObject* boton) {
    Manejar([this, boton] {
        const QString nombre = boton->objectName();
        Mostrar({euPth2, cbCph3, lblCph3, pHt2, btUsarZumbrel}, nombre == QLatin1String("rbHdlt"));
        Mostrar({euCe}, nombre == QLatin1String("rbCe"));
        tsForzantesShow();
    });
}

void TMainFormBrovel::rbHdlt2Click(QObject* boton) {
    Manejar([this, boton] {
        const bool hietograma = boton->objectName() == QLatin1String("rbHdlt2");
        Mostrar({euPth3, cbCph4, lblCph4, pHt3, btUsarZumbrel2}, hietograma);
        Mostrar({euVp, euCp}, !hietograma);
        tsForzantesShow();
    });
}

void TMainFormBrovel::cbHlClick() {
    Manejar([this] {
        Mostrar({euTtfo, euFcss}, cbHl->isChecked());
        CondicionantesShow();
    });
}

void TMainFormBrovel::cbHmClick() {
    Manejar([this] {
        Mostrar({euRacmr, euPsrua, lblMde, cbMde}, cbHm->isChecked());
        CondicionantesShow();
    });
}

void TMainFormBrovel::cbHmgClick() {
    Manejar([this] {
        Mostrar({cbTp, lblTp}, cbHmg->isChecked());
        cbTpChange();
    });
}

void TMainFormBrovel::cbTpChange() {
    Manejar([this] {
        const int i = cbTp->currentIndex();
        const bool hay = cbHmg->isChecked();
        Mostrar({euPs, euAl, euFpsb, euFpset, euFpsed, euCmst, euFpsbEResultado, euFpsetEResultado,
                 euFpsedEResultado},
                i == 0 && hay);
        Mostrar({euFps}, i == 1 && hay);
        Mostrar({euEet, euPt}, i == 2 && hay);
        Mostrar({euTfp, euCtc, euFliii, euIrst}, i == 3 && hay);
        Mostrar({euFdPdS}, ((i == 1 || i == 2) && hay) || !hay);
        if (!hay) Estado.Tp = 4;
        CondicionantesShow();
    });
}

// The grain-size curve.

int TMainFormBrovel::PuntoSeleccionado() const { return Posicion(cbPcg); }

void TMainFormBrovel::euCpcgChange() {
    Manejar([this] {
        euCpcg->SetBaseValue(std::trunc(euCpcg->GetBaseValue()));
        LlenarCombo(cbPcg, CantidadDeCampo(euCpcg));
        SueloShow();
    });
}

void TMainFormBrovel::cbPcgChange() {
    Manejar([this] {
        const int i = PuntoSeleccionado();
        if (i >= 1) {
            euDg->SetBaseValue(Estado.Dg[i]);
            euPp->SetBaseValue(Estado.Pp[i]);
        }
        SueloShow();
    });
}

void TMainFormBrovel::euDgChange() {
    Manejar([this] {
        const int i = PuntoSeleccionado();
        if (i >= 1) {
            const double valor = LeerCampo(euDg);
            // Lowering a diameter can only be judged against the whole curve.
            if (Estado.Dg[i] - valor > 1e-11) FaltaVerificar = true;
            Estado.Dg[i] = valor;
        }
        ActualizarEstado();
        SueloShow();
    });
}

void TMainFormBrovel::euPpChange() {
    Manejar([this] {
        const int i = PuntoSeleccionado();
        if (i >= 1) Estado.Pp[i] = LeerCampo(euPp);
        SueloShow();
    });
}

void TMainFormBrovel::Button1Click() { Manejar([this] { VerificarCurva(); }); }

void TMainFormBrovel::VerificarCurva() {
    if (rbCrr->isChecked()) {
        ErrorRango = false;
        FaltaVerificar = false;
        const int n = AcotarCantidad(Estado.Cpcg);
        for (int i = 2; i <= n; ++i) {
            if (Estado.Dg[i - 1] < Estado.Dg[i] || Estado.Pp[i - 1] < Estado.Pp[i]) {
                ErrorRango = true;
                break;
            }
        }
    }
    ActualizarEstado();
}

// Texture: silt bounds modified silt from below and sand from above.

void TMainFormBrovel::euPlChange() {
    Manejar([this] {
        const long double limos = euPl->GetBaseValue();
        euPlm->SetBaseMin(limos);
        euPa->SetBaseMax(100 - limos);
        euPlm->SetUseRange(true);
        euPa->SetUseRange(true);
        VerificarLimos();
        SueloShow();
    });
}

void TMainFormBrovel::euPlmChange() {
    Manejar([this] {
        VerificarLimos();
        VerificarArena();
        SueloShow();
    });
}

void TMainFormBrovel::euPaChange() {
    Manejar([this] {
        VerificarArena();
        SueloShow();
    });
}

void TMainFormBrovel::VerificarLimos() {
    if (rbCyT->isChecked()) ErrorLimos = euPl->GetBaseValue() > euPlm->GetBaseValue();
    ActualizarEstado();
}

void TMainFormBrovel::VerificarArena() {
    if (rbCyT->isChecked()) ErrorArena = euPlm->GetBaseValue() < euPa->GetBaseValue();
    ActualizarEstado();
}

void TMainFormBrovel::ActualizarEstado() {
    RecalculoSuspendido = true;
    const bool curva = rbCrr->isChecked();
    const bool textura = rbCyT->isChecked();
    QString mensaje;
    if (curva && FaltaVerificar)
        mensaje = kFaltaVerificar;
    else if (curva && ErrorRango)
        mensaje = kNoDecreciente;
    else if (textura && ErrorArena)
        mensaje = kArena;
    else if (textura && ErrorLimos)
        mensaje = kLimos;

    if (mensaje.isEmpty()) {
        Panel1->MostrarOk();
        RecalculoSuspendido = false;
    } else {
        Panel1->MostrarError(mensaje);
    }
    // The runoff values are stale; the model goes on with them.
    if (FaltaZumbrel) Panel1->MostrarError(kFaltaZumbrel);
}

// The hyetographs.

void TMainFormBrovel::LlenarCombo(QComboBox* selector, int n) {
    selector->clear();
    for (int i = 1; i <= AcotarCantidad(n); ++i) selector->addItem(QString::number(i));
    selector->setCurrentIndex(selector->count() > 0 ? 0 : -1);
}

void TMainFormBrovel::Seleccionar(QComboBox* selector, const QString& texto) {
    selector->setCurrentIndex(selector->findText(texto));
}

void TMainFormBrovel::cbCphChange() {
    Manejar([this] {
        LlenarCombo(cbPhn, EnteroDeSelector(cbCph));
        tsForzantesShow();
    });
}

void TMainFormBrovel::cbPhnChange() {
    Manejar([this] {
        if (const int k = Posicion(cbPhn)) euCll->SetBaseValue(Estado.Cll1[1][k]);
        tsForzantesShow();
    });
}

void TMainFormBrovel::euCllChange() {
    Manejar([this] {
        if (const int k = Posicion(cbPhn)) Estado.Cll1[1][k] = LeerCampo(euCll);
        tsForzantesShow();
    });
}

void TMainFormBrovel::cbChChange() {
    Manejar([this] {
        LlenarCombo(cbHn, EnteroDeSelector(cbCh));
        tsForzantesShow();
    });
}

void TMainFormBrovel::cbCph2Change() {
    Manejar([this] {
        LlenarCombo(cbPhn2, EnteroDeSelector(cbCph2));
        tsForzantesShow();
    });
}

void TMainFormBrovel::cbHnChange() {
    Manejar([this] {
        const int h = Posicion(cbHn);
        const int k = Posicion(cbPhn2);
        if (h >= 1 && k >= 1) euCll1->SetBaseValue(Estado.Cll1[h][k]);
        tsForzantesShow();
    });
}

void TMainFormBrovel::euCll1Change() {
    Manejar([this] {
        const int h = Posicion(cbHn);
        const int k = Posicion(cbPhn2);
        if (h >= 1 && k >= 1) Estado.Cll1[h][k] = LeerCampo(euCll1);
        tsForzantesShow();
    });
}

// The extreme storm's step count changes the storm handed to the runoff module,
// so its runoff must be computed again, as for the event.
void TMainFormBrovel::cbCph3Change() {
    Manejar([this] {
        LlenarCombo(cbPhn3, EnteroDeSelector(cbCph3));
        CambioHietograma();
    });
}

void TMainFormBrovel::cbPhn3Change() {
    Manejar([this] {
        if (const int k = Posicion(cbPhn3)) euCll2->SetBaseValue(Estado.Cll2[k]);
        CambioHietograma();
    });
}

void TMainFormBrovel::euCll2Change() {
    Manejar([this] {
        if (const int k = Posicion(cbPhn3)) Estado.Cll2[k] = LeerCampo(euCll2);
        CambioHietograma();
    });
}

void TMainFormBrovel::cbCph4Change() {
    Manejar([this] {
        LlenarCombo(cbPhn4, EnteroDeSelector(cbCph4));
        CambioHietograma();
    });
}

void TMainFormBrovel::cbPhn4Change() {
    Manejar([this] {
        if (const int k = Posicion(cbPhn4)) euCll3->SetBaseValue(Estado.Cll3[k]);
        CambioHietograma();
    });
}

void TMainFormBrovel::euCll3Change() {
    Manejar([this] {
        if (const int k = Posicion(cbPhn4)) Estado.Cll3[k] = LeerCampo(euCll3);
        CambioHietograma();
    });
}

void TMainFormBrovel::CambioHietograma() {
    Manejar([this] {
        FaltaZumbrel = true;
        ActualizarEstado();
        tsForzantesShow();
    });
}

// A new project.

void TMainFormBrovel::ValoresPorDefecto() {
    Manejar([this] {
        TEstadoBrovel& e = Estado;
        euDt->SetBaseValue(6);
        euLt->SetBaseValue(60);

        rbCrr->setChecked(true);
        euCpcg->SetBaseValue(9);
        const double diametros[] = {4.76, 2.0, 0.42, 0.25, 0.15, 0.07, 0.05, 0.005, 0.0005};
        const double pasantes[] = {100, 100, 99, 98, 84.8, 64.5, 43, 12.5, 1};
        for (int i = 1; i <= 9; ++i) {
            e.Dg[i] = diametros[i - 1];
            e.Pp[i] = pasantes[i - 1];
        }
        ErrorRango = false;
        FaltaVerificar = false;
        euCpcgChange();

        euDm->SetBaseValue(0.05);
        cbCspe->setCurrentIndex(1);
        euPl->SetBaseValue(60);
        euPlm->SetBaseValue(80);
        euPa->SetBaseValue(30);
        euPmo->SetBaseValue(5);
        cbCspp->setCurrentIndex(1);
        ErrorLimos = false;
        ErrorArena = false;

        cbD->setChecked(false);
        euShs->SetBaseValue(1);
        euBvs->SetBaseValue(60);
        euBrvs->SetBaseValue(5);

        rbHr->setChecked(true);
        euPth->SetBaseValue(10);
        Seleccionar(cbCph, QStringLiteral("8"));
        cbCphChange();
        const double representativo[] = {1.27, 1.78, 5.84, 17.8, 3.81, 1.27, 0, 1.27};
        for (int k = 1; k <= 8; ++k) e.Cll1[1][k] = representativo[k - 1];
        euCta->SetBaseValue(15);
        cbPhnChange();

        euPths->SetBaseValue(30);
        Seleccionar(cbCh, QStringLiteral("2"));
        cbChChange();
        Seleccionar(cbCph2, QStringLiteral("8"));
        cbCph2Change();
        const double serie[] = {2.4, 11.6, 41.4, 9.2, 5.3, 4.0, 0, 0};
        for (int k = 1; k <= 8; ++k) e.Cll1[2][k] = serie[k - 1];
        euCta->SetBaseValue(15);
        cbHnChange();

        euEt->SetBaseValue(50);
        euMi30m->SetBaseValue(55);
        euCta->SetBaseValue(15);
        euFele->SetBaseValue(41100);

        const double tormenta[] = {9.4, 22.6, 73.4, 13.2, 7.3, 6.0};
        rbCe->setChecked(true);
        euPth2->SetBaseValue(30);
        Seleccionar(cbCph3, QStringLiteral("6"));
        cbCph3Change();
        for (int k = 1; k <= 6; ++k) e.Cll2[k] = tormenta[k - 1];
        cbPhn3Change();
        euCe->SetBaseValue(66);

        rbHdlt2->setChecked(true);
        euPth3->SetBaseValue(30);
        Seleccionar(cbCph4, QStringLiteral("6"));
        for (int k = 1; k <= 6; ++k) e.Cll3[k] = tormenta[k - 1];
        cbCph4Change();
        cbPhn4Change();

        // The event's volume and peak stay in the model until the runoff module
        // supplies its own.
        rbPrde->setChecked(true);
        euVp->SetBaseValue(2000);
        euCp->SetBaseValue(100);
        rbHdlt2->setChecked(true);

        euFatc->SetBaseValue(0.8);
        euAmf->SetBaseValue(52);
        cbHl->setChecked(true);
        euTtfo->SetBaseValue(2);
        euFapo->SetBaseValue(1);
        cbHm->setChecked(true);
        euRacmr->SetBaseValue(0.00034);
        euPsrua->SetBaseValue(1065);
        cbMde->setCurrentIndex(0);
        cbHmg->setChecked(true);
        cbTp->setCurrentIndex(0);
        cbTpChange();

        euPs->SetBaseValue(4);
        euAl->SetBaseValue(6);
        euFps->SetBaseValue(1);
        euEet->SetBaseValue(4);
        euPt->SetBaseValue(1);
        euTfp->SetBaseValue(4);
        euCtc->SetBaseValue(1);
        euFliii->SetBaseValue(0.4);
        euRast->SetBaseValue(2);
        euCmst->SetBaseValue(0.05);
        euIrst->SetBaseValue(5);

        FaltaZumbrel = false;
        ActualizarEstado();
    });
}

}  // namespace brovel
