// The slope form and its runoff form for a web page: a thin layer that passes
// each of the page's actions to the form, as a window's widget does, and hands
// back what the form shows. Nothing is computed here that the forms do not hold.
#include <emscripten/bind.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <utility>

#include "docs/Archivos.h"
#include "docs/RtfHtml.h"
#include "fields/MensajesRango.h"
#include "forms/Ayuda.h"
#include "forms/CamposBrovel.h"
#include "forms/CamposZumbrel.h"
#include "forms/EncabezadoReporte.h"
#include "forms/FormaBrovel.h"
#include "forms/Preguntas.h"
#include "forms/ReporteBrovel.h"
#include "forms/ReporteZumbrel.h"
#include "web/DescripcionWeb.h"
#include "web/InterlocutorWeb.h"
#include "web/TablasWeb.h"
#include "web/Valores.h"

namespace brovel::web {
namespace {

// The page's files live in the module's memory, in this folder, under the names
// the person gave them: the project saved is updated as the desktop updates it.
const std::filesystem::path kCarpeta = "/proyectos";

// A file the forms wrote: in the module's memory its creation mask leaves it
// without permissions, which mean nothing there, so it is made readable again.
std::string Leer(const std::filesystem::path& ruta) {
    std::error_code error;
    std::filesystem::permissions(ruta, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add, error);
    std::ifstream archivo(ruta, std::ios::binary);
    std::ostringstream texto;
    texto << archivo.rdbuf();
    return texto.str();
}

void Escribir(const std::filesystem::path& ruta, std::string_view bytes) {
    std::filesystem::create_directories(ruta.parent_path());
    std::error_code error;
    std::filesystem::permissions(ruta, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add, error);
    std::ofstream archivo(ruta, std::ios::binary | std::ios::trunc);
    archivo.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A name the person gave, kept to its last part so that it stays in the folder.
std::filesystem::path RutaPara(const std::string& nombre) {
    std::string base = std::filesystem::path(nombre).filename().string();
    if (base.empty() || base == "." || base == "..") base = "Sin Nombre.bvx";
    return kCarpeta / base;
}

TRespuesta RespuestaDe(int respuesta) {
    switch (respuesta) {
        case 0: return TRespuesta::Si;
        case 1: return TRespuesta::No;
        default: return TRespuesta::Cancelar;
    }
}

// A field left by the person: read, rendered and tested against its range; a
// number outside it is said in the error box, as the window says it.
void SalirDeCampo(TCantidad& campo, const TDefinicionCampo& d, TInterlocutorWeb& interlocutor) {
    try {
        const TESBBoundsValidationType tipo = campo.ProcesarSalida();
        if (tipo == TESBBoundsValidationType::Ninguno) return;
        interlocutor.MostrarError(d.clase == TClaseCampo::Entrada ? MensajeFueraDeRango(campo.BaseMin, campo.BaseMax)
                                                                  : campo.MensajeLimite(tipo));
    } catch (const std::exception& e) {
        interlocutor.MostrarError(e.what());
    }
}

// Runs one of the page's actions; an error that escapes the form goes to the
// error box, as in the window.
template <typename F>
void Proteger(TInterlocutorWeb& interlocutor, F&& accion) {
    try {
        accion();
    } catch (const std::exception& e) {
        interlocutor.MostrarError(e.what());
    }
}

val Errores(TInterlocutorWeb& interlocutor) {
    val errores = Textos(interlocutor.errores);
    interlocutor.errores.clear();
    return errores;
}

// The buttons of one option group, with the captions the window shows.
template <class TGrupo>
val BotonesDeGrupo(TGrupo g) {
    val botones = val::array();
    for (size_t i = 0; i < BotonesDe(g).size(); ++i) {
        val boton = val::object();
        boton.set("nombre", std::string(BotonesDe(g)[i]));
        boton.set("titulo", std::string(TituloDe(g, static_cast<int>(i))));
        botones.call<void>("push", boton);
    }
    return botones;
}

}  // namespace

class TLaderaWeb {
public:
    TLaderaWeb() : forma_(interlocutor_) {
        std::filesystem::create_directories(kCarpeta / "zumbrel");
        forma_.MostrarPestana(TPestanaBrovel::Geometria);
    }

