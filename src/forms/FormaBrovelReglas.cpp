// The slope form around the model: what each option shows, the checks of the soil
// data with the status text, and the values a new project starts from. Every
// handler ends in the chain handler of its tab.
#include <algorithm>
#include <iterator>
#include <string>

#include "forms/CamposBrovel.h"
#include "forms/FormaBrovel.h"
#include "forms/ProyectoNuevo.h"

namespace brovel {

// Options.

void TFormaBrovel::rbCrrClick() {
    Manejar([this] {
        const TOpcionSuelo opcion = OpcionSuelo();
        Mostrar({"euCpcg", "cbPcg", "euDg", "euPp", "Button1"}, opcion == TOpcionSuelo::Curva);
        Mostrar({"euDm"}, opcion == TOpcionSuelo::DiametroMedio);
        Mostrar({"cbCspe", "euPl", "euPlm", "euPa", "euPmo", "cbCspp"}, opcion == TOpcionSuelo::ClaseYTextura);
        SueloShow();
    });
}

void TFormaBrovel::rbHrClick() {
    Manejar([this] {
        using O = TOpcionLluviaMedia;
        const O opcion = OpcionLluviaMedia();
        Mostrar({"euPth", "cbCph", "pHr"}, opcion == O::HietogramaRepresentativo);
        Mostrar({"euCta"}, opcion != O::Erosividad);
        Mostrar({"euPths", "cbCh", "cbCph2", "pSh"}, opcion == O::SerieDeHietogramas);
        Mostrar({"euEt", "euMi30m"}, opcion == O::ParametrosDeEnergia);
        Mostrar({"euFele"}, opcion == O::Erosividad);
        tsForzantesShow();
    });
}

void TFormaBrovel::rbHdltClick() {
    Manejar([this] {
        const bool hietograma = OpcionLluviaExtrema() == TOpcionLluviaExtrema::Hietograma;
        Mostrar({"euPth2", "cbCph3", "pHt2", "btUsarZumbrel"}, hietograma);
        Mostrar({"euCe"}, !hietograma);
        tsForzantesShow();
    });
}

void TFormaBrovel::rbHdlt2Click() {
    Manejar([this] {
        const bool hietograma = OpcionEvento() == TOpcionEvento::Hietograma;
        Mostrar({"euPth3", "cbCph4", "pHt3", "btUsarZumbrel2"}, hietograma);
        Mostrar({"euVp", "euCp"}, !hietograma);
        tsForzantesShow();
    });
}

void TFormaBrovel::cbHlClick() {
    Manejar([this] {
        Mostrar({"euTtfo", "euFcss"}, Marcada(TCasilla::Labranza));
        CondicionantesShow();
    });
}

void TFormaBrovel::cbHmClick() {
    Manejar([this] {
        Mostrar({"euRacmr", "euPsrua", "cbMde"}, Marcada(TCasilla::Mulching));
        CondicionantesShow();
    });
}

void TFormaBrovel::cbHmgClick() {
    Manejar([this] {
        Mostrar({"cbTp"}, Marcada(TCasilla::PracticasDeSoporte));
        cbTpChange();
    });
}

void TFormaBrovel::cbTpChange() {
    Manejar([this] {
        const int i = Lista(TListaBrovel::cbTp).indice;
        const bool hay = Marcada(TCasilla::PracticasDeSoporte);
        Mostrar({"euPs", "euAl", "euFpsb", "euFpset", "euFpsed", "euCmst", "euFpsbEResultado", "euFpsetEResultado",
                 "euFpsedEResultado"},
                i == 0 && hay);
        Mostrar({"euFps"}, i == 1 && hay);
        Mostrar({"euEet", "euPt"}, i == 2 && hay);
        Mostrar({"euTfp", "euCtc", "euFliii", "euIrst"}, i == 3 && hay);
        Mostrar({"euFdPdS"}, ((i == 1 || i == 2) && hay) || !hay);
        if (!hay) Estado.Tp = 4;
        CondicionantesShow();
    });
}

// Checks.

void TFormaBrovel::Button1Click() {
    Manejar([this] { VerificarCurva(); });
}

void TFormaBrovel::VerificarCurva() {
    if (OpcionSuelo() == TOpcionSuelo::Curva) {
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

// The numbers compared are the fields' as they are at the moment of the check.
void TFormaBrovel::VerificarLimos() {
    if (OpcionSuelo() == TOpcionSuelo::ClaseYTextura) ErrorLimos = euPl.GetBaseValue() > euPlm.GetBaseValue();
    ActualizarEstado();
}

void TFormaBrovel::VerificarArena() {
    if (OpcionSuelo() == TOpcionSuelo::ClaseYTextura) ErrorArena = euPlm.GetBaseValue() < euPa.GetBaseValue();
    ActualizarEstado();
}

void TFormaBrovel::ActualizarEstado() {
    RecalculoSuspendido = true;
    const bool curva = OpcionSuelo() == TOpcionSuelo::Curva;
    const bool textura = OpcionSuelo() == TOpcionSuelo::ClaseYTextura;
    std::string_view mensaje;
    if (curva && FaltaVerificar)
        mensaje = kMensajeFaltaVerificar;
    else if (curva && ErrorRango)
        mensaje = kMensajeNoDecreciente;
    else if (textura && ErrorArena)
        mensaje = kMensajeArena;
    else if (textura && ErrorLimos)
        mensaje = kMensajeLimos;

    if (mensaje.empty()) {
        mensaje = kMensajeOk;
        RecalculoSuspendido = false;
    } else {
        // Nothing is recalculated until the data are mended, so no result is current.
        const std::string motivo = "No se recalculó: " + std::string(mensaje);
        for (const std::string& miembro : Calculados()) frescura_.Marcar({miembro.c_str()}, motivo);
    }
    mensajeDatos_ = mensaje;
    ComponerEstado();
}

void TFormaBrovel::ComponerEstado() {
    std::string mensaje(mensajeDatos_);
    // The runoff values are stale; the model goes on with them.
    if (FaltaZumbrel) mensaje = kMensajeFaltaZumbrel;
    if (mensaje == kMensajeOk) {
        const std::string fuera = EntradaFueraDeRango();
        if (!fuera.empty()) mensaje = "ERROR: " + fuera;
    }
    textoEstado_ = mensaje;
    estadoEnError_ = mensaje != kMensajeOk;
}

void TFormaBrovel::btUsarZumbrelClick() { UsarZumbrel(true); }
void TFormaBrovel::btUsarZumbrel2Click() { UsarZumbrel(false); }

// The hand-over copies the storm only when the slope model holds one; either way
// the runoff window computes, is shown, computes again as the person left it, and
// its results come back however it was closed. An error in its chain stops the
// exchange with nothing taken back.
void TFormaBrovel::UsarZumbrel(bool extrema) {
    Manejar([this, extrema] {
        if (!EntregarZumbrel(extrema)) return;
        interlocutor_.MostrarZumbrel();
        RecibirDeZumbrel(extrema);
    });
}

void TFormaBrovel::EntregarAZumbrel(bool extrema) {
    Manejar([this, extrema] { EntregarZumbrel(extrema); });
}

void TFormaBrovel::VolverDeZumbrel(bool extrema) {
    Manejar([this, extrema] { RecibirDeZumbrel(extrema); });
}

bool TFormaBrovel::EntregarZumbrel(bool extrema) {
    TEstadoBrovel& e = Estado;
    if (extrema ? e.OpcionLluviaExtrema == 0 : e.OpcionEvento == 0) {
        if (extrema)
            Zumbrel.RecibirTormenta(std::clamp(e.Cph3, 1, kMaxElementos), e.Cll2.data(), e.Pth2);
        else
            Zumbrel.RecibirTormenta(std::clamp(e.Cph4, 1, kMaxElementos), e.Cll3.data(), e.Pth3);
    }
    return Zumbrel.EscorrentiaShow();
}

void TFormaBrovel::RecibirDeZumbrel(bool extrema) {
    const TEstadoBrovel& e = Estado;
    const bool tormenta = extrema ? e.OpcionLluviaExtrema == 0 : e.OpcionEvento == 0;
    if (!Zumbrel.EscorrentiaShow()) return;
    if (tormenta) TomarDeZumbrel(extrema);
    FaltaZumbrel = false;
    tsForzantesShow();
    ActualizarEstado();
}

// What comes back is as current as the storm handed over and the runoff computed
// from it; the values stay in the model and in the project as taken.
void TFormaBrovel::TomarDeZumbrel(bool extrema) {
    TEstadoBrovel& e = Estado;
    std::optional<std::string> motivo = extrema ? frescura_.PrimerViejo({&TEstadoBrovel::Pth2, &TEstadoBrovel::Cll2})
                                                : frescura_.PrimerViejo({&TEstadoBrovel::Pth3, &TEstadoBrovel::Cll3});
    if (extrema) {
        e.Ce = Zumbrel.Estado.Vtesp;
        if (!motivo) motivo = MotivoDeZumbrel({&TEstadoZumbrel::Vtesp});
        frescura_.Marcar({&TEstadoBrovel::Ce}, motivo);
        tomadoExtrema_ = true;
    } else {
        e.Vp = Zumbrel.Estado.Vte;
        e.Cp = Zumbrel.Estado.Cp;
        if (!motivo) motivo = MotivoDeZumbrel({&TEstadoZumbrel::Vte, &TEstadoZumbrel::Cp});
        frescura_.Marcar({&TEstadoBrovel::Vp, &TEstadoBrovel::Cp}, motivo);
        tomadoEvento_ = true;
    }
}

std::optional<std::string> TFormaBrovel::MotivoDeZumbrel(std::initializer_list<TMiembroZumbrel> miembros) const {
    for (const TMiembroZumbrel& miembro : miembros)
        if (const std::string m = Zumbrel.MotivoDe(NombreDe(miembro)); !m.empty()) return "Zumbrel: " + m;
    return std::nullopt;
}

void TFormaBrovel::CambioHietograma() {
    FaltaZumbrel = true;
    ActualizarEstado();
    tsForzantesShow();
}

// A new project.

void TFormaBrovel::PonerPorDefecto(std::initializer_list<const char*> campos) {
    for (const char* nombre : campos) Campo(nombre).SetBaseValue(CampoBrovel(nombre).porDefecto);
}

void TFormaBrovel::ValoresPorDefecto() {
    Manejar([this] {
        using L = TListaBrovel;
        TEstadoBrovel& e = Estado;
        PonerPorDefecto({"euDt", "euLt"});

        ElegirOpcion(TGrupoOpciones::Suelo, static_cast<int>(TOpcionSuelo::Curva));
        PonerPorDefecto({"euCpcg"});
        for (size_t i = 1; i <= std::size(kDiametrosCurvaNueva); ++i) {
            e.Dg[i] = kDiametrosCurvaNueva[i - 1];
            e.Pp[i] = kPasantesCurvaNueva[i - 1];
        }
        ErrorRango = false;
        FaltaVerificar = false;
        euCpcg.OnChange();

        PonerPorDefecto({"euDm"});
        SetIndice(L::cbCspe, 1);
        PonerPorDefecto({"euPl", "euPlm", "euPa", "euPmo"});
        SetIndice(L::cbCspp, 1);
        ErrorLimos = false;
        ErrorArena = false;

        Marcar(TCasilla::Descongelamiento, false);
        PonerPorDefecto({"euShs", "euBvs", "euBrvs"});

        ElegirOpcion(TGrupoOpciones::LluviaMedia, static_cast<int>(TOpcionLluviaMedia::HietogramaRepresentativo));
        PonerPorDefecto({"euPth"});
        ElegirPorTexto(L::cbCph, std::to_string(std::size(kHietogramaRepresentativoNuevo)));
        EjecutarManejadorDeLista(L::cbCph);
        for (size_t k = 1; k <= std::size(kHietogramaRepresentativoNuevo); ++k)
            e.Cll1[1][k] = kHietogramaRepresentativoNuevo[k - 1];
        PonerPorDefecto({"euCta"});
        EjecutarManejadorDeLista(L::cbPhn);

        PonerPorDefecto({"euPths"});
        ElegirPorTexto(L::cbCh, std::to_string(kHietogramasSerieNueva));
        EjecutarManejadorDeLista(L::cbCh);
        ElegirPorTexto(L::cbCph2, std::to_string(std::size(kSegundoHietogramaNuevo)));
        EjecutarManejadorDeLista(L::cbCph2);
        for (size_t k = 1; k <= std::size(kSegundoHietogramaNuevo); ++k) e.Cll1[2][k] = kSegundoHietogramaNuevo[k - 1];
        PonerPorDefecto({"euCta"});
        EjecutarManejadorDeLista(L::cbHn);

        PonerPorDefecto({"euEt", "euMi30m", "euCta", "euFele"});

        const std::string pasosTormenta = std::to_string(std::size(kTormentaNueva));
        ElegirOpcion(TGrupoOpciones::LluviaExtrema, static_cast<int>(TOpcionLluviaExtrema::Escorrentia));
        PonerPorDefecto({"euPth2"});
        ElegirPorTexto(L::cbCph3, pasosTormenta);
        EjecutarManejadorDeLista(L::cbCph3);
        for (size_t k = 1; k <= std::size(kTormentaNueva); ++k) e.Cll2[k] = kTormentaNueva[k - 1];
        EjecutarManejadorDeLista(L::cbPhn3);
        PonerPorDefecto({"euCe"});

        ElegirOpcion(TGrupoOpciones::Evento, static_cast<int>(TOpcionEvento::Hietograma));
        PonerPorDefecto({"euPth3"});
        ElegirPorTexto(L::cbCph4, pasosTormenta);
        for (size_t k = 1; k <= std::size(kTormentaNueva); ++k) e.Cll3[k] = kTormentaNueva[k - 1];
        EjecutarManejadorDeLista(L::cbCph4);
        EjecutarManejadorDeLista(L::cbPhn4);

        // The event's volume and peak stay in the model until the runoff module
        // supplies its own.
        ElegirOpcion(TGrupoOpciones::Evento, static_cast<int>(TOpcionEvento::Parametros));
        PonerPorDefecto({"euVp", "euCp"});
        ElegirOpcion(TGrupoOpciones::Evento, static_cast<int>(TOpcionEvento::Hietograma));

        PonerPorDefecto({"euFatc", "euAmf"});
        Marcar(TCasilla::Labranza, true);
        PonerPorDefecto({"euTtfo", "euFapo"});
        Marcar(TCasilla::Mulching, true);
        PonerPorDefecto({"euRacmr", "euPsrua"});
        SetIndice(L::cbMde, 0);
        Marcar(TCasilla::PracticasDeSoporte, true);
        SetIndice(L::cbTp, 0);
        cbTpChange();

        PonerPorDefecto(
            {"euPs", "euAl", "euFps", "euEet", "euPt", "euTfp", "euCtc", "euFliii", "euRast", "euCmst", "euIrst"});

        FaltaZumbrel = false;
        ActualizarEstado();
    });
}

}  // namespace brovel
