#include "cli/Ladera.h"

#include "cli/Json.h"
#include "forms/FormaBrovel.h"

namespace brovel {

std::string LaderaComoJson(const TFormaBrovel& forma) {
    const TEstadoBrovel& e = forma.Estado;
    TEscritorJson json;
    json.AbrirObjeto();
    json.Texto("estado", forma.TextoEstado());
    json.AbrirLista("mensajes");
    for (const std::string& linea : forma.MensajesSuelo()) json.Texto(linea);
    json.CerrarLista();
    json.AbrirLista("sin_actualizar");
    for (const std::string& nombre : forma.SinActualizar()) json.Texto(nombre);
    json.CerrarLista();

    json.Numero("Dt", e.Dt);
    json.Numero("Lt", e.Lt);
    json.Entero("OpcionSuelo", e.OpcionSuelo);
    json.Numero("Dm", e.Dm);
    json.Numero("Fes", e.Fes);
    json.Numero("Ft", e.Ft);
    json.Numero("SenoPendiente", e.SenoPendiente);
    json.Numero("ExponenteLongitud", e.ExponenteLongitud);
    json.Booleano("FaltaExpresionLS", e.FaltaExpresionLS);
    json.Entero("OpcionLluviaMedia", e.OpcionLluviaMedia);
    json.Numero("Et", e.Et);
    json.Numero("Mi30m", e.Mi30m);
    json.Numero("Fde", e.Fde);
    json.Numero("Felle", e.Felle);
    json.Numero("Tecr", e.Tecr);
    json.Entero("OpcionLluviaExtrema", e.OpcionLluviaExtrema);
    json.Numero("Ce", e.Ce);
    json.Entero("OpcionEvento", e.OpcionEvento);
    json.Numero("Vp", e.Vp);
    json.Numero("Cp", e.Cp);
    json.Numero("Fp", e.Fp);
    json.Numero("Pspcr", e.Pspcr);
    json.Numero("Fcss", e.Fcss);
    json.Numero("Sups", e.Sups);
    json.Numero("Scf", e.Scf);
    json.Entero("Tp", e.Tp);
    json.Numero("Fpsb", e.Fpsb);
    json.Numero("Fpset", e.Fpset);
    json.Numero("Fpsed", e.Fpsed);
    json.Numero("Fps", e.Fps);
    json.Numero("Scs", e.Scs);
    json.Numero("Srs", e.Srs);
    json.Numero("Fcm", e.Fcm);
    json.Numero("Lct", e.Lct);
    json.Numero("TeE", e.TeE);
    json.Numero("PsE", e.PsE);
    json.CerrarObjeto();
    return json.Resultado();
}

}  // namespace brovel
