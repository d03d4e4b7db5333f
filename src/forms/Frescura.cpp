#include "forms/Frescura.h"

#include "model/URutinas.h"

namespace brovel {

void Calcular(TRutinaBrovel rutina, TEstadoBrovel& e) {
    switch (rutina) {
        case TRutinaBrovel::Fes: CalcularFes(e); break;
        case TRutinaBrovel::Ft: CalcularFt(e); break;
        case TRutinaBrovel::Erosividad: CalcularErosividad(e); break;
        case TRutinaBrovel::Fp: CalcularFp(e); break;
        case TRutinaBrovel::Fcss: CalcularFcss(e); break;
        case TRutinaBrovel::Sups: CalcularSups(e); break;
        case TRutinaBrovel::Scf: CalcularScf(e); break;
        case TRutinaBrovel::Practicas: CalcularPracticas(e); break;
        case TRutinaBrovel::Lct: CalcularLct(e); break;
        case TRutinaBrovel::Scs: CalcularScs(e); break;
        case TRutinaBrovel::Srs: CalcularSrs(e); break;
        case TRutinaBrovel::Fcm: CalcularFcm(e); break;
        case TRutinaBrovel::Erosion: CalcularErosion(e); break;
    }
}

void TFrescura::Marcar(std::initializer_list<const char*> miembros, bool alDia) {
    for (const char* miembro : miembros) {
        if (alDia) {
            if (const auto viejo = viejos_.find(std::string_view(miembro)); viejo != viejos_.end()) viejos_.erase(viejo);
        } else {
            viejos_.insert(miembro);
        }
    }
}

bool TFrescura::Todos(std::initializer_list<const char*> miembros) const {
    for (const char* miembro : miembros)
        if (!AlDia(miembro)) return false;
    return true;
}

void TFrescura::Actualizar(TRutinaBrovel rutina, const TEstadoBrovel& e, bool c) {
    switch (rutina) {
        case TRutinaBrovel::Fes:
            if (e.OpcionSuelo == 0) Marcar({"Dm"}, c);
            Marcar({"Fes"}, c && (e.OpcionSuelo == 2 || AlDia("Dm")));
            break;
        case TRutinaBrovel::Ft:
            Marcar({"SenoPendiente", "ExponenteLongitud", "Ft"}, c);
            break;
        case TRutinaBrovel::Erosividad:
            // With the erosivity given, R is an input and only the reference rate follows.
            if (e.OpcionLluviaMedia == 0) Marcar({"Et", "Mi30m"}, c);
            if (e.OpcionLluviaMedia <= 2) {
                Marcar({"Fde"}, c && (e.OpcionLluviaMedia == 1 || Todos({"Et", "Mi30m"})));
                Marcar({"Felle"}, c && AlDia("Fde"));
            }
            Marcar({"Tecr"}, c && Todos({"Felle", "Fes", "Ft"}));
            break;
        case TRutinaBrovel::Fp:
            Marcar({"Fp"}, c);
            Marcar({"Pspcr"}, c && Todos({"Fp", "Fes", "Ft"}));
            break;
        case TRutinaBrovel::Fcss:
            Marcar({"Fcss"}, c);
            break;
        case TRutinaBrovel::Sups:
            Marcar({"Sups"}, c && AlDia("Fcss"));
            break;
        case TRutinaBrovel::Scf:
            Marcar({"Scf"}, c);
            break;
        case TRutinaBrovel::Practicas:
            if (e.Tp == 0) Marcar({"SenoPendiente", "Fpsb", "Fpset", "Fpsed"}, c);
            if (e.Tp == 2 || e.Tp == 4) Marcar({"Fps"}, c);
            break;
        case TRutinaBrovel::Lct:
            if (e.Tp == 0) {
                Marcar({"Lct"}, c && AlDia("SenoPendiente"));
                Marcar({"Fps"}, c && Todos({"Lct", "Fpsed", "ExponenteLongitud"}));
            } else if (e.Tp == 3) {
                Marcar({"Fps"}, c && AlDia("SenoPendiente"));
            }
            break;
        case TRutinaBrovel::Scs:
            Marcar({"Scs"}, c);
            break;
        case TRutinaBrovel::Srs:
            Marcar({"Srs"}, c);
            break;
        case TRutinaBrovel::Fcm:
            Marcar({"Fcm"}, c && Todos({"Sups", "Scf", "Scs", "Srs"}));
            break;
        case TRutinaBrovel::Erosion:
            Marcar({"TeE"}, c && Todos({"Fes", "Ft", "Fcm", "Fps", "Felle"}));
            Marcar({"PsE"}, c && Todos({"Fes", "Ft", "Fcm", "Fps", "Fp"}));
            break;
    }
}

std::vector<std::string> TFrescura::Viejos(const std::vector<std::string>& orden) const {
    std::vector<std::string> viejos;
    for (const std::string& miembro : orden)
        if (!AlDia(miembro)) viejos.push_back(miembro);
    return viejos;
}

}  // namespace brovel
