#include "cli/Lote.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/Ladera.h"
#include "cli/Registro.h"
#include "docs/ArchivoIni.h"
#include "forms/FormaBrovel.h"
#include "forms/ReconocerProyecto.h"

namespace brovel {
namespace {

namespace fs = std::filesystem;
using Reloj = std::chrono::steady_clock;

// The CSV row of a record: a number that is out of date is never shown as current,
// so its cell is empty, and the column "sin_actualizar" names it (names joined by
// ";") just before "error".
TRegistro ParaCsv(const TRegistro& registro, const std::string& error) {
    std::vector<std::string> viejos;
    for (const TCampoSalida& c : registro)
        if (c.clave == "sin_actualizar") viejos = std::get<std::vector<std::string>>(c.valor);
    TRegistro fila;
    for (const TCampoSalida& c : registro) {
        const bool viejo = std::find(viejos.begin(), viejos.end(), c.clave) != viejos.end();
        fila.push_back(viejo ? TCampoSalida{c.clave, std::string()} : c);
    }
    std::string nombres;
    for (const std::string& v : viejos) nombres += (nombres.empty() ? "" : ";") + v;
    fila.push_back({"sin_actualizar", nombres});
    fila.push_back({"error", error});
    return fila;
}

// How the results go out: one JSON object per line, or one CSV table.
class TSalidaDeLote {
public:
    explicit TSalidaDeLote(bool csv) : csv_(csv) {}

    // A computed project; the first one gives the CSV its header.
    int Escribir(const TRegistro& registro) {
        if (!csv_) return Imprimir(RegistroComoJson(registro, true));
        const TRegistro fila = ParaCsv(registro, std::string());
        if (!encabezado_) {
            encabezado_ = true;
            if (const int fallo = Imprimir(EncabezadoCsv(fila))) return fallo;
            columnas_ = fila;
        }
        return Imprimir(FilaCsv(fila));
    }

    // A project that could not be read: its name and the reason, the rest empty.
    int Fallo(const TRegistro& claves, const std::string& error) {
        if (!csv_) {
            TRegistro r = claves;
            r.push_back({"error", error});
            return Imprimir(RegistroComoJson(r, true));
        }
        if (!encabezado_) {
            // Nothing computed yet gives the columns: a new project does.
            TInterlocutorDeConsola consola;
            TFormaBrovel forma(consola);
            forma.MostrarPestana(TPestanaBrovel::Erosion);
            TRegistro muestra = claves;
            for (TCampoSalida& c : LaderaComoRegistro(forma)) muestra.push_back(std::move(c));
            muestra = ParaCsv(muestra, std::string());
            columnas_ = muestra;
            encabezado_ = true;
            if (const int fallo = Imprimir(EncabezadoCsv(muestra))) return fallo;
        }
        // The project's own columns first, then every other one empty, the reason last.
        TRegistro fila;
        for (const TCampoSalida& c : columnas_) {
            const bool lista = std::holds_alternative<std::vector<std::string>>(c.valor);
            fila.push_back({c.clave, lista ? TValorSalida(std::vector<std::string>()) : TValorSalida(std::string())});
        }
        for (size_t i = 0; i < claves.size() && i < fila.size(); ++i) fila[i].valor = claves[i].valor;
        fila.back().valor = error;
        return Imprimir(FilaCsv(fila));
    }

private:
    bool csv_;
    bool encabezado_ = false;
    TRegistro columnas_;
};

// The count, rate and time left, on one line of a terminal's error output.
class TProgreso {
public:
    explicit TProgreso(size_t total) : total_(total), activo_(::isatty(2) == 1), inicio_(Reloj::now()) {}
    ~TProgreso() {
        if (activo_ && mostrado_) std::fputs("\n", stderr);
    }

