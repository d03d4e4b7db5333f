// The runoff window's own data file (".zbr"): its inputs, the basin, the soil,
// the storm in both stores of heights and the curve number, in a small INI file
// saved as the slope projects are. A file that is not one, or that lacks an entry,
// is refused whole, so nothing changes.
#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>

#include "docs/ArchivoIni.h"
#include "forms/FormaZumbrel.h"

namespace brovel {
namespace {

constexpr const char* kMarca = "Zumbrel";
constexpr int kVersion = 1;

// The entries that carry a field's number, in the order they are applied.
struct TEntradaCampo {
    const char* seccion;
    const char* clave;
    TCantidad TFormaZumbrel::*campo;
};
const TEntradaCampo kCampos[] = {
    {"Geometria", "Distancia", &TFormaZumbrel::euDdpmrhls},
    {"Geometria", "Desnivel", &TFormaZumbrel::euDntepmrys},
    {"Geometria", "Area", &TFormaZumbrel::euAc},
    {"Suelo", "Abstraccion", &TFormaZumbrel::euAi},
    {"Forzantes", "Paso", &TFormaZumbrel::euPtsd},
    {"Condicionantes", "Numero_curva", &TFormaZumbrel::euNc},
};

std::string Clave(const char* prefijo, int k) { return prefijo + std::to_string(k); }

// The data's sections: in their own file as named, inside a slope project after
// `prefijo`.
std::string Seccion(const std::string& prefijo, const char* seccion) { return prefijo + seccion; }

// The number of an entry, or why the file is refused.
double Numero(const TArchivoIni& ini, const std::string& seccion, const std::string& clave, const std::string& ruta) {
    // No entry ever reads as "not a number".
    const double valor = ini.LeerReal(seccion, clave, std::nan(""));
    if (std::isnan(valor))
        throw TErrorArchivo("El archivo \"" + ruta + "\" está incompleto o dañado: no se puede leer «" + seccion + "." +
                            clave + "»");
    return valor;
}

int Entero(const TArchivoIni& ini, const std::string& seccion, const char* clave, int desde, int hasta,
           const std::string& ruta) {
    const double valor = Numero(ini, seccion, clave, ruta);
    if (!(valor >= desde && valor <= hasta) || valor != std::floor(valor))
        throw TErrorArchivo("El archivo \"" + ruta + "\" está dañado: «" + seccion + "." + clave + "» no está entre " +
                            std::to_string(desde) + " y " + std::to_string(hasta));
    return static_cast<int>(valor);
}

}  // namespace

bool TFormaZumbrel::CargarDatos(const std::string& ruta) {
    return Manejar([&] {
        TArchivoIni ini;
        std::string motivo;
        if (ini.Leer(ruta, &motivo, kMensajeDatosDemasiadoGrandes) != TCarga::Leido)
            throw TErrorArchivo("No se pudo abrir \"" + ruta + "\": " + motivo);
        LeerDatos(ini, "", ruta);
    });
}

bool TFormaZumbrel::TieneDatos(const TArchivoIni& ini, const std::string& prefijo) {
    return ini.LeerEntero(Seccion(prefijo, kMarca), "Version", 0) == kVersion;
}

void TFormaZumbrel::LeerDatos(const TArchivoIni& ini, const std::string& prefijo, const std::string& ruta) {
    const auto seccion = [&](const char* s) { return Seccion(prefijo, s); };
    if (!TieneDatos(ini, prefijo)) throw TErrorArchivo("\"" + ruta + "\" no es un archivo de datos de Zumbrel");

    // Everything is read and checked before anything changes.
    double campos[std::size(kCampos)];
    for (size_t i = 0; i < std::size(kCampos); ++i)
        campos[i] = Numero(ini, seccion(kCampos[i].seccion), kCampos[i].clave, ruta);
    const int grupo = Entero(ini, seccion("Suelo"), "Grupo", 0, 3, ruta);
    const int asignada = Entero(ini, seccion("Suelo"), "Asignacion", 0, 1, ruta);
    const int serie = Entero(ini, seccion("Forzantes"), "Serie", 1, 2, ruta);
    const int cantidad = Entero(ini, seccion("Forzantes"), "Cantidad", 1, kMaxDatosSerie, ruta);
    const int uso = Entero(ini, seccion("Condicionantes"), "Uso", 0, 3, ruta);
    TSerieZumbrel parcial{}, acumulada{};
    for (int k = 1; k <= kMaxDatosSerie; ++k) {
        parcial[static_cast<size_t>(k)] = Numero(ini, seccion("Forzantes"), Clave("parcial_", k), ruta);
        acumulada[static_cast<size_t>(k)] = Numero(ini, seccion("Forzantes"), Clave("acumulada_", k), ruta);
    }

    // Applied as a person would set them, in the window's order.
    for (size_t i = 0; i < 3; ++i) (this->*kCampos[i].campo).SetBaseValue(campos[i]);
    SetIndice(TListaZumbrel::cbGh, grupo);
    MarcarAbstraccionAsignada(asignada == 1);
    euAi.SetBaseValue(campos[3]);
    Estado.AllParcial = parcial;
    Estado.AllAcumulada = acumulada;
    opciones_[static_cast<size_t>(TGrupoZumbrel::Serie)] = serie - 1;
    euPtsd.SetBaseValue(campos[4]);
    SetIndice(TListaZumbrel::cbSall, cantidad - 1);
    cbSallChange();
    ElegirOpcion(TGrupoZumbrel::UsoSuelo, uso);
    euNc.SetBaseValue(campos[5]);
    EscorrentiaShow();
}

void TFormaZumbrel::EscribirDatos(TArchivoIni& ini, const std::string& prefijo) {
    const auto seccion = [&](const char* s) { return Seccion(prefijo, s); };
    ini.EscribirEntero(seccion(kMarca), "Version", kVersion);
    for (const TEntradaCampo& c : kCampos)
        ini.EscribirReal(seccion(c.seccion), c.clave, static_cast<double>((this->*c.campo).GetBaseValue()));
    ini.EscribirEntero(seccion("Suelo"), "Grupo", std::max(Lista(TListaZumbrel::cbGh).indice, 0));
    ini.EscribirEntero(seccion("Suelo"), "Asignacion", aai_ ? 1 : 0);
    ini.EscribirEntero(seccion("Forzantes"), "Serie", Opcion(TGrupoZumbrel::Serie) + 1);
    ini.EscribirEntero(seccion("Forzantes"), "Cantidad", std::max(Lista(TListaZumbrel::cbSall).Posicion(), 1));
    ini.EscribirEntero(seccion("Condicionantes"), "Uso", Opcion(TGrupoZumbrel::UsoSuelo));
    for (int k = 1; k <= kMaxDatosSerie; ++k) {
        ini.EscribirReal(seccion("Forzantes"), Clave("parcial_", k), Estado.AllParcial[static_cast<size_t>(k)]);
        ini.EscribirReal(seccion("Forzantes"), Clave("acumulada_", k), Estado.AllAcumulada[static_cast<size_t>(k)]);
    }
}

bool TFormaZumbrel::GuardarDatos(const std::string& ruta) {
    return Manejar([&] {
        TArchivoIni ini;
        EscribirDatos(ini, "");
        ini.Guardar(ruta);
    });
}

}  // namespace brovel
