#include "cli/Claves.h"

#include <string_view>
#include <vector>

#include "cli/Consola.h"
#include "cli/Escorrentia.h"
#include "cli/Json.h"
#include "cli/Ladera.h"
#include "cli/Registro.h"
#include "forms/CamposBrovel.h"
#include "forms/CamposZumbrel.h"
#include "forms/FormaBrovel.h"
#include "forms/FormaZumbrel.h"

namespace brovel {
namespace {

using TTablaCampos = const std::vector<TDefinicionCampo>& (*)();

// The field a key mirrors: a model member is named after its field without the
// "eu" prefix and the "Resultado" suffix; a result field wins over an input of
// the same name.
const TDefinicionCampo* CampoDeClave(std::string_view clave, TTablaCampos campos) {
    const std::string nombre = "eu" + std::string(clave);
    const TDefinicionCampo* entrada = nullptr;
    for (const TDefinicionCampo& d : campos()) {
        if (d.nombre == nombre + "Resultado") return &d;
        if (d.nombre == nombre) entrada = &d;
    }
    return entrada;
}

std::string_view UnidadBase(const TDefinicionCampo& d) {
    const std::string_view primera = d.unidades.substr(0, d.unidades.find(';'));
    return primera.substr(0, primera.find('|'));
}

// The keys of an object printed by TEscritorJson: those at the first level.
std::vector<std::string> ClavesDeObjeto(const std::string& json) {
    std::vector<std::string> claves;
    size_t inicio = 0;
    while (inicio < json.size()) {
        const size_t fin = json.find('\n', inicio);
        const std::string_view linea(json.data() + inicio, (fin == std::string::npos ? json.size() : fin) - inicio);
        if (linea.starts_with("  \"")) claves.emplace_back(linea.substr(3, linea.find('"', 3) - 3));
        if (fin == std::string::npos) break;
        inicio = fin + 1;
    }
    return claves;
}

void Lista(TEscritorJson& json, std::string_view orden, const std::vector<std::string>& claves, TTablaCampos campos) {
    json.AbrirLista(orden);
    for (const std::string& clave : claves) {
        json.AbrirObjeto();
        json.Texto("clave", clave);
        if (const TDefinicionCampo* d = CampoDeClave(clave, campos)) {
            json.Texto("campo", d->nombre);
            json.Texto("titulo", d->titulo);
            json.Texto("unidad", UnidadBase(*d));
        } else {
            json.Nulo("campo");
            json.Nulo("titulo");
            json.Nulo("unidad");
        }
        json.CerrarObjeto();
    }
    json.CerrarLista();
}

}  // namespace

std::string ClavesComoJson() {
    TInterlocutorDeConsola consola;
    consola.callado = true;
    TFormaBrovel ladera(consola);
    std::vector<std::string> deLadera;
    for (const TCampoSalida& campo : LaderaComoRegistro(ladera)) deLadera.push_back(campo.clave);
    TFormaZumbrel escorrentia(consola);
    const std::vector<std::string> deEscorrentia = ClavesDeObjeto(EscorrentiaComoJson(escorrentia));

    TEscritorJson json;
    json.AbrirObjeto();
    Lista(json, "ladera", deLadera, CamposBrovel);
    Lista(json, "escorrentia", deEscorrentia, CamposZumbrel);
    json.CerrarObjeto();
    return json.Resultado();
}

}  // namespace brovel
