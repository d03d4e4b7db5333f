// The "..." buttons of the slope window: each opens a reference table and writes
// the chosen value into its field, as if the user had typed it.
#include <QEvent>
#include <QLabel>
#include <QToolButton>

#include <string_view>

#include "tables/TablasReferencia.h"
#include "ui/Escritorio.h"
#include "ui/fields/Unidades.h"
#include "ui/tables/Seleccion.h"
#include "ui/windows/Formulario.h"
#include "ui/windows/MainBrovel.h"

namespace brovel {

namespace {

struct TBotonTabla {
    const char* nombre;
    const char* codigo;
    const char* destino;
    // The caption beside a button that has a row of its own; none for a button
    // that sits after its field.
    const char* rotulo;
};

// clang-format off
const TBotonTabla kBotonesTabla[] = {
    // button     table  field      caption
    {"BitBtn4", "TS3", "euBvs",   "Masa de raíces en 10 cm superiores de suelo para cultivos (kg/ha)"},
    {"BitBtn3", "TS4", "euBvs",   "Masa de raíces en 10 cm superiores de suelo para forrajes (kg/ha)"},
    {"BitBtn5", "TC4", "euFatc",  nullptr},
    {"BitBtn6", "TC5", "euAmf",   nullptr},
    {"bbSTC1",  "TC1", "euRacmr", nullptr},
    {"BitBtn7", "TC6", "euPsrua", nullptr},
    {"bbSTC2",  "TC2", "euFps",   "Para estimar producción de sedimentos"},
    {"bbSTC3",  "TC3", "euFps",   "Para planificar prácticas de conservación"},
    {"BitBtn1", "TD1", "euRast",  "Valores típicos de la rugosidad aleatoria para operaciones de cultivo"},
    {"BitBtn2", "TD2", "euRast",  "Valores típicos de la rugosidad aleatoria para campos de pastoreo"},
    {"bbSTD3",  "TD3", "euCmst",  nullptr},
    {"bbSTD4",  "TD4", "euIrst",  nullptr},
};
// clang-format on

const TBotonTabla& BotonTabla(std::string_view nombre) {
    for (const TBotonTabla& boton : kBotonesTabla)
        if (nombre == boton.nombre) return boton;
    throw std::logic_error("no hay botón de tabla " + std::string(nombre));
}

// Shows and hides a control with another one: a button on a row of its own is
// there exactly while the field it fills is.
class TSeguirVisibilidad : public QObject {
public:
    TSeguirVisibilidad(QWidget* guia, QWidget* seguidor) : QObject(seguidor), seguidor_(seguidor) {
        guia->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() == QEvent::ShowToParent) seguidor_->setVisible(true);
        if (evento->type() == QEvent::HideToParent) seguidor_->setVisible(false);
        return false;
    }

private:
    QWidget* seguidor_;
};

}  // namespace

void TMainFormBrovel::BotonDeTabla(TFormulario& formulario, const char* nombre) {
    const TBotonTabla& datos = BotonTabla(nombre);
    TUnidades* destino = CampoPorNombre(datos.destino);
    const QString titulo = QStringLiteral("...");
    QToolButton* boton = nullptr;
    if (datos.rotulo) {
        boton = formulario.BotonConRotulo(nombre, titulo, QString::fromUtf8(datos.rotulo));
        new TSeguirVisibilidad(destino, boton);
        if (OcultoExplicitamente(destino)) boton->setVisible(false);
    } else {
        boton = formulario.BotonJunto(destino, nombre, titulo);
    }
    boton->setToolTip(QStringLiteral("Seleccionar desde una Tabla"));
    connect(boton, &QToolButton::clicked, this, [this, &datos] { ElegirDeTablaPara(datos.codigo, datos.destino); });
}

void TMainFormBrovel::ElegirDeTablaPara(const char* codigo, const char* destino) {
    EjecutarProtegido(this, [&] {
        const std::optional<double> valor = ElegirDeTabla(this, QString::fromLatin1(codigo));
        if (!valor) return;
        TUnidades* campo = CampoPorNombre(destino);
        campo->SetBaseValue(*valor);
        campo->setFocus();
    });
}

}  // namespace brovel
