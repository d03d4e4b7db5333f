// What the slope window's tests share: the messages, the ways a user picks an
// option or a tab, and the controls each option shows.
#pragma once

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <cmath>
#include <functional>
#include <map>
#include <memory>

#include "Coincidencia.h"
#include "EscritorioDePrueba.h"
#include "fields/ListaUnidades.h"
#include "fields/Numeros.h"
#include "ui/fields/Unidades.h"
#include "forms/CamposBrovel.h"
#include "ui/windows/MainBrovel.h"
#include "ui/windows/PanelEstado.h"

using namespace brovel;

namespace pruebas {

// The tabs by their place in the tab widget, as the form names them.
constexpr int kGeometria = Indice(TPestanaBrovel::Geometria);
constexpr int kSuelo = Indice(TPestanaBrovel::Suelo);
constexpr int kForzantes = Indice(TPestanaBrovel::Forzantes);
constexpr int kCondicionantes = Indice(TPestanaBrovel::Condicionantes);
constexpr int kDisipacion = Indice(TPestanaBrovel::Disipacion);
constexpr int kErosion = Indice(TPestanaBrovel::Erosion);

inline const QString kOk = QStringLiteral("OK");
inline const QString kFaltaVerificar =
    QStringLiteral("Falta Verificar los datos de Diámetro Medio y Porcentaje Pasante");
inline const QString kNoDecreciente =
    QStringLiteral("ERROR: El rango de datos de Diámetro Medio y Porcentaje Pasante no es decreciente");
inline const QString kArena = QStringLiteral("ERROR: porcentaje de arena debe ser menor");
inline const QString kLimos = QStringLiteral("ERROR: porcentaje de limos modificado debe ser mayor");
inline const QString kFaltaZumbrel = QStringLiteral("ERROR: Es Necesario abrir Zumbrel para tomarlos valores");
inline const QString kDescongelamiento = QStringLiteral(
    "No existen expresiones validadas para el factor topográfico para esta longitud del brovel bajo condiciones de "
    "descongelamiento");

#define VERIFICAR_CERCA(real, esperado) \
    QVERIFY2(CoincideEnDoceCifras((real), (esperado)), Discrepancia((real), (esperado)).c_str())

// What a result field shows: the number rounded to the field's decimals.
inline double Redondeado(double valor, int decimales) {
    const double escala = std::pow(10.0, decimales);
    return std::round(valor * escala) / escala;
}

inline double Valor(TUnidades* campo) { return static_cast<double>(campo->GetBaseValue()); }

// The controls of the tabs by name; the runoff window, also a child of the slope
// window, has fields of the same names.
inline QWidget* Control(const TMainFormBrovel& v, const QString& nombre) {
    return v.PageControl->findChild<QWidget*>(nombre);
}

// Those of `nombres` that are shown on their tab; a name with no control comes back
// marked, so that a misspelt row fails.
inline QStringList Mostrados(const TMainFormBrovel& v, const QStringList& nombres) {
    QStringList mostrados;
    for (const QString& nombre : nombres) {
        const QWidget* control = Control(v, nombre);
        if (!control)
            mostrados << QStringLiteral("¿%1?").arg(nombre);
        else if (TMainFormBrovel::Visible(control))
            mostrados << nombre;
    }
    return mostrados;
}

// Checks an option as the user does, so that its handler runs even when it is the
// option already in force.
inline void Elegir(QRadioButton* opcion) {
    if (opcion->isChecked()) {
        for (QAbstractButton* otra : opcion->group()->buttons()) {
            if (otra != opcion) {
                otra->setChecked(true);
                break;
            }
        }
    }
    opcion->setChecked(true);
}

inline void Elegir(const TMainFormBrovel& v, const QString& nombre) {
    auto* opcion = v.PageControl->findChild<QRadioButton*>(nombre);
    QVERIFY2(opcion, qPrintable(nombre));
    Elegir(opcion);
}

// Sets a check box so that its handler runs, even when it already shows that state.
inline void Marcar(QCheckBox* casilla, bool marcada) {
    if (marcada && casilla->isChecked()) casilla->setChecked(false);
    casilla->setChecked(marcada);
}

// Shows a tab; a tab already current is left and shown again, as a user would.
inline void MostrarPestana(TMainFormBrovel& v, int pestana) {
    if (v.PageControl->currentIndex() == pestana) v.PageControl->setCurrentIndex(pestana == 0 ? 1 : 0);
    v.PageControl->setCurrentIndex(pestana);
}

// Picks an entry of a list as the user does: chosen, then its handler run.
inline void Activar(QComboBox* lista, int indice) {
    lista->setCurrentIndex(indice);
    emit lista->activated(indice);
}

inline void ElegirPunto(TMainFormBrovel& v, int punto) { Activar(v.cbPcg, punto - 1); }

// The edits of the Forzantes tab, by the control they go through.
inline std::function<void(TMainFormBrovel&)> EdicionDeForzantes(const QString& control) {
    const std::map<QString, std::function<void(TMainFormBrovel&)>> ediciones = {
        {"cbPhn", [](TMainFormBrovel& v) { Activar(v.cbPhn, 2); }},
        {"cbCph", [](TMainFormBrovel& v) { Activar(v.cbCph, 3); }},
        {"euCll", [](TMainFormBrovel& v) { v.euCll->SetBaseValue(2.5); }},
        {"euPth", [](TMainFormBrovel& v) { v.euPth->SetBaseValue(15); }},
        {"cbCh", [](TMainFormBrovel& v) { Activar(v.cbCh, 2); }},
        {"cbCph2", [](TMainFormBrovel& v) { Activar(v.cbCph2, 5); }},
        {"cbHn", [](TMainFormBrovel& v) { Activar(v.cbHn, 1); }},
        {"cbPhn2", [](TMainFormBrovel& v) { Activar(v.cbPhn2, 2); }},
        {"euCll1", [](TMainFormBrovel& v) { v.euCll1->SetBaseValue(3.5); }},
        {"cbPhn3", [](TMainFormBrovel& v) { Activar(v.cbPhn3, 2); }},
        {"cbCph3", [](TMainFormBrovel& v) { Activar(v.cbCph3, 3); }},
        {"euCll2", [](TMainFormBrovel& v) { v.euCll2->SetBaseValue(10); }},
        {"euPth2", [](TMainFormBrovel& v) { v.euPth2->SetBaseValue(20); }},
        {"cbPhn4", [](TMainFormBrovel& v) { Activar(v.cbPhn4, 2); }},
        {"cbCph4", [](TMainFormBrovel& v) { Activar(v.cbCph4, 3); }},
        {"euCll3", [](TMainFormBrovel& v) { v.euCll3->SetBaseValue(10); }},
        {"euPth3", [](TMainFormBrovel& v) { v.euPth3->SetBaseValue(20); }},
    };
    const auto edicion = ediciones.find(control);
    return edicion == ediciones.end() ? nullptr : edicion->second;
}

inline const QStringList kCurva = {"euCpcg", "cbPcg", "lblPcg", "euDg", "euPp", "Button1"};
inline const QStringList kTextura = {"lblCspe", "cbCspe", "euPl", "euPlm", "euPa", "euPmo", "lblCspp", "cbCspp"};
inline const QStringList kHietogramaRepresentativo = {"euPth", "lblCph", "cbCph", "pHr"};
inline const QStringList kSerie = {"euPths", "cbCh", "lblCh", "cbCph2", "lblCph2", "pSh"};
inline const QStringList kEnergia = {"euEt", "euMi30m"};
inline const QStringList kTormenta = {"euPth2", "cbCph3", "lblCph3", "pHt2", "btUsarZumbrel"};
inline const QStringList kEvento = {"euPth3", "cbCph4", "lblCph4", "pHt3", "btUsarZumbrel2"};
inline const QStringList kPerfilado = {"euPs",
                                       "euAl",
                                       "euFpsb",
                                       "euFpset",
                                       "euFpsed",
                                       "euCmst",
                                       "euFpsbEResultado",
                                       "euFpsetEResultado",
                                       "euFpsedEResultado"};
inline const QStringList kFranjas = {"euFps"};
inline const QStringList kTerrazas = {"euEet", "euPt"};
inline const QStringList kPastoreo = {"euTfp", "euCtc", "euFliii", "euIrst"};

}  // namespace pruebas

using namespace pruebas;