    // ---- What does not change: the fields' rows, the controls' names and captions.
    val Definiciones() const {
        val o = val::object();
        val campos = val::array();
        for (const TDefinicionCampo& d : CamposBrovel())
            campos.call<void>("push", DefinicionDe(d, forma_.Campo(d.nombre)));
        o.set("campos", campos);
        val grupos = val::array();
        for (TGrupoOpciones g : kGruposDeOpciones) grupos.call<void>("push", BotonesDeGrupo(g));
        o.set("opciones", grupos);
        val casillas = val::array();
        for (TCasilla c : kCasillas) casillas.call<void>("push", std::string(NombreDe(c)));
        o.set("casillas", casillas);
        val listas = val::array();
        for (int i = 0; i < kCantidadDeListas; ++i)
            listas.call<void>("push", std::string(NombreDe(static_cast<TListaBrovel>(i))));
        o.set("listas", listas);
        o.set("zumbrel", DefinicionesZumbrel());
        return o;
    }

    // ---- What the slope form shows now, and the error boxes raised since last asked.
    val Estado() {
        val o = val::object();
        val campos = val::object();
        for (const TDefinicionCampo& d : CamposBrovel()) {
            const TCantidad& campo = forma_.Campo(d.nombre);
            campos.set(std::string(d.nombre), EstadoDeCampo(campo, forma_.MotivoDeCampo(campo)));
        }
        o.set("campos", campos);
        val opciones = val::array();
        for (TGrupoOpciones g : kGruposDeOpciones) opciones.call<void>("push", forma_.Opcion(g));
        o.set("opciones", opciones);
        val casillas = val::array();
        for (TCasilla c : kCasillas) casillas.call<void>("push", forma_.Marcada(c));
        o.set("casillas", casillas);
        val listas = val::array();
        for (int i = 0; i < kCantidadDeListas; ++i)
            listas.call<void>("push", EstadoDeLista(forma_.Lista(static_cast<TListaBrovel>(i))));
        o.set("listas", listas);
        o.set("visibles", VisibilidadDe(forma_.Visibilidad()));
        o.set("textoEstado", forma_.TextoEstado());
        o.set("enError", forma_.EstadoEnError());
        o.set("mensajesSuelo", Textos(forma_.MensajesSuelo()));
        o.set("titulo", forma_.Titulo());
        o.set("nombreProyecto", forma_.NombreProyecto);
        o.set("modificado", forma_.Modificado());
        o.set("errores", Errores(interlocutor_));
        return o;
    }

    // ---- The person's actions, each as the window passes it to the form.
    void Escribir(const std::string& campo, const std::string& texto) {
        Proteger(interlocutor_, [&] { forma_.Campo(campo).TextoEditado(texto); });
    }
    void Salir(const std::string& campo) { SalirDeCampo(forma_.Campo(campo), CampoBrovel(campo), interlocutor_); }
    void Unidad(const std::string& campo, int indice) {
        Proteger(interlocutor_, [&] { forma_.Campo(campo).CambiarUnidad(indice); });
    }
    void Opcion(int grupo, int boton) {
        Proteger(interlocutor_, [&] { forma_.ElegirOpcion(kGruposDeOpciones[grupo], boton); });
    }
    void Casilla(int casilla, bool marcada) {
        Proteger(interlocutor_, [&] { forma_.Marcar(kCasillas[casilla], marcada); });
    }
    void Lista(int lista, int indice) {
        Proteger(interlocutor_, [&] { forma_.ElegirEnLista(static_cast<TListaBrovel>(lista), indice); });
    }
    void Pestana(int indice) {
        Proteger(interlocutor_, [&] { forma_.MostrarPestana(static_cast<TPestanaBrovel>(indice)); });
    }
    // "Verif. Datos" and "Calcular usando Zumbrel": the runoff calculator then
    // shows, and `VolverDeZumbrel` brings its results back once it is closed.
    void Pulsar(const std::string& boton) {
        Proteger(interlocutor_, [&] {
            if (boton == "Button1")
                forma_.Button1Click();
            else if (boton == "btUsarZumbrel")
                forma_.EntregarAZumbrel(true);
            else if (boton == "btUsarZumbrel2")
                forma_.EntregarAZumbrel(false);
            else
                throw std::invalid_argument("botón desconocido: " + boton);
        });
    }
    void VolverDeZumbrel(const std::string& boton) {
        Proteger(interlocutor_, [&] { forma_.VolverDeZumbrel(boton == "btUsarZumbrel"); });
    }

