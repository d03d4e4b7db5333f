#include "forms/Frescura.h"

#include <map>
#include <utility>

namespace brovel {

namespace {

// What each routine computes, as the sentence of its failure names it.
const char* QueCalcula(TRutinaBrovel rutina) {
    switch (rutina) {
        case TRutinaBrovel::Fes: return "el factor K";
        case TRutinaBrovel::Ft: return "el factor LS";
        case TRutinaBrovel::Erosividad: return "la erosividad";
        case TRutinaBrovel::Fp: return "el factor X";
        case TRutinaBrovel::Fcss: return "el subfactor de consolidación del suelo";
        case TRutinaBrovel::Sups: return "el subfactor PLU";
        case TRutinaBrovel::Scf: return "el subfactor CC";
        case TRutinaBrovel::Practicas: return "los factores de la práctica de soporte";
        case TRutinaBrovel::Lct: return "la longitud crítica y el factor P";
        case TRutinaBrovel::Scs: return "el subfactor SC";
        case TRutinaBrovel::Srs: return "el subfactor SR";
        case TRutinaBrovel::Fcm: return "el factor C";
        case TRutinaBrovel::Erosion: return "la tasa de erosión y la producción de sedimentos";
    }
    return "el resultado";
}

// The input that makes a routine impossible, for the inputs a person can mend;
// empty when it is none of them.
std::string EntradaImposible(TRutinaBrovel rutina, const TEstadoBrovel& e) {
    using R = TRutinaBrovel;
    const bool perfilado = e.Tp == 0;
    const bool pastoreo = e.Tp == 3;
    switch (rutina) {
        case R::Fes:
            if (e.OpcionSuelo == 0) return "un diámetro de la curva granulométrica no es positivo";
            if (e.OpcionSuelo == 1 && !(e.Dm > 0)) return "el diámetro medio no es positivo";
            break;
        case R::Ft:
            if (e.Dt < 0) return "la pendiente es negativa";
            if (!(e.Lt > 0)) return "la longitud de la ladera no es positiva";
            break;
        case R::Erosividad:
            if (e.OpcionLluviaMedia <= 1 && e.Pth == 0) return "el paso temporal del hietograma es nulo";
            break;
        case R::Fp:
            if (e.Vp < 0 || e.Cp < 0) return "el volumen o el caudal pico del evento es negativo";
            break;
        case R::Practicas:
        case R::Lct:
            if ((perfilado || pastoreo) && e.Dt < 0) return "la pendiente es negativa";
            if ((perfilado || pastoreo) && e.Dt == 0) return "la pendiente es nula";
            if (perfilado && e.Ce == 0) return "la cantidad de escorrentía de la tormenta extrema es nula";
            if (perfilado && e.Ce < 0) return "la cantidad de escorrentía de la tormenta extrema es negativa";
            if (pastoreo && e.Tfp == 0) return "el tiempo desde la perturbación del suelo es nulo";
            if (pastoreo && e.Irst == 0) return "el índice de rugosidad es nulo";
            break;
        case R::Scs:
            if (e.Hm && e.Rast == 0) return "la rugosidad del terreno es nula";
            break;
        default: break;
    }
    return {};
}

}  // namespace

std::string MotivoDeFalla(TRutinaBrovel rutina, const TEstadoBrovel& e, const std::string& falla) {
    const std::string entrada = EntradaImposible(rutina, e);
    return std::string("No se pudo calcular ") + QueCalcula(rutina) + ": " + (entrada.empty() ? falla : entrada);
}

const TFrescura::TViejo* TFrescura::Buscar(std::string_view miembro) const {
    for (const TViejo& viejo : viejos_)
        if (viejo.miembro == miembro) return &viejo;
    return nullptr;
}

TFrescura::TViejo* TFrescura::Buscar(std::string_view miembro) {
    return const_cast<TViejo*>(std::as_const(*this).Buscar(miembro));
}

std::string TFrescura::Motivo(std::string_view miembro) const {
    const TViejo* viejo = Buscar(miembro);
    return viejo ? viejo->motivo : std::string();
}

void TFrescura::Marcar(std::initializer_list<const char*> miembros, const std::optional<std::string>& motivo) {
    // Marking up to date where nothing is out of date changes nothing.
    if (!motivo && viejos_.empty()) return;
    for (const char* miembro : miembros) {
        TViejo* viejo = Buscar(miembro);
        if (!motivo) {
            if (viejo) viejos_.erase(viejos_.begin() + (viejo - viejos_.data()));
        } else if (viejo) {
            viejo->motivo = *motivo;
        } else {
            viejos_.push_back({miembro, *motivo});
        }
    }
}

std::optional<std::string> TFrescura::PrimerViejo(std::initializer_list<const char*> dependencias) const {
    if (viejos_.empty()) return std::nullopt;
    for (const char* miembro : dependencias)
        if (const TViejo* viejo = Buscar(miembro)) return viejo->motivo;
    return std::nullopt;
}

void TFrescura::Marcar(std::initializer_list<TMiembroBrovel> miembros, const std::optional<std::string>& motivo) {
    for (const TMiembroBrovel& miembro : miembros) Marcar({NombreDe(miembro)}, motivo);
}

std::optional<std::string> TFrescura::PrimerViejo(std::initializer_list<TMiembroBrovel> dependencias) const {
    if (viejos_.empty()) return std::nullopt;
    for (const TMiembroBrovel& miembro : dependencias)
        if (const TViejo* viejo = Buscar(NombreDe(miembro))) return viejo->motivo;
    return std::nullopt;
}

namespace {

// A derivation with the names of what it writes and reads, looked up once.
struct TDerivacionNombrada {
    const TDerivacionBrovel* derivacion;
    std::vector<const char*> escribe, lee;
};

// The derivations of each routine, in the table's order: the chain asks for one
// routine's at every step.
const std::vector<TDerivacionNombrada>& DerivacionesDe(TRutinaBrovel rutina) {
    static const auto kPorRutina = [] {
        std::map<TRutinaBrovel, std::vector<TDerivacionNombrada>> porRutina;
        for (const TDerivacionBrovel& d : DerivacionesBrovel()) {
            TDerivacionNombrada nombrada{&d, {}, {}};
            for (const TMiembroBrovel& escrito : d.escribe) nombrada.escribe.push_back(NombreDe(escrito));
            for (const TMiembroBrovel& leido : d.lee) nombrada.lee.push_back(NombreDe(leido));
            porRutina[d.rutina].push_back(std::move(nombrada));
        }
        return porRutina;
    }();
    static const std::vector<TDerivacionNombrada> kNinguna;
    const auto derivaciones = kPorRutina.find(rutina);
    return derivaciones == kPorRutina.end() ? kNinguna : derivaciones->second;
}

}  // namespace

void TFrescura::Actualizar(TRutinaBrovel rutina, const TEstadoBrovel& e, const std::optional<std::string>& falla) {
    for (const TDerivacionNombrada& d : DerivacionesDe(rutina)) {
        if (!d.derivacion->rige(e)) continue;
        // What it read being out of date is what stopped it: a fault on numbers
        // that are not the current data's says nothing of the current data.
        std::optional<std::string> motivo = falla;
        if (!viejos_.empty())
            for (const char* leido : d.lee)
                if (const TViejo* viejo = Buscar(leido)) {
                    motivo = viejo->motivo;
                    break;
                }
        for (const char* escrito : d.escribe) Marcar({escrito}, motivo);
    }
}

std::vector<std::string> TFrescura::Viejos(const std::vector<std::string>& orden) const {
    std::vector<std::string> viejos;
    for (const std::string& miembro : orden)
        if (!AlDia(miembro)) viejos.push_back(miembro);
    return viejos;
}

}  // namespace brovel
