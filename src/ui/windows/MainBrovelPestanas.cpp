// The controls of the six calculation tabs, built from the window's description,
// and the members that keep them.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <stdexcept>
#include <string>

#include "forms/CamposBrovel.h"
#include "forms/Descripcion.h"
#include "ui/fields/Unidades.h"
#include "ui/windows/Constructor.h"
#include "ui/windows/Formulario.h"
#include "ui/windows/MainBrovel.h"
#include "ui/windows/Pagina.h"
#include "ui/plots/GraficoCurva.h"
#include "ui/plots/GraficoFactores.h"
#include "ui/plots/GraficoHietograma.h"
#include "ui/plots/VistaGrafico.h"

namespace brovel {

void TMainFormBrovel::ConstruirPestanas() {
    camposPorNombre_.Nombrar({BROVEL_CAMPOS_LADERA(BROVEL_CAMPO_POR_NOMBRE)});
    TPiezasDeVentana piezas;
    piezas.campo = [this](TFormulario& formulario, std::string_view nombre) {
        return CampoPorNombre(nombre) = NuevoCampo(formulario, CampoBrovel(nombre), forma_->Campo(nombre));
    };
    piezas.grafico = [this](QWidget* pagina, std::string_view nombre) -> QWidget* {
        const QString vista = QString::fromLatin1(nombre.data(), static_cast<qsizetype>(nombre.size()));
        // Each view gets its plot the first time its tab is current (ActualizarGraficos).
        auto* grafico = new TVistaGrafico(pagina, vista, nullptr);
        if (nombre == "VistaCurva") return vistaCurva_ = grafico;
        if (nombre == "VistaHietograma") return vistaHietograma_ = grafico;
        if (nombre == "VistaFactores") return vistaFactores_ = grafico;
        delete grafico;
        throw std::logic_error("no hay gráfico " + std::string(nombre));
    };
    piezas.tituloDeOpcion = [](std::string_view boton) { return TituloDeOpcion(kGruposDeOpciones, boton); };
    brovel::ConstruirPestanas(PageControl, DescripcionBrovel(), piezas);

    // clang-format off
#define BROVEL_BUSCAR(control) Buscar(Nombres(), control, #control);
    BROVEL_BUSCAR(rbCrr) BROVEL_BUSCAR(rbDm) BROVEL_BUSCAR(rbCyT)
    BROVEL_BUSCAR(rbHr) BROVEL_BUSCAR(rbSh) BROVEL_BUSCAR(rbPre) BROVEL_BUSCAR(rbFelle)
    BROVEL_BUSCAR(rbHdlt) BROVEL_BUSCAR(rbCe) BROVEL_BUSCAR(rbHdlt2) BROVEL_BUSCAR(rbPrde)
    BROVEL_BUSCAR(cbD) BROVEL_BUSCAR(cbHl) BROVEL_BUSCAR(cbHm) BROVEL_BUSCAR(cbHmg)
    BROVEL_BUSCAR(cbCspe) BROVEL_BUSCAR(cbCspp) BROVEL_BUSCAR(cbMde) BROVEL_BUSCAR(cbTp)
    BROVEL_BUSCAR(cbPcg) BROVEL_BUSCAR(cbCph) BROVEL_BUSCAR(cbCh) BROVEL_BUSCAR(cbCph2) BROVEL_BUSCAR(cbCph3)
    BROVEL_BUSCAR(cbCph4)
    BROVEL_BUSCAR(cbPhn) BROVEL_BUSCAR(cbHn) BROVEL_BUSCAR(cbPhn2) BROVEL_BUSCAR(cbPhn3) BROVEL_BUSCAR(cbPhn4)
    BROVEL_BUSCAR(lblPcg) BROVEL_BUSCAR(lblCspe) BROVEL_BUSCAR(lblCspp) BROVEL_BUSCAR(lblMde) BROVEL_BUSCAR(lblTp)
    BROVEL_BUSCAR(lblCph) BROVEL_BUSCAR(lblCh) BROVEL_BUSCAR(lblCph2) BROVEL_BUSCAR(lblCph3) BROVEL_BUSCAR(lblCph4)
    BROVEL_BUSCAR(Button1) BROVEL_BUSCAR(btUsarZumbrel) BROVEL_BUSCAR(btUsarZumbrel2)
    BROVEL_BUSCAR(pHr) BROVEL_BUSCAR(pSh) BROVEL_BUSCAR(pHt2) BROVEL_BUSCAR(pHt3)
    BROVEL_BUSCAR(MsgsS)
    // clang-format on
#undef BROVEL_BUSCAR
}

}  // namespace brovel