    // ---- The "..." buttons: the table to pick from, then the pick.
    val TablaDeBoton(const std::string& boton) const { return TablaParaBoton(boton); }
    void ElegirDeTabla(const std::string& boton, int fila, int columna) {
        Proteger(interlocutor_, [&] {
            const std::optional<double> valor = ValorElegido(boton, fila, columna);
            if (valor) forma_.Campo(CampoDeBoton(boton)).SetBaseValue(*valor);
        });
    }

    // ---- Plots.
    val Curva() {
        const TDatosCurva d = DatosCurva(forma_);
        val o = val::object();
        o.set("titulo", d.titulo);
        o.set("puntos", PuntosDe(d.puntos));
        if (d.elegido) o.set("elegido", PuntosDe({*d.elegido}));
        o.set("ejeX", EjeDe(d.ejeX));
        o.set("ejeY", EjeDe(d.ejeY));
        return o;
    }
    val Hietograma() {
        const TDatosHietograma d = DatosHietograma(forma_);
        val o = val::object();
        o.set("titulo", d.titulo);
        o.set("pasos", Textos(d.pasos));
        o.set("alturas", Numeros(d.alturas));
        o.set("elegido", d.elegido);
        o.set("tituloX", d.tituloX);
        o.set("ejeY", EjeDe(d.ejeY));
        return o;
    }
    val Factores() {
        const TDatosFactores d = DatosFactores(forma_);
        val o = val::object();
        o.set("titulo", TituloMostrado(d.titulo, d.alDia));
        val factores = val::array();
        for (const TFactorGrafico& f : d.factores) {
            val factor = val::object();
            factor.set("rotulo", f.rotulo);
            factor.set("simbolo", f.simbolo);
            factor.set("valor", f.valor);
            factor.set("principal", f.principal);
            factor.set("alDia", f.alDia);
            factores.call<void>("push", factor);
        }
        o.set("factores", factores);
        o.set("masReductor", d.masReductor);
        o.set("eje", EjeDe(d.eje));
        return o;
    }

    // ---- Reports: the RTF the desktop builds (Windows-1252); null while a data
    // error keeps the report that was shown.
    val ReporteRtf() {
        val rtf = val::null();
        Proteger(interlocutor_, [&] {
            if (auto texto = ConstruirReporte(forma_, std::string("/") + kModeloReporteBrovel)) rtf = ArregloDe(*texto);
        });
        return rtf;
    }

    // The same report as HTML, for the page to show and print.
    val ReporteHtml() {
        val html = val::null();
        Proteger(interlocutor_, [&] {
            if (auto texto = ConstruirReporte(forma_, std::string("/") + kModeloReporteBrovel))
                html = val(RtfComoHtml(*texto));
        });
        return html;
    }

    // The project's file name, empty for one never saved.
    std::string NombreProyecto() const { return forma_.NombreProyecto; }

