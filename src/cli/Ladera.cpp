#include "cli/Ladera.h"

#include "cli/Registro.h"
#include "forms/FormaBrovel.h"

namespace brovel {

TRegistro LaderaComoRegistro(const TFormaBrovel& forma) {
    const TEstadoBrovel& e = forma.Estado;
    TRegistro r;
    r.push_back({"estado", forma.TextoEstado()});
    r.push_back({"mensajes", forma.MensajesSuelo()});
    r.push_back({"sin_actualizar", forma.SinActualizar()});

    r.push_back({"Dt", e.Dt});
    r.push_back({"Lt", e.Lt});
    r.push_back({"OpcionSuelo", static_cast<long long>(e.OpcionSuelo)});
    r.push_back({"Dm", e.Dm});
    r.push_back({"Fes", e.Fes});
    r.push_back({"Ft", e.Ft});
    r.push_back({"SenoPendiente", e.SenoPendiente});
    r.push_back({"ExponenteLongitud", e.ExponenteLongitud});
    r.push_back({"FaltaExpresionLS", e.FaltaExpresionLS});
    r.push_back({"OpcionLluviaMedia", static_cast<long long>(e.OpcionLluviaMedia)});
    r.push_back({"Et", e.Et});
    r.push_back({"Mi30m", e.Mi30m});
    r.push_back({"Fde", e.Fde});
    r.push_back({"Felle", e.Felle});
    r.push_back({"Tecr", e.Tecr});
    r.push_back({"OpcionLluviaExtrema", static_cast<long long>(e.OpcionLluviaExtrema)});
    r.push_back({"Ce", e.Ce});
    r.push_back({"OpcionEvento", static_cast<long long>(e.OpcionEvento)});
    r.push_back({"Vp", e.Vp});
    r.push_back({"Cp", e.Cp});
    r.push_back({"Fp", e.Fp});
    r.push_back({"Pspcr", e.Pspcr});
    r.push_back({"Fcss", e.Fcss});
    r.push_back({"Sups", e.Sups});
    r.push_back({"Scf", e.Scf});
    r.push_back({"Tp", static_cast<long long>(e.Tp)});
    r.push_back({"Fpsb", e.Fpsb});
    r.push_back({"Fpset", e.Fpset});
    r.push_back({"Fpsed", e.Fpsed});
    r.push_back({"Fps", e.Fps});
    r.push_back({"Scs", e.Scs});
    r.push_back({"Srs", e.Srs});
    r.push_back({"Fcm", e.Fcm});
    r.push_back({"Lct", e.Lct});
    r.push_back({"TeE", e.TeE});
    r.push_back({"PsE", e.PsE});
    return r;
}

std::string LaderaComoJson(const TFormaBrovel& forma) { return RegistroComoJson(LaderaComoRegistro(forma), false); }

}  // namespace brovel