    void Avanzar(size_t hechos) {
        if (!activo_) return;
        const auto ahora = Reloj::now();
        if (hechos < total_ && ahora - ultimo_ < std::chrono::milliseconds(250)) return;
        ultimo_ = ahora;
        mostrado_ = true;
        const double segundos = std::chrono::duration<double>(ahora - inicio_).count();
        const double ritmo = segundos > 0 ? hechos / segundos : 0;
        const double quedan = ritmo > 0 ? (total_ - hechos) / ritmo : 0;
        std::fprintf(stderr, "\r%zu de %zu, %.0f por segundo, faltan %.0f s   ", hechos, total_, ritmo, quedan);
    }

private:
    size_t total_;
    bool activo_;
    bool mostrado_ = false;
    Reloj::time_point inicio_, ultimo_{};
};

// One form for a whole batch, answered by the console: built once as a new
// project, its state kept, and that state put back before every project, so that
// each is computed exactly as on a new form and nothing passes from one to the
// next. Nobody asks whether a project changed, so the form does not remember it.
class TFormaDeLote {
public:
    TFormaDeLote() : forma_(consola_), nueva_(forma_.Instantanea()) { forma_.RecordarProyecto = false; }

    // The form as new.
    TFormaBrovel& Nueva() {
        forma_.Restaurar(*nueva_);
        consola_.callado = false;
        return forma_;
    }
    TInterlocutorDeConsola& Consola() { return consola_; }

private:
    TInterlocutorDeConsola consola_;
    TFormaBrovel forma_;
    std::shared_ptr<const TFormaBrovel::TInstantanea> nueva_;
};

// The exchanges asked of the runoff window, in their order.
void Zumbrel(TFormaBrovel& forma, std::string_view zumbrel) {
    if (zumbrel == "extrema" || zumbrel == "ambos") forma.btUsarZumbrelClick();
    if (zumbrel == "evento" || zumbrel == "ambos") forma.btUsarZumbrel2Click();
}

// The projects one argument names: a folder stands for its ".bvx" files, in the
// order of their names. Folders are taken one at a time, so that a batch of many
// folders never holds all their names at once.
std::vector<std::string> Proyectos(std::string_view ruta) {
    std::error_code error;
    if (!fs::is_directory(std::string(ruta), error)) return {std::string(ruta)};
    std::vector<std::string> carpeta;
    for (const auto& entrada : fs::directory_iterator(std::string(ruta), error)) {
        std::string extension = entrada.path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(), ::tolower);
        if (extension == ".bvx") carpeta.push_back(entrada.path().string());
    }
    std::sort(carpeta.begin(), carpeta.end());
    return carpeta;
}

bool ZumbrelValido(std::string_view z) { return z == "extrema" || z == "evento" || z == "ambos"; }

}  // namespace

int Lote(const Argumentos& argumentos) {
    std::string zumbrel;
    bool csv = false;
    Argumentos rutas;
    for (size_t i = 0; i < argumentos.size(); ++i) {
        const std::string_view a = argumentos[i];
        if (a == "--csv") {
            if (csv) return ArgumentoErroneo("«--csv» se dio más de una vez");
            csv = true;
        } else if (a == "--zumbrel") {
            if (!zumbrel.empty()) return ArgumentoErroneo("«--zumbrel» se dio más de una vez");
            if (i + 1 >= argumentos.size() || !ZumbrelValido(argumentos[i + 1]))
                return ArgumentoErroneo("«--zumbrel» necesita extrema, evento o ambos");
            zumbrel = argumentos[++i];
        } else if (a.starts_with("-") || a.empty()) {
            return ArgumentoErroneo("argumento inesperado para «lote»: «" + TextoMostrable(a) + "»");
        } else {
            rutas.push_back(a);
        }
    }
    if (rutas.empty()) return ArgumentoErroneo("«lote» necesita proyectos o una carpeta");

    size_t total = 0;
    for (const std::string_view ruta : rutas) total += Proyectos(ruta).size();
    TSalidaDeLote salida(csv);
    TProgreso progreso(total);
    bool algunoFallo = false;
    size_t hechos = 0;
    TFormaDeLote formas;
    for (const std::string_view argumento : rutas) {
        for (const std::string& ruta : Proyectos(argumento)) {
            const TRegistro archivo = {{"archivo", ruta}};
            TFormaBrovel& forma = formas.Nueva();
            TInterlocutorDeConsola& consola = formas.Consola();
            std::string motivo;
            consola.callado = true;
            const bool abierto = forma.AbrirProyecto(ruta, &motivo);
            consola.callado = false;
            int fallo = 0;
            if (!abierto) {
                algunoFallo = true;
                fallo = salida.Fallo(archivo, motivo);
            } else {
                Zumbrel(forma, zumbrel);
                forma.MostrarPestana(TPestanaBrovel::Erosion);
                TRegistro registro = LaderaComoRegistro(forma);
                registro.insert(registro.begin(), archivo.front());
                fallo = salida.Escribir(registro);
            }
            if (fallo) return 1;
            progreso.Avanzar(++hechos);
        }
    }
    return algunoFallo ? 1 : 0;
}