    // ---- The project. The page asks first whether a changed project is saved
    // (`Modificado`), saves it if the person says so, and passes the answer.
    bool Modificado() { return forma_.Modificado(); }
    // The question the form asks before the project is left, or empty when it
    // would not ask: the question is put to the form and cancelled.
    std::string PreguntaAlSalir() {
        interlocutor_.preguntado.clear();
        interlocutor_.respuesta = TRespuesta::Cancelar;
        bool pregunto = false;
        Proteger(interlocutor_, [&] { pregunto = !forma_.ConfirmarCambios(); });
        const std::string nombre = std::exchange(interlocutor_.preguntado, std::string());
        return pregunto ? PreguntaGuardarCambios(nombre) : std::string();
    }
    void Nuevo(int respuesta) {
        interlocutor_.respuesta = RespuestaDe(respuesta);
        Proteger(interlocutor_, [&] { forma_.NuevoExecute(); });
    }
    // Opens the bytes of a file named `nombre`, as Abrir does; false when the
    // person cancelled or the file was not opened.
    bool Abrir(const val& bytes, const std::string& nombre, int respuesta) {
        const std::filesystem::path ruta = RutaPara(nombre);
        bool abierto = false;
        Proteger(interlocutor_, [&] {
            web::Escribir(ruta, BytesDe(bytes));
            interlocutor_.respuesta = RespuestaDe(respuesta);
            interlocutor_.rutaParaAbrir = ruta.string();
            forma_.AbrirExecute();
            abierto = forma_.RutaProyecto == ruta.string() && interlocutor_.rutaParaAbrir.empty();
        });
        interlocutor_.rutaParaAbrir.clear();
        return abierto;
    }
    // Guardar: the bytes saved, or null for a project never saved (the page asks
    // for a name and uses GuardarComo) or a save that failed (said in the error box).
    // `existente` is what the file holds now, when the page could read it: the
    // project is written into it, as the desktop writes into the file on its disk;
    // null keeps the file as last opened or saved here.
    val Guardar(const val& existente) {
        if (forma_.NombreProyecto.empty()) return val::null();
        if (!existente.isNull()) web::Escribir(forma_.RutaProyecto, BytesDe(existente));
        return Guardado(forma_.GuardarValores(forma_.RutaProyecto, forma_.NombreProyecto));
    }
    // Guardar como into a file named `nombre` holding `existente` (its bytes, or
    // null when the page cannot read it: then only the open project's own file is
    // known, and any other is written anew).
    val GuardarComo(const std::string& nombre, const val& existente) {
        const std::filesystem::path ruta = RutaPara(nombre);
        if (!existente.isNull())
            web::Escribir(ruta, BytesDe(existente));
        else if (ruta.string() != forma_.RutaProyecto)
            std::filesystem::remove(ruta);
        interlocutor_.rutaParaGuardar = ruta.string();
        // A save remembers the project as saved: with nothing remembered before,
        // something remembered after says the save happened.
        const std::optional<std::string> recordado = forma_.ProyectoRecordado();
        forma_.RecordarProyectoComo(std::nullopt);
        Proteger(interlocutor_, [&] { forma_.GuardarComoExecute(); });
        const bool guardado = forma_.ProyectoRecordado().has_value();
        if (!guardado) forma_.RecordarProyectoComo(recordado);
        return Guardado(guardado);
    }

    // What the page keeps in the browser's storage so that a reload loses nothing:
    // the file as last opened or saved, and the project as the form holds it now.
    val Instantanea() {
        val o = val::object();
        o.set("nombre", forma_.NombreProyecto);
        const bool enArchivo = !forma_.RutaProyecto.empty() && std::filesystem::exists(forma_.RutaProyecto);
        o.set("archivo", enArchivo ? ArregloDe(Leer(forma_.RutaProyecto)) : val::null());
        o.set("proyecto", ArregloDe(forma_.TextoDelProyecto()));
        o.set("recordado", Recordado());
        return o;
    }
    // Takes a snapshot back: the project as it was, under its name, with the file
    // it was saved into.
    bool Restaurar(const val& instantanea) {
        const std::string nombre = instantanea["nombre"].as<std::string>();
        const std::filesystem::path ruta = RutaPara(nombre.empty() ? std::string("Sin Nombre.bvx") : nombre);
        web::Escribir(ruta, BytesDe(instantanea["proyecto"]));
        std::string motivo;
        if (!forma_.AbrirProyecto(ruta.string(), &motivo)) return false;
        if (instantanea["archivo"].isNull()) {
            std::filesystem::remove(ruta);
            if (nombre.empty()) {
                forma_.RutaProyecto.clear();
                forma_.NombreProyecto.clear();
            }
        } else {
            web::Escribir(ruta, BytesDe(instantanea["archivo"]));
        }
        // What the project was when last saved, so that its changes still show
        // and are still asked about. A snapshot without it predates the mark.
        if (!instantanea["recordado"].isUndefined()) RecordarComo(instantanea["recordado"]);
        forma_.MostrarPestana(forma_.PestanaActual());
        return true;
    }
    // What Modificado compares with, as bytes (null when not remembered), and
    // setting it back: a save the browser failed to write leaves the project changed.
    val Recordado() const {
        const auto& recordado = forma_.ProyectoRecordado();
        return recordado ? ArregloDe(*recordado) : val::null();
    }
    void RecordarComo(const val& recordado) {
        if (recordado.isNull()) {
            forma_.RecordarProyectoComo(std::nullopt);
        } else {
            forma_.RecordarProyectoComo(BytesDe(recordado));
        }
    }

