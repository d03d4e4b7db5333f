// brovel-calc: the calculators without their windows, for scripts. It runs the
// windows' forms, without any display, and prints what they compute.
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Claves.h"
#include "cli/Escorrentia.h"
#include "cli/Consola.h"
#include "cli/Ladera.h"
#include "cli/Lote.h"
#include "cli/Reporte.h"
#include "cli/Salida.h"
#include "cli/Tabla.h"
#include "docs/ArchivoIni.h"
#include "fields/MensajesRango.h"
#include "forms/CamposZumbrel.h"
#include "forms/FormaBrovel.h"
#include "tables/TablasReferencia.h"

namespace {

using brovel::ArgumentoErroneo;
using brovel::Argumentos;
using brovel::Avisar;
using brovel::Imprimir;
using brovel::TextoMostrable;
using brovel::TInterlocutorDeConsola;

struct TOrden {
    const char* nombre;
    const char* uso;
    const char* descripcion;
    std::function<int(const Argumentos&)> ejecutar;
};

int Uso(std::FILE* salida);

// The slope form after start-up, with a project opened as Abrir opens it if one is
// named, and saved as Guardar saves it if asked. The project is read once. Returns
// the exit status of a failure, or 0.
int PrepararLadera(const Argumentos& argumentos, TInterlocutorDeConsola& consola, brovel::TFormaBrovel& forma) {
    std::string archivo, salida, zumbrel;
    bool hayArchivo = false, haySalida = false;
    for (size_t i = 0; i < argumentos.size(); ++i) {
        const std::string_view a = argumentos[i];
        if (a == "--zumbrel") {
            if (!zumbrel.empty()) return ArgumentoErroneo("«--zumbrel» se dio más de una vez");
            if (i + 1 >= argumentos.size()) return ArgumentoErroneo("«--zumbrel» necesita extrema, evento o ambos");
            zumbrel = argumentos[++i];
            if (zumbrel != "extrema" && zumbrel != "evento" && zumbrel != "ambos")
                return ArgumentoErroneo("«--zumbrel» necesita extrema, evento o ambos, no «" + TextoMostrable(zumbrel) +
                                        "»");
        } else if (a == "--guardar") {
            if (haySalida) return ArgumentoErroneo("«--guardar» se dio más de una vez");
            if (i + 1 >= argumentos.size()) return ArgumentoErroneo("«--guardar» necesita un archivo de salida");
            salida = argumentos[++i];
            haySalida = true;
            if (salida.empty()) return ArgumentoErroneo("«--guardar» necesita un archivo de salida, no un texto vacío");
        } else if (!hayArchivo && !a.starts_with("-")) {
            archivo = a;
            hayArchivo = true;
            if (archivo.empty()) return ArgumentoErroneo("la ruta del proyecto está vacía");
        } else {
            return ArgumentoErroneo("argumento inesperado para «ladera»: " + TextoMostrable(a));
        }
    }
    if (hayArchivo) {
        std::string motivo;
        consola.callado = true;
        const bool abierto = forma.AbrirProyecto(archivo, &motivo);
        consola.callado = false;
        if (!abierto) {
            Avisar("no se pudo leer «" + TextoMostrable(archivo) + "»: " + motivo);
            return 1;
        }
    }
    // The runoff window at its start-up inputs, closed at once.
    if (zumbrel == "extrema" || zumbrel == "ambos") forma.btUsarZumbrelClick();
    if (zumbrel == "evento" || zumbrel == "ambos") forma.btUsarZumbrel2Click();
    if (haySalida && !forma.GuardarValores(salida, salida)) return 1;
    return 0;
}

// The slope form's values once its Erosión tab is shown; with --campos, also the
// text of every field as the window shows it.
int Ladera(const Argumentos& argumentos) {
    Argumentos resto;
    bool campos = false;
    for (const std::string_view a : argumentos) {
        if (a != "--campos") {
            resto.push_back(a);
        } else if (campos) {
            return ArgumentoErroneo("«--campos» se dio más de una vez");
        } else {
            campos = true;
        }
    }
    TInterlocutorDeConsola consola;
    brovel::TFormaBrovel forma(consola);
    if (const int estado = PrepararLadera(resto, consola, forma)) return estado;
    forma.MostrarPestana(brovel::TPestanaBrovel::Erosion);
    brovel::TRegistro registro = brovel::LaderaComoRegistro(forma);
    if (campos)
        for (brovel::TCampoSalida& c : brovel::CamposComoRegistro(forma)) registro.push_back(std::move(c));
    return Imprimir(brovel::RegistroComoJson(registro, false));
}

// One number of an option, or the reason it is not one.
bool LeerNumeroDeOpcion(std::string_view opcion, std::string_view texto, double& valor, std::string& error) {
    const auto numero = brovel::NumeroDeArgumento(texto);
    if (!numero) {
        error = "«" + std::string(opcion) + "» necesita un número, no «" + TextoMostrable(texto) + "»";
        return false;
    }
    valor = *numero;
    return true;
}

// The window's range message when `valor` is outside the range of the field the
// option stands for, judged as the field judges the number it shows; else empty.
std::string FueraDeRangoDeOpcion(std::string_view opcion, double valor) {
    static const std::pair<std::string_view, std::string_view> kCampos[] = {
        {"--distancia", "euDdpmrhls"}, {"--desnivel", "euDntepmrys"}, {"--area", "euAc"},
        {"--abstraccion", "euAi"},     {"--paso", "euPtsd"},          {"--nc", "euNc"},
        {"--lluvia", "euAll"},
    };
    for (const auto& [nombre, campo] : kCampos) {
        if (nombre == opcion) return brovel::FueraDeRangoDe(brovel::CampoZumbrel(campo), valor);
    }
    return {};
}

// The runoff window as the program starts it, its data file loaded if named, then
// each input given set through its control in the window's order. Returns the exit
// status of a failure, or 0.
int PrepararEscorrentia(const Argumentos& argumentos, brovel::TFormaZumbrel& forma) {
    std::optional<double> distancia, desnivel, area, abstraccion, paso, nc;
    std::optional<int> uso;
    std::vector<double> lluvia;
    bool calculada = false, acumulada = false, hayLluvia = false;
    std::string datos;
    std::string error;
    const std::pair<const char*, std::optional<double>*> numeros[] = {
        {"--distancia", &distancia},     {"--desnivel", &desnivel}, {"--area", &area},
        {"--abstraccion", &abstraccion}, {"--paso", &paso},         {"--nc", &nc},
    };
    std::vector<std::string_view> vistas;
    for (size_t i = 0; i < argumentos.size(); ++i) {
        const std::string_view a = argumentos[i];
        for (const std::string_view v : vistas)
            if (v == a) return ArgumentoErroneo("«" + TextoMostrable(a) + "» se dio más de una vez");
        vistas.push_back(a);
        if (a == "--abstraccion-calculada") {
            calculada = true;
            continue;
        }
        if (a == "--acumulada") {
            acumulada = true;
            continue;
        }
        bool conocida = false;
        for (const auto& [nombre, destino] : numeros) {
            if (a != nombre) continue;
            conocida = true;
            if (i + 1 >= argumentos.size()) return ArgumentoErroneo("«" + std::string(nombre) + "» necesita un número");
            double valor = 0;
            const std::string_view texto = argumentos[++i];
            if (!LeerNumeroDeOpcion(nombre, texto, valor, error)) return ArgumentoErroneo(error);
            if (const std::string fuera = FueraDeRangoDeOpcion(nombre, valor); !fuera.empty())
                return ArgumentoErroneo("«" + std::string(nombre) + " " + TextoMostrable(texto) + "»: " + fuera);
            *destino = valor;
        }
        if (conocida) continue;
        if (a == "--uso" || a == "--lluvia" || a == "--datos") {
            if (i + 1 >= argumentos.size()) return ArgumentoErroneo("«" + std::string(a) + "» necesita un valor");
            const std::string_view valor = argumentos[++i];
            if (a == "--datos") {
                if (valor.empty()) return ArgumentoErroneo("«--datos» necesita un archivo, no un texto vacío");
                datos = valor;
            } else if (a == "--uso") {
                if (valor.size() != 1 || valor[0] < '0' || valor[0] > '3')
                    return ArgumentoErroneo("«--uso» necesita 0, 1, 2 o 3, no «" + TextoMostrable(valor) + "»");
                uso = valor[0] - '0';
            } else {
                hayLluvia = true;
                std::string_view resto = valor;
                while (true) {
                    const size_t coma = resto.find(',');
                    double altura = 0;
                    if (!LeerNumeroDeOpcion("--lluvia", resto.substr(0, coma), altura, error))
                        return ArgumentoErroneo(error);
                    if (const std::string fuera = FueraDeRangoDeOpcion("--lluvia", altura); !fuera.empty())
                        return ArgumentoErroneo("«--lluvia " + TextoMostrable(valor) + "»: " + fuera);
                    lluvia.push_back(altura);
                    if (coma == std::string_view::npos) break;
                    resto.remove_prefix(coma + 1);
                }
                if (lluvia.size() > static_cast<size_t>(brovel::kMaxDatosSerie))
                    return ArgumentoErroneo("«--lluvia» admite a lo sumo 100 alturas");
            }
            continue;
        }
        return ArgumentoErroneo("argumento inesperado para «escorrentia»: " + TextoMostrable(a));
    }
    if (calculada && abstraccion) return ArgumentoErroneo("«--abstraccion» y «--abstraccion-calculada» se excluyen");

    using brovel::TGrupoZumbrel;
    using brovel::TListaZumbrel;
    if (!datos.empty() && !forma.CargarDatos(datos)) return 1;
    if (distancia) forma.euDdpmrhls.SetBaseValue(*distancia);
    if (desnivel) forma.euDntepmrys.SetBaseValue(*desnivel);
    if (area) forma.euAc.SetBaseValue(*area);
    if (calculada) forma.MarcarAbstraccionAsignada(false);
    if (abstraccion) forma.euAi.SetBaseValue(*abstraccion);
    if (acumulada) forma.ElegirOpcion(TGrupoZumbrel::Serie, 1);
    if (paso) forma.euPtsd.SetBaseValue(*paso);
    if (hayLluvia) {
        forma.ElegirEnLista(TListaZumbrel::cbSall, static_cast<int>(lluvia.size()) - 1);
        for (size_t k = 0; k < lluvia.size(); ++k) {
            forma.ElegirEnLista(TListaZumbrel::cbLluvia, static_cast<int>(k));
            forma.euAll.SetBaseValue(lluvia[k]);
        }
    }
    if (uso) forma.ElegirOpcion(TGrupoZumbrel::UsoSuelo, *uso);
    if (nc) forma.euNc.SetBaseValue(*nc);
    return 0;
}

// The runoff form's values once its Escorrentía tab is shown.
int Escorrentia(const Argumentos& argumentos) {
    TInterlocutorDeConsola consola;
    brovel::TFormaZumbrel forma(consola);
    if (const int estado = PrepararEscorrentia(argumentos, forma)) return estado;
    forma.MostrarPestana(brovel::TPestanaZumbrel::Escorrentia);
    return Imprimir(brovel::EscorrentiaComoJson(forma));
}

// The report a window's "Reporte" tab shows, written to the file named by "-o" as
// PDF or RTF by its extension.
int ReporteDeLadera(const Argumentos& argumentos) {
    std::string salida;
    Argumentos resto;
    if (const int estado = brovel::SepararSalidaDeReporte(argumentos, salida, resto)) return estado;
    TInterlocutorDeConsola consola;
    brovel::TFormaBrovel forma(consola);
    if (const int estado = PrepararLadera(resto, consola, forma)) return estado;
    return brovel::EscribirReporte(forma, salida);
}

int ReporteDeEscorrentia(const Argumentos& argumentos) {
    std::string salida;
    Argumentos resto;
    if (const int estado = brovel::SepararSalidaDeReporte(argumentos, salida, resto)) return estado;
    TInterlocutorDeConsola consola;
    brovel::TFormaZumbrel forma(consola);
    if (const int estado = PrepararEscorrentia(resto, forma)) return estado;
    return brovel::EscribirReporte(forma, salida);
}

// One reference table, or the list of them.
// Without --todo, only the columns a person reads: not those that say how a row is drawn.
int Tabla(const Argumentos& argumentos) {
    bool todo = false;
    Argumentos codigos;
    for (const std::string_view a : argumentos) {
        if (a == "--todo") {
            if (todo) return ArgumentoErroneo("«--todo» se dio más de una vez");
            todo = true;
        } else {
            codigos.push_back(a);
        }
    }
    if (codigos.size() > 1) return ArgumentoErroneo("argumento inesperado para «tabla»: " + TextoMostrable(codigos[1]));
    if (codigos.empty()) return Imprimir(brovel::CatalogoComoJson());
    const auto tabla = brovel::CargarTabla(codigos.front());
    if (!tabla)
        return ArgumentoErroneo("tabla desconocida: " + TextoMostrable(codigos.front()) +
                                " (pruebe «brovel-calc tabla»)");
    return Imprimir(brovel::TablaComoJson(*tabla, todo));
}

// The keys the calculations print, with their fields' captions and units.
int Claves(const Argumentos& argumentos) {
    if (!argumentos.empty())
        return ArgumentoErroneo("argumento inesperado para «claves»: " + TextoMostrable(argumentos[0]));
    return Imprimir(brovel::ClavesComoJson());
}

const std::vector<TOrden>& Ordenes() {
    static const std::vector<TOrden> ordenes = {
        {"ladera", "ladera [--guardar SALIDA.bvx] [--zumbrel extrema|evento|ambos] [--campos] [ARCHIVO.bvx]",
         "\n                                               calcula el proyecto nuevo, o el del archivo, e imprime sus\n"
         "                                               valores en JSON; con --guardar, lo guarda además en SALIDA.bvx;\n"
         "                                               con --zumbrel, toma antes la escorrentía de Zumbrel; con\n"
         "                                               --campos, también el texto de cada campo como lo muestra\n"
         "                                               la ventana",
         Ladera},
        {"escorrentia",
         "escorrentia [--distancia KM] [--desnivel M] [--area KM2] [--abstraccion MM | --abstraccion-calculada]\n"
         "              [--acumulada] [--paso MIN] [--lluvia v1,v2,...] [--uso 0|1|2|3] [--nc N] [--datos ARCHIVO.zbr]",
         "\n                                               calcula la escorrentía de la cuenca (la ventana Zumbrel) e\n"
         "                                               imprime en JSON sus series, el hidrograma, el volumen y el caudal pico",
         Escorrentia},
        {"lote", "lote [--zumbrel extrema|evento|ambos] [--csv] ARCHIVO.bvx... | CARPETA",
         "\n                                               calcula cada proyecto como «ladera» e imprime una línea JSON\n"
         "                                               por proyecto (con --csv, una tabla CSV)",
         brovel::Lote},
        {"barrido", "barrido ARCHIVO.bvx --variar SECCION.CLAVE=DESDE:HASTA:PASO [--variar ...] [--csv]",
         "\n                                               calcula el proyecto en cada punto de la grilla de valores\n"
         "                                               (la última entrada varía más rápido), una línea por punto",
         brovel::Barrido},
        {"reporte", "reporte [ARCHIVO.bvx] [--zumbrel extrema|evento|ambos] -o SALIDA.pdf|SALIDA.rtf",
         "\n                                               escribe el reporte de la ladera, como lo muestra su pestaña\n"
         "                                               «Reporte», en PDF o en RTF según la extensión de SALIDA",
         ReporteDeLadera},
        {"reporte-escorrentia", "reporte-escorrentia [las opciones de «escorrentia»] -o SALIDA.pdf|SALIDA.rtf",
         "\n                                               escribe el reporte de la escorrentía (Zumbrel) en PDF o RTF",
         ReporteDeEscorrentia},
        {"tabla", "tabla [--todo] [CODIGO]",
         "\n                                               imprime en JSON una tabla de referencia (sin código, la lista\n"
         "                                               de tablas); con --todo, también las columnas de dibujo",
         Tabla},
        {"claves", "claves",
         "\n                                               imprime en JSON cada clave de «ladera» y «escorrentia» con el\n"
         "                                               título y la unidad del campo que la muestra",
         Claves},
    };
    return ordenes;
}

int Uso(std::FILE* salida) {
    std::string texto = "Uso: brovel-calc ORDEN [ARGUMENTOS]\n\nÓrdenes:\n";
    for (const TOrden& orden : Ordenes()) {
        // Built whole, not into a fixed buffer: a long description must not lose its end.
        std::string uso = orden.uso;
        if (uso.size() < 44) uso.append(44 - uso.size(), ' ');
        texto += "  " + uso + " " + orden.descripcion + "\n";
    }
    texto += "\nOpciones:\n  --help                                       muestra esta ayuda\n";
    if (salida == stdout) return Imprimir(texto);
    std::fputs(texto.c_str(), salida);
    return 0;
}

int Ejecutar(const Argumentos& argumentos) {
    if (argumentos.empty()) return ArgumentoErroneo("falta la orden (pruebe «brovel-calc --help»)");
    const std::string_view primera = argumentos.front();
    if (primera == "--help" || primera == "-h") return Uso(stdout);
    for (const TOrden& orden : Ordenes()) {
        if (primera != orden.nombre) continue;
        const Argumentos resto(argumentos.begin() + 1, argumentos.end());
        for (const std::string_view a : resto)
            if (a == "--help" || a == "-h") return Uso(stdout);
        return orden.ejecutar(resto);
    }
    return ArgumentoErroneo("orden desconocida: " + TextoMostrable(primera) + " (pruebe «brovel-calc --help»)");
}

}  // namespace

int main(int argc, char** argv) {
    const int estado = Ejecutar(Argumentos(argv + 1, argv + argc));
    // The output is closed even after a failure, so that nothing is left unsaid;
    // a failure to close it fails a command that had succeeded.
    const int cierre = brovel::CerrarSalida();
    return estado != 0 ? estado : cierre;
}