namespace {

// One varied entry: its points are computed as they are reached, never stored, so
// that a sweep costs the same memory whatever its size.
struct TVariacion {
    std::string seccion, clave;
    std::string texto;  // as the option gave it
    double desde = 0, paso = 0;
    size_t puntos = 0;

    double Valor(size_t i) const { return desde + static_cast<double>(i) * paso; }
};

// "Seccion.Clave=desde:hasta:paso", or why not.
std::optional<TVariacion> LeerVariacion(std::string_view texto, size_t maximoDePuntos, std::string& error) {
    const size_t igual = texto.find('=');
    const size_t punto = texto.substr(0, igual).find('.');
    if (igual == std::string_view::npos || punto == std::string_view::npos) {
        error = "«--variar» necesita SECCION.CLAVE=DESDE:HASTA:PASO, no «" + TextoMostrable(texto) + "»";
        return std::nullopt;
    }
    TVariacion v{std::string(texto.substr(0, punto)), std::string(texto.substr(punto + 1, igual - punto - 1)),
                 std::string(texto)};
    if (!EsClaveDelProyecto(v.seccion, v.clave)) {
        error = "«" + TextoMostrable(texto.substr(0, igual)) + "» no es una entrada de un proyecto";
        return std::nullopt;
    }
    std::string_view rango = texto.substr(igual + 1);
    double partes[3];
    for (int i = 0; i < 3; ++i) {
        const size_t dos = rango.find(':');
        const std::string_view parte = rango.substr(0, i < 2 ? dos : std::string_view::npos);
        const auto numero = NumeroDeArgumento(parte);
        if ((i < 2 && dos == std::string_view::npos) || !numero) {
            error = "rango no válido en «" + TextoMostrable(texto) + "»: se espera DESDE:HASTA:PASO con números";
            return std::nullopt;
        }
        partes[i] = *numero;
        if (i < 2) rango.remove_prefix(dos + 1);
    }
    const double desde = partes[0], hasta = partes[1], paso = partes[2];
    if (!(paso != 0) || (hasta - desde) / paso < 0 || !std::isfinite((hasta - desde) / paso)) {
        error = "rango no válido en «" + TextoMostrable(texto) + "»: el paso no lleva de DESDE a HASTA";
        return std::nullopt;
    }
    // A step that lands on the end within rounding takes the end too. The count
    // is compared while it is still a double, which holds any number.
    const double pasos = std::floor((hasta - desde) / paso * (1 + 1e-12) + 1e-9);
    if (!(pasos + 1 <= static_cast<double>(maximoDePuntos))) {
        error = "demasiados puntos en «" + TextoMostrable(texto) + "»: más de los " + std::to_string(maximoDePuntos) +
                " que admite un barrido";
        return std::nullopt;
    }
    v.desde = desde;
    v.paso = paso;
    v.puntos = static_cast<size_t>(pasos) + 1;
    return v;
}

// The same entry, as the project file matches them: without regard to case.
bool MismaEntrada(const TVariacion& a, const TVariacion& b) {
    const auto igual = [](std::string_view x, std::string_view y) {
        return std::equal(x.begin(), x.end(), y.begin(), y.end(), [](char p, char q) {
            return std::tolower(static_cast<unsigned char>(p)) == std::tolower(static_cast<unsigned char>(q));
        });
    };
    return igual(a.seccion, b.seccion) && igual(a.clave, b.clave);
}

}  // namespace

int Barrido(const Argumentos& argumentos) { return BarridoHasta(argumentos, kMaximoDePuntos); }