    // ---- The runoff calculator.
    val DefinicionesZumbrel() const;
    val EstadoZumbrel();
    void EscribirZ(const std::string& campo, const std::string& texto) {
        Proteger(interlocutor_, [&] { Z().Campo(campo).TextoEditado(texto); });
    }
    void SalirZ(const std::string& campo) { SalirDeCampo(Z().Campo(campo), CampoZumbrel(campo), interlocutor_); }
    void UnidadZ(const std::string& campo, int indice) {
        Proteger(interlocutor_, [&] { Z().Campo(campo).CambiarUnidad(indice); });
    }
    void OpcionZ(int grupo, int boton) {
        Proteger(interlocutor_, [&] { Z().ElegirOpcion(static_cast<TGrupoZumbrel>(grupo), boton); });
    }
    void AbstraccionZ(bool marcada) {
        Proteger(interlocutor_, [&] { Z().MarcarAbstraccionAsignada(marcada); });
    }
    void ListaZ(int lista, int indice) {
        Proteger(interlocutor_, [&] { Z().ElegirEnLista(static_cast<TListaZumbrel>(lista), indice); });
    }
    void PestanaZ(int indice) {
        Proteger(interlocutor_, [&] { Z().MostrarPestana(static_cast<TPestanaZumbrel>(indice)); });
    }
    val TablaZ(const std::string& boton) const {
        return TablaDeCodigo(forma_.Zumbrel.CodigoDeTabla(TablaDeBotonZ(boton)));
    }
    void ElegirDeTablaZ(const std::string& boton, int fila, int columna) {
        Proteger(interlocutor_, [&] {
            const TTablaZumbrel t = TablaDeBotonZ(boton);
            const std::optional<double> valor = ValorDeCodigo(Z().CodigoDeTabla(t), fila, columna);
            if (valor) Z().TomarDeTabla(t, *valor);
        });
    }
    val Lluvia() { return DatosTiempoDe(DatosLluvia(Z())); }
    val Escorrentia() { return DatosTiempoDe(DatosEscorrentia(Z())); }
    val Hidrograma() { return DatosTiempoDe(DatosHidrograma(Z())); }
    val Grilla(const std::string& nombre) const;
    val ReporteRtfZ() {
        val rtf = val::null();
        Proteger(interlocutor_, [&] {
            Z().NombreProyecto = NombreDelProyectoWeb();
            rtf = ArregloDe(ConstruirReporte(Z(), std::string("/") + kModeloReporteZumbrel));
        });
        return rtf;
    }
    val ReporteHtmlZ() {
        val html = val::null();
        Proteger(interlocutor_, [&] {
            Z().NombreProyecto = NombreDelProyectoWeb();
            html = val(RtfComoHtml(ConstruirReporte(Z(), std::string("/") + kModeloReporteZumbrel)));
        });
        return html;
    }
    // Cargar and Grabar of the ".zbr" data.
    bool CargarZ(const val& bytes, const std::string& nombre) {
        const std::filesystem::path ruta = kCarpeta / "zumbrel" / std::filesystem::path(nombre).filename();
        web::Escribir(ruta, BytesDe(bytes));
        bool cargado = false;
        Leer(ruta);
        Proteger(interlocutor_, [&] { cargado = Z().CargarDatos(ruta.string()); });
        return cargado;
    }
    val GrabarZ(const std::string& nombre) {
        const std::filesystem::path ruta = kCarpeta / "zumbrel" / std::filesystem::path(nombre).filename();
        std::filesystem::create_directories(ruta.parent_path());
        bool grabado = false;
        Proteger(interlocutor_, [&] { grabado = Z().GuardarDatos(ruta.string()); });
        return grabado ? ArregloDe(Leer(ruta)) : val::null();
    }

private:
    TFormaZumbrel& Z() { return forma_.Zumbrel; }
    std::string NombreDelProyectoWeb() const;
    val Guardado(bool guardado) { return guardado ? ArregloDe(Leer(forma_.RutaProyecto)) : val::null(); }

    TInterlocutorWeb interlocutor_;
    TFormaBrovel forma_;
};

val TLaderaWeb::DefinicionesZumbrel() const {
    val o = val::object();
    val campos = val::array();
    for (const TDefinicionCampo& d : CamposZumbrel())
        campos.call<void>("push", DefinicionDe(d, forma_.Zumbrel.Campo(d.nombre)));
    o.set("campos", campos);
    val grupos = val::array();
    for (TGrupoZumbrel g : {TGrupoZumbrel::Serie, TGrupoZumbrel::UsoSuelo})
        grupos.call<void>("push", BotonesDeGrupo(g));
    o.set("opciones", grupos);
    val listas = val::array();
    for (int i = 0; i < kCantidadDeListasZumbrel; ++i)
        listas.call<void>("push", std::string(NombreDe(static_cast<TListaZumbrel>(i))));
    o.set("listas", listas);
    o.set("casillas", CasillasDeZumbrel());
    return o;
}

val TLaderaWeb::EstadoZumbrel() {
    TFormaZumbrel& z = Z();
    val o = val::object();
    val campos = val::object();
    for (const TDefinicionCampo& d : CamposZumbrel()) {
        const TCantidad& campo = z.Campo(d.nombre);
        campos.set(std::string(d.nombre), EstadoDeCampo(campo, z.MotivoDeCampo(campo)));
    }
    o.set("campos", campos);
    val opciones = val::array();
    opciones.call<void>("push", z.Opcion(TGrupoZumbrel::Serie));
    opciones.call<void>("push", z.Opcion(TGrupoZumbrel::UsoSuelo));
    o.set("opciones", opciones);
    o.set("abstraccionAsignada", z.AbstraccionAsignada());
    val listas = val::array();
    for (int i = 0; i < kCantidadDeListasZumbrel; ++i)
        listas.call<void>("push", EstadoDeLista(z.Lista(static_cast<TListaZumbrel>(i))));
    o.set("listas", listas);
    o.set("visibles", VisibilidadDe(z.Visibilidad()));
    o.set("tituloAltura", z.TituloAltura());
    o.set("tituloNumeroDeCurva", z.TituloNumeroDeCurva());
    o.set("textoEstado", z.TextoEstado());
    o.set("enError", z.EstadoEnError());
    o.set("errores", Errores(interlocutor_));
    return o;
}

// A result grid by the window's name for it.
val TLaderaWeb::Grilla(const std::string& nombre) const {
    const TFormaZumbrel& z = forma_.Zumbrel;
    const TGrillaResultados* grilla = nombre == "sgLlResultado"        ? &z.GrillaLluvia()
                                      : nombre == "sgSvaeuaResultados" ? &z.GrillaEscorrentia()
                                      : nombre == "sgHeResultado"      ? &z.GrillaHidrograma()
                                                                       : nullptr;
    if (!grilla) throw std::invalid_argument("no hay grilla " + nombre);
    const TGrillaResultados& g = *grilla;
    val o = val::object();
    o.set("encabezados", Textos(g.encabezados));
    val filas = val::array();
    for (int f = 1; f <= g.Filas(); ++f) {
        val fila = val::array();
        for (int c = 0; c < static_cast<int>(g.columnas.size()); ++c) fila.call<void>("push", g.Celda(f, c));
        filas.call<void>("push", fila);
    }
    o.set("filas", filas);
    o.set("motivoViejo", g.motivoViejo);
    return o;
}

std::string TLaderaWeb::NombreDelProyectoWeb() const { return NombreDelProyecto(forma_); }

// Tables of every reference code, for a page that shows one without a button.
val Tabla(const std::string& codigo) { return TablaDeCodigo(codigo); }

EMSCRIPTEN_BINDINGS(brovel) {
    using emscripten::class_;
    using emscripten::function;
    class_<TLaderaWeb>("Ladera")
        .constructor<>()
        .function("definiciones", &TLaderaWeb::Definiciones)
        .function("estado", &TLaderaWeb::Estado)
        .function("escribir", &TLaderaWeb::Escribir)
        .function("salir", &TLaderaWeb::Salir)
        .function("unidad", &TLaderaWeb::Unidad)
        .function("opcion", &TLaderaWeb::Opcion)
        .function("casilla", &TLaderaWeb::Casilla)
        .function("lista", &TLaderaWeb::Lista)
        .function("pestana", &TLaderaWeb::Pestana)
        .function("pulsar", &TLaderaWeb::Pulsar)
        .function("volverDeZumbrel", &TLaderaWeb::VolverDeZumbrel)
        .function("tablaDeBoton", &TLaderaWeb::TablaDeBoton)
        .function("elegirDeTabla", &TLaderaWeb::ElegirDeTabla)
        .function("curva", &TLaderaWeb::Curva)
        .function("hietograma", &TLaderaWeb::Hietograma)
        .function("factores", &TLaderaWeb::Factores)
        .function("reporteRtf", &TLaderaWeb::ReporteRtf)
        .function("reporteHtml", &TLaderaWeb::ReporteHtml)
        .function("modificado", &TLaderaWeb::Modificado)
        .function("nombreProyecto", &TLaderaWeb::NombreProyecto)
        .function("preguntaAlSalir", &TLaderaWeb::PreguntaAlSalir)
        .function("nuevo", &TLaderaWeb::Nuevo)
        .function("abrir", &TLaderaWeb::Abrir)
        .function("guardar", &TLaderaWeb::Guardar)
        .function("guardarComo", &TLaderaWeb::GuardarComo)
        .function("instantanea", &TLaderaWeb::Instantanea)
        .function("restaurar", &TLaderaWeb::Restaurar)
        .function("recordado", &TLaderaWeb::Recordado)
        .function("recordarComo", &TLaderaWeb::RecordarComo)
        .function("estadoZ", &TLaderaWeb::EstadoZumbrel)
        .function("escribirZ", &TLaderaWeb::EscribirZ)
        .function("salirZ", &TLaderaWeb::SalirZ)
        .function("unidadZ", &TLaderaWeb::UnidadZ)
        .function("opcionZ", &TLaderaWeb::OpcionZ)
        .function("abstraccionZ", &TLaderaWeb::AbstraccionZ)
        .function("listaZ", &TLaderaWeb::ListaZ)
        .function("pestanaZ", &TLaderaWeb::PestanaZ)
        .function("tablaZ", &TLaderaWeb::TablaZ)
        .function("elegirDeTablaZ", &TLaderaWeb::ElegirDeTablaZ)
        .function("lluvia", &TLaderaWeb::Lluvia)
        .function("escorrentia", &TLaderaWeb::Escorrentia)
        .function("hidrograma", &TLaderaWeb::Hidrograma)
        .function("grilla", &TLaderaWeb::Grilla)
        .function("reporteRtfZ", &TLaderaWeb::ReporteRtfZ)
        .function("reporteHtmlZ", &TLaderaWeb::ReporteHtmlZ)
        .function("cargarZ", &TLaderaWeb::CargarZ)
        .function("grabarZ", &TLaderaWeb::GrabarZ);
    function("tabla", &Tabla);
    function("descripcionLadera", &DescripcionDeLadera);
    function("descripcionZumbrel", &DescripcionDeZumbrel);
    function("noSePudoGuardar", &NoSePudoGuardar);
    function("faltaLaAyuda", &MensajeSinAyuda);
}

}  // namespace brovel::web