int BarridoHasta(const Argumentos& argumentos, size_t maximoDePuntos) {
    bool csv = false;
    std::string archivo;
    std::vector<TVariacion> variaciones;
    std::string error;
    for (size_t i = 0; i < argumentos.size(); ++i) {
        const std::string_view a = argumentos[i];
        if (a == "--csv") {
            if (csv) return ArgumentoErroneo("«--csv» se dio más de una vez");
            csv = true;
        } else if (a == "--variar") {
            if (i + 1 >= argumentos.size())
                return ArgumentoErroneo("«--variar» necesita SECCION.CLAVE=DESDE:HASTA:PASO");
            const auto variacion = LeerVariacion(argumentos[++i], maximoDePuntos, error);
            if (!variacion) return ArgumentoErroneo(error);
            for (const TVariacion& otra : variaciones)
                if (MismaEntrada(otra, *variacion))
                    return ArgumentoErroneo("«" + TextoMostrable(variacion->seccion + "." + variacion->clave) +
                                            "» se varía más de una vez");
            variaciones.push_back(*variacion);
        } else if (archivo.empty() && !a.empty() && !a.starts_with("-")) {
            archivo = a;
        } else {
            return ArgumentoErroneo("argumento inesperado para «barrido»: «" + TextoMostrable(a) + "»");
        }
    }
    if (archivo.empty()) return ArgumentoErroneo("«barrido» necesita un proyecto");
    if (variaciones.empty()) return ArgumentoErroneo("«barrido» necesita al menos un «--variar»");
    // Counted in whole numbers whose overflow is caught, so that no count is ever
    // wrapped round or cut.
    unsigned long long puntos = 1;
    bool desborda = false;
    for (const TVariacion& v : variaciones) desborda = desborda || __builtin_mul_overflow(puntos, v.puntos, &puntos);
    if (desborda || puntos > maximoDePuntos)
        return ArgumentoErroneo("el barrido tendría " +
                                (desborda ? "más de " + std::to_string(~0ull) : std::to_string(puntos)) +
                                " puntos, más de los " + std::to_string(maximoDePuntos) + " que admite");

    // A range that leaves the field's range is refused as the window refuses the
    // number: its points lie between its ends.
    {
        TInterlocutorDeConsola consola;
        consola.callado = true;
        TFormaBrovel forma(consola);
        for (const TVariacion& v : variaciones)
            for (const double valor : {v.Valor(0), v.Valor(v.puntos - 1)})
                if (const std::string fuera = forma.FueraDeRangoDeEntrada(v.seccion, v.clave, valor); !fuera.empty())
                    return ArgumentoErroneo("«--variar " + TextoMostrable(v.texto) + "»: " + fuera);
    }

    TArchivoIni base;
    std::string motivo;
    if (LeerProyecto(base, archivo, motivo) != TCarga::Leido) {
        Avisar("no se pudo leer «" + TextoMostrable(archivo) + "»: " + motivo);
        return 1;
    }
    const std::string texto = base.Texto();
    TSalidaDeLote salida(csv);
    TProgreso progreso(puntos);
    std::vector<size_t> indices(variaciones.size(), 0);
    TFormaDeLote formas;
    // Each point is the project with the varied entries written into it, opened as
    // Abrir opens a file. The project is read once: opening only reads it, and the
    // same entries are written at every point, each in the place the first point
    // gave it, so the document is the one a fresh copy with those entries would be.
    TArchivoIni punto;
    punto.CargarTexto(texto);
    for (size_t n = 0; n < puntos; ++n) {
        TRegistro registro;
        bool escrito = true;
        for (size_t k = 0; k < variaciones.size(); ++k) {
            const TVariacion& v = variaciones[k];
            escrito = punto.EscribirReal(v.seccion, v.clave, v.Valor(indices[k])) && escrito;
            registro.push_back({v.seccion + "." + v.clave, v.Valor(indices[k])});
        }
        if (!escrito) {
            // A value that cannot be written leaves its entry as the project has it,
            // not as the previous point left it.
            punto.CargarTexto(texto);
            for (size_t k = 0; k < variaciones.size(); ++k)
                punto.EscribirReal(variaciones[k].seccion, variaciones[k].clave, variaciones[k].Valor(indices[k]));
        }
        TFormaBrovel& forma = formas.Nueva();
        forma.AbrirDocumento(punto, archivo);
        forma.MostrarPestana(TPestanaBrovel::Erosion);
        TRegistro resultados = LaderaComoRegistro(forma);
        registro.reserve(registro.size() + resultados.size());
        for (TCampoSalida& c : resultados) registro.push_back(std::move(c));
        if (salida.Escribir(registro)) return 1;
        progreso.Avanzar(n + 1);
        // The last entry varies fastest.
        for (size_t k = variaciones.size(); k-- > 0;) {
            if (++indices[k] < variaciones[k].puntos) break;
            indices[k] = 0;
        }
    }
    return 0;
}

}  // namespace brovel
