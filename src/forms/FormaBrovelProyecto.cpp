// The project file of the slope form: New, Open, Save and Save as, and the one
// walk over the file's entries that both reads and writes them, so that every key
// is written down once, in the file's order.
#include <algorithm>
#include <cctype>
#include <string>
#include <utility>
#include <vector>

#include "docs/ArchivoIni.h"
#include "forms/CamposBrovel.h"
#include "forms/FormaBrovel.h"
#include "forms/ReconocerProyecto.h"

namespace brovel {

namespace {

// The sections of the runoff window's data inside a project.
const std::string kPrefijoZumbrel = "Zumbrel_";

// The file's name without its folder, and without its last extension.
std::string NombreDeArchivo(const std::string& ruta) {
    const size_t barra = ruta.find_last_of('/');
    return barra == std::string::npos ? ruta : ruta.substr(barra + 1);
}

std::string SinExtension(const std::string& nombre) {
    const size_t punto = nombre.find_last_of('.');
    return punto == std::string::npos ? nombre : nombre.substr(0, punto);
}

std::string Minusculas(std::string_view texto) {
    std::string r(texto);
    for (char& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

std::string NoSeAbrio(const std::string& ruta, const std::string& razon) {
    return "No se pudo abrir \"" + ruta + "\": " + razon;
}

}  // namespace

// Reads the entries into the form, or writes them from it. Reading goes the way
// of the user's edits: options and check boxes run their handlers, fields their
// change handlers, so every tab recomputes as during editing. Lists and step
// counts are set without running handlers; arrays go straight into the model.
class TRecorridoProyecto {
public:
    TRecorridoProyecto(TFormaBrovel& forma, TArchivoIni& ini, bool leyendo)
        : forma_(forma), ini_(ini), leyendo_(leyendo) {}

    bool Leyendo() const { return leyendo_; }
    void Seccion(const char* seccion) { seccion_ = seccion; }

    // A walk that writes can look for the field of one entry.
    void Buscar(std::string_view seccion, std::string_view clave) { buscada_ = Minusculas(seccion) + "." + Minusculas(clave); }
    const TCantidad* Hallado() const { return hallado_; }

    void Campo(const std::string& clave, TCantidad& campo, double porDefecto) {
        if (!buscada_.empty() && !hallado_ && Minusculas(seccion_) + "." + Minusculas(clave) == buscada_)
            hallado_ = &campo;
        if (leyendo_)
            campo.SetBaseValue(ini_.LeerReal(seccion_, clave, porDefecto));
        else
            EscribirReal(clave, static_cast<double>(campo.GetBaseValue()));
    }

    // The option chosen in `grupo`, 1 for the first button; 0 when the file names
    // none of them.
    int Opcion(const char* clave, TGrupoOpciones grupo, int porDefecto) {
        const int n = static_cast<int>(BotonesDe(grupo).size());
        if (leyendo_) {
            const int opcion = ini_.LeerEntero(seccion_, clave, porDefecto);
            if (opcion < 1 || opcion > n) return 0;
            forma_.ElegirOpcion(grupo, opcion - 1);
            return opcion;
        }
        const int opcion = forma_.Opcion(grupo) + 1;
        ini_.EscribirEntero(seccion_, clave, opcion);
        return opcion;
    }

    // The entry chosen in a list, from 0. An index the list does not have reads as
    // the entry's default, so the list always shows a choice.
    int Lista(const char* clave, TListaBrovel lista, int porDefecto) {
        if (leyendo_) {
            int indice = ini_.LeerEntero(seccion_, clave, porDefecto);
            if (indice < 0 || indice >= static_cast<int>(forma_.Lista(lista).items.size())) indice = porDefecto;
            forma_.SetIndice(lista, indice);
        } else {
            ini_.EscribirEntero(seccion_, clave, forma_.Lista(lista).indice);
        }
        return forma_.Lista(lista).indice;
    }

    // A count of steps or hyetographs, brought into 1..20 on reading so that
    // nothing is read or written past the arrays.
    int Cantidad(const char* clave, TListaBrovel selector, int porDefecto) {
        if (leyendo_) {
            const int cantidad = std::clamp(ini_.LeerEntero(seccion_, clave, porDefecto), 1, kMaxElementos);
            forma_.SetIndice(selector, cantidad - 1);
            return cantidad;
        }
        const int cantidad = AcotarCantidad(forma_.Lista(selector).indice + 1);
        ini_.EscribirEntero(seccion_, clave, cantidad);
        return cantidad;
    }

    bool Casilla(const char* clave, TCasilla casilla, bool porDefecto) {
        if (leyendo_)
            forma_.Marcar(casilla, ini_.LeerBooleano(seccion_, clave, porDefecto));
        else
            ini_.EscribirBooleano(seccion_, clave, forma_.Marcada(casilla));
        return forma_.Marcada(casilla);
    }

    // Values taken from elsewhere, written only once taken; reading finds whether
    // the file holds them.
    void Tomado(bool& tomado, std::initializer_list<std::pair<const char*, double*>> valores) {
        if (leyendo_) {
            tomado = true;
            for (const auto& [clave, valor] : valores) tomado = tomado && ini_.Tiene(seccion_, clave);
            for (const auto& [clave, valor] : valores)
                if (tomado) *valor = ini_.LeerReal(seccion_, clave, *valor);
        } else if (tomado) {
            for (const auto& [clave, valor] : valores) EscribirReal(clave, *valor);
        }
    }

    void Valor(const std::string& clave, double& valor, double porDefecto) {
        if (leyendo_)
            valor = ini_.LeerReal(seccion_, clave, porDefecto);
        else
            EscribirReal(clave, valor);
    }

    // A number that is not finite is not written; its entry is remembered, as
    // "Seccion.Clave".
    void EscribirReal(const std::string& clave, double valor) {
        if (!ini_.EscribirReal(seccion_, clave, valor)) noGuardados_.push_back(std::string(seccion_) + "." + clave);
    }
    const std::vector<std::string>& NoGuardados() const { return noGuardados_; }

    // Entries 1..n of an array under `prefijo` followed by the position.
    void Serie(const std::string& prefijo, TSerie& serie, int n, double porDefecto) {
        for (int k = 1; k <= AcotarCantidad(n); ++k) Valor(prefijo + std::to_string(k), serie[k], porDefecto);
    }

    TArchivoIni& Ini() { return ini_; }
    const char* SeccionActual() const { return seccion_; }

private:
    TFormaBrovel& forma_;
    TArchivoIni& ini_;
    bool leyendo_;
    const char* seccion_ = "";
    std::vector<std::string> noGuardados_;
    std::string buscada_;
    const TCantidad* hallado_ = nullptr;
};

void TFormaBrovel::RecorrerProyecto(TRecorridoProyecto& p) {
    using L = TListaBrovel;
    TEstadoBrovel& e = Estado;
    if (p.Leyendo()) tomadoExtrema_ = tomadoEvento_ = false;
    // After reading a count, its list of steps starts again at the first.
    const auto llenar = [&](L lista, int n) {
        if (p.Leyendo()) ListaMutable(lista).LlenarConNumeros(n);
    };
    // The entry of an array that its editor will show is rounded as soon as it is
    // read, as the editor's fields round it (and a typed number) once shown; so
    // every result of the project is computed from the numbers it is saved with,
    // and a project opened, saved and opened again computes the same.
    const auto redondear = [&](TEditorSerie& editor) {
        if (p.Leyendo()) editor.RedondearElegido();
    };

    p.Seccion("Geometria");
    p.Campo("Declive", euDt, 6);
    p.Campo("Longitud", euLt, 60);

    p.Seccion("Suelo");
    switch (p.Opcion("Opcion", TGrupoOpciones::Suelo, 1)) {
        case 1: {
            if (p.Leyendo()) {
                // A curve of more points than the model holds is cut to its size.
                const double puntos = p.Ini().LeerReal("Suelo", "Cant_puntos", 9);
                euCpcg.SetBaseValue(std::clamp(puntos, 0.0, double(kMaxElementos)));
            } else {
                p.Campo("Cant_puntos", euCpcg, 9);
            }
            const int n = CantidadDeCampo(euCpcg);
            for (int i = 1; i <= n; ++i) {
                p.Valor("diam_punto_" + std::to_string(i), e.Dg[i], 4.76);
                p.Valor("porc_pasa_" + std::to_string(i), e.Pp[i], 100);
            }
            redondear(*curva_);
            break;
        }
        case 2:
            p.Campo("Diametro_medio", euDm, 0.05);
            break;
        case 3:
            p.Lista("Clase_estr", L::cbCspe, 0);
            p.Campo("P_limos", euPl, 60);
            p.Campo("P_limos_mod", euPlm, 80);
            p.Campo("P_arenas", euPa, 30);
            p.Campo("P_matorg", euPmo, 5);
            p.Lista("Clase_perm", L::cbCspp, 0);
            break;
    }
    p.Campo("Humedad", euShs, 1);
    p.Casilla("Descongelamiento", TCasilla::Descongelamiento, false);
    p.Campo("Biomasa", euBvs, 60);
    p.Campo("Biomasa_res", euBrvs, 5);

    p.Seccion("Forzantes");
    switch (p.Opcion("Opcion", TGrupoOpciones::LluviaMedia, 1)) {
        case 1: {
            p.Campo("Paso_temporal", euPth, 1);
            const int pasos = p.Cantidad("Pasos_hieto", L::cbCph, 1);
            p.Campo("Cantidad_tormentas", euCta, 1);
            p.Serie("cant_lluvia_", e.Cll1[1], pasos, 1);
            llenar(L::cbPhn, pasos);
            redondear(*representativo_);
            break;
        }
        case 2: {
            p.Campo("Paso_temporal", euPths, 1);
            const int hietogramas = p.Cantidad("Cantidad_hieto", L::cbCh, 1);
            const int pasos = p.Cantidad("Pasos_hieto", L::cbCph2, 1);
            p.Campo("Cantidad_tormentas", euCta, 1);
            llenar(L::cbHn, hietogramas);
            SerieDeHietogramas(p, hietogramas, pasos);
            llenar(L::cbPhn2, pasos);
            redondear(*serie_);
            break;
        }
        case 3:
            p.Campo("Energia_tormenta", euEt, 1);
            p.Campo("Max_int_30min", euMi30m, 1);
            p.Campo("Cantidad_tormentas", euCta, 1);
            break;
        case 4:
            p.Campo("Factor_ele", euFele, 1);
            break;
    }
    switch (p.Opcion("Opcion2", TGrupoOpciones::LluviaExtrema, 1)) {
        case 1: {
            p.Campo("Paso_temporal2", euPth2, 1);
            const int pasos = p.Cantidad("Pasos_hieto2", L::cbCph3, 1);
            p.Serie("cant_lluvia_extr_", e.Cll2, pasos, 1);
            llenar(L::cbPhn3, pasos);
            redondear(*tormenta_);
            break;
        }
        case 2:
            p.Campo("Cantidad_escorrentia", euCe, 1);
            break;
    }
    // The runoff taken from the runoff window, kept for the option that takes it.
    if (Opcion(TGrupoOpciones::LluviaExtrema) == 0) p.Tomado(tomadoExtrema_, {{"Escorrentia_Zumbrel", &e.Ce}});
    switch (p.Opcion("Opcion3", TGrupoOpciones::Evento, 1)) {
        case 1: {
            p.Campo("Paso_temporal3", euPth3, 1);
            const int pasos = p.Cantidad("Pasos_hieto3", L::cbCph4, 1);
            p.Serie("cant_lluvia_event_", e.Cll3, pasos, 1);
            llenar(L::cbPhn4, pasos);
            redondear(*evento_);
            break;
        }
        case 2:
            p.Campo("Volumen_precip", euVp, 1);
            p.Campo("Caudal_pico", euCp, 1);
            break;
    }
    if (Opcion(TGrupoOpciones::Evento) == 0)
        p.Tomado(tomadoEvento_, {{"Volumen_Zumbrel", &e.Vp}, {"Caudal_pico_Zumbrel", &e.Cp}});

    p.Seccion("Condicionantes");
    p.Campo("Fraccion_cubierta", euFatc, 1);
    p.Campo("Altura_follaje", euAmf, 1);
    if (p.Casilla("Labranza", TCasilla::Labranza, true)) {
        p.Campo("Tiempo_operaciones", euTtfo, 1);
        p.Campo("Fraccion_operaciones", euFapo, 1);
    }
    if (p.Casilla("Mulching", TCasilla::Mulching, true)) {
        p.Campo("Relacion_residuo", euRacmr, 1);
        p.Campo("Peso_residuo", euPsrua, 1);
        p.Lista("Mecanismo", L::cbMde, 1);
    }
    const bool practicas = p.Casilla("Practica_soporte", TCasilla::PracticasDeSoporte, true);
    if (practicas) {
        p.Lista("Tipo_practica", L::cbTp, 1);
        // The inputs shown, and those the model reads, must be the loaded practice's.
        if (p.Leyendo()) cbTpChange();
        switch (Lista(L::cbTp).indice) {
            case 0:
                p.Campo("Pendiente_surcos", euPs, 1);
                p.Campo("Altura_lomo", euAl, 1);
                break;
            case 1:
                p.Campo("Factor_soporte", euFps, static_cast<double>(euFps.GetBaseValue()));
                break;
            case 2:
                p.Campo("Espacio_terrazas", euEet, 1);
                p.Campo("Pendiente_terrazas", euPt, 1);
                break;
            case 3:
                p.Campo("Tiempo_perturbado", euTfp, 1);
                p.Campo("Constante_consolidacion", euCtc, 1);
                p.Campo("Lluvia_infiltrada", euFliii, 1);
                break;
        }
    }

    p.Seccion("Disipacion");
    if (practicas && Lista(L::cbTp).indice == 0) p.Campo("Manning_terreno", euCmst, 1);
    if (practicas && Lista(L::cbTp).indice == 3) p.Campo("Indice_rugosidad", euIrst, 1);
    p.Campo("Rugosidad_terreno", euRast, 1);

    // The runoff window's data that produced the runoff taken, so that the project
    // opens with the same basin and storm in it.
    if (p.Leyendo() && (tomadoExtrema_ || tomadoEvento_) && TFormaZumbrel::TieneDatos(p.Ini(), kPrefijoZumbrel)) {
        Zumbrel.LeerDatos(p.Ini(), kPrefijoZumbrel, RutaProyecto);
        if (tomadoExtrema_) frescura_.Marcar({&TEstadoBrovel::Ce}, MotivoDeZumbrel({"Vtesp"}));
        if (tomadoEvento_) frescura_.Marcar({&TEstadoBrovel::Vp, &TEstadoBrovel::Cp}, MotivoDeZumbrel({"Vte", "Cp"}));
    } else if (!p.Leyendo() && (tomadoExtrema_ || tomadoEvento_))
        Zumbrel.EscribirDatos(p.Ini(), kPrefijoZumbrel);
}

// Every step of every hyetograph under "cant_lluvia_H_K". Files that hold one
// amount per hyetograph, under "cant_lluvia_H", give it to all its steps; the
// writer keeps that entry too, with the last step's amount, for them.
void TFormaBrovel::SerieDeHietogramas(TRecorridoProyecto& p, int hietogramas, int pasos) {
    const std::string seccion = p.SeccionActual();
    TArchivoIni& ini = p.Ini();
    for (int h = 1; h <= AcotarCantidad(hietogramas); ++h) {
        const std::string unico = "cant_lluvia_" + std::to_string(h);
        TSerie& serie = Estado.Cll1[h];
        if (p.Leyendo()) {
            const double comun = ini.LeerReal(seccion, unico, 1);
            for (int k = 1; k <= AcotarCantidad(pasos); ++k)
                serie[k] = ini.LeerReal(seccion, unico + "_" + std::to_string(k), comun);
        } else {
            p.Serie(unico + "_", serie, pasos, 1);
            p.EscribirReal(unico, serie[AcotarCantidad(pasos)]);
        }
    }
}

void TFormaBrovel::PonerTitulo(const std::string& nombre) { titulo_ = "Brovel - " + SinExtension(nombre); }

bool TFormaBrovel::AbrirProyecto(const std::string& ruta, std::string* motivo) {
    TArchivoIni ini;
    std::string razon;
    const TCarga carga = LeerProyecto(ini, ruta, razon);
    if (motivo && carga != TCarga::Leido) *motivo = razon;
    // A file that is there but is no project (a folder, a pipe, a device, one far
    // too large, one that cannot be read, a picture) changes nothing.
    if (carga == TCarga::Rechazado) {
        interlocutor_.MostrarError(NoSeAbrio(ruta, razon));
        return false;
    }
    // A name that is not there reads as an empty file: the defaults of its entries.
    AbrirDocumento(ini, ruta);
    return carga == TCarga::Leido;
}

bool TFormaBrovel::AbrirProyectoExistente(const std::string& ruta) {
    TArchivoIni ini;
    std::string razon;
    if (LeerProyecto(ini, ruta, razon) != TCarga::Leido) {
        interlocutor_.MostrarError(NoSeAbrio(ruta, razon));
        return false;
    }
    AbrirDocumento(ini, ruta);
    return true;
}

void TFormaBrovel::AbrirDocumento(TArchivoIni& ini, const std::string& ruta) {
    Manejar([&] {
        RutaProyecto = ruta;
        NombreProyecto = NombreDeArchivo(ruta);
        PonerTitulo(NombreProyecto);
        Manejar([&] {
            TRecorridoProyecto recorrido(*this, ini, true);
            RecorrerProyecto(recorrido);
        });
        Manejar([this] {
            MostrarPrimerasEntradas();
            FaltaZumbrel = false;
            // Arrays stored after their tab last recomputed, and lists set without
            // handlers, reach the results only through a full recalculation.
            GeometriaShow();
            SueloShow();
            tsForzantesShow();
            CondicionantesShow();
            DisipacionShow();
            MostrarPestana(pestana_);
            ActualizarEstado();
        });
        Recordar();
    });
}

bool EsClaveDelProyecto(std::string_view seccion, std::string_view clave) {
    // Every entry the walk reads; "#" stands for a position from 1.
    static const std::vector<std::pair<std::string, std::string>> kClaves = {
        {"geometria", "declive"}, {"geometria", "longitud"},
        {"suelo", "opcion"}, {"suelo", "cant_puntos"}, {"suelo", "diam_punto_#"}, {"suelo", "porc_pasa_#"},
        {"suelo", "diametro_medio"}, {"suelo", "clase_estr"}, {"suelo", "p_limos"}, {"suelo", "p_limos_mod"},
        {"suelo", "p_arenas"}, {"suelo", "p_matorg"}, {"suelo", "clase_perm"}, {"suelo", "humedad"},
        {"suelo", "descongelamiento"}, {"suelo", "biomasa"}, {"suelo", "biomasa_res"},
        {"forzantes", "opcion"}, {"forzantes", "paso_temporal"}, {"forzantes", "pasos_hieto"},
        {"forzantes", "cantidad_tormentas"}, {"forzantes", "cant_lluvia_#"}, {"forzantes", "cantidad_hieto"},
        {"forzantes", "cant_lluvia_#_#"}, {"forzantes", "energia_tormenta"}, {"forzantes", "max_int_30min"},
        {"forzantes", "factor_ele"}, {"forzantes", "opcion2"}, {"forzantes", "paso_temporal2"},
        {"forzantes", "pasos_hieto2"}, {"forzantes", "cant_lluvia_extr_#"}, {"forzantes", "cantidad_escorrentia"},
        {"forzantes", "opcion3"}, {"forzantes", "paso_temporal3"}, {"forzantes", "pasos_hieto3"},
        {"forzantes", "cant_lluvia_event_#"}, {"forzantes", "volumen_precip"}, {"forzantes", "caudal_pico"},
        {"condicionantes", "fraccion_cubierta"}, {"condicionantes", "altura_follaje"}, {"condicionantes", "labranza"},
        {"condicionantes", "tiempo_operaciones"}, {"condicionantes", "fraccion_operaciones"},
        {"condicionantes", "mulching"}, {"condicionantes", "relacion_residuo"}, {"condicionantes", "peso_residuo"},
        {"condicionantes", "mecanismo"}, {"condicionantes", "practica_soporte"}, {"condicionantes", "tipo_practica"},
        {"condicionantes", "pendiente_surcos"}, {"condicionantes", "altura_lomo"}, {"condicionantes", "factor_soporte"},
        {"condicionantes", "espacio_terrazas"}, {"condicionantes", "pendiente_terrazas"},
        {"condicionantes", "tiempo_perturbado"}, {"condicionantes", "constante_consolidacion"},
        {"condicionantes", "lluvia_infiltrada"},
        {"disipacion", "manning_terreno"}, {"disipacion", "indice_rugosidad"}, {"disipacion", "rugosidad_terreno"},
    };
    // A position is 1 to 20, written without leading zeroes.
    const auto coincide = [](std::string_view patron, std::string_view texto) {
        size_t i = 0, j = 0;
        while (i < patron.size()) {
            if (patron[i] == '#') {
                size_t k = j;
                while (k < texto.size() && std::isdigit(static_cast<unsigned char>(texto[k]))) ++k;
                if (k == j || texto[j] == '0' || k - j > 2) return false;
                const int n = std::stoi(std::string(texto.substr(j, k - j)));
                if (n < 1 || n > kMaxElementos) return false;
                j = k;
                ++i;
            } else {
                if (j >= texto.size() || texto[j] != patron[i]) return false;
                ++i;
                ++j;
            }
        }
        return j == texto.size();
    };
    const std::string s = Minusculas(seccion), c = Minusculas(clave);
    for (const auto& [sp, cp] : kClaves)
        if (sp == s && coincide(cp, c)) return true;
    return false;
}

bool TFormaBrovel::GuardarValores(const std::string& ruta, const std::string& nombre) {
    bool guardado = false;
    Manejar([&] {
        PonerTitulo(NombreDeArchivo(nombre));
        // The file is updated, not replaced: entries of options not chosen now, and
        // anything else it holds, keep their values. One that cannot be read, or
        // holds no project, is not written over, since what it holds would be lost.
        TArchivoIni ini;
        std::string razon;
        if (LeerProyecto(ini, ruta, razon) == TCarga::Rechazado)
            throw TErrorArchivo("No se pudo guardar \"" + ruta + "\": " + razon);
        TRecorridoProyecto recorrido(*this, ini, false);
        RecorrerProyecto(recorrido);
        ini.Guardar(ruta);
        guardado = true;
        Recordar();
        if (!recorrido.NoGuardados().empty()) {
            std::string lista;
            for (const std::string& clave : recorrido.NoGuardados()) lista += (lista.empty() ? "" : ", ") + clave;
            interlocutor_.MostrarError("Estos valores no son números finitos y no se guardaron; el archivo conserva "
                                       "los anteriores: " + lista);
        }
    });
    return guardado;
}

std::string TFormaBrovel::FueraDeRangoDeEntrada(std::string_view seccion, std::string_view clave, double valor) {
    TArchivoIni ini;
    TRecorridoProyecto recorrido(*this, ini, false);
    recorrido.Buscar(seccion, clave);
    RecorrerProyecto(recorrido);
    const auto d = definiciones_.find(recorrido.Hallado());
    return d == definiciones_.end() ? std::string() : FueraDeRangoDe(*d->second, valor);
}

// The walk only reads the form when it writes a file.
std::string TFormaBrovel::TextoDelProyecto() {
    TArchivoIni ini;
    TRecorridoProyecto recorrido(*this, ini, false);
    RecorrerProyecto(recorrido);
    return ini.Texto();
}

void TFormaBrovel::Recordar() {
    guardado_.reset();
    if (RecordarProyecto) guardado_ = TextoDelProyecto();
}

bool TFormaBrovel::Modificado() {
    if (!guardado_) return true;
    try {
        return TextoDelProyecto() != *guardado_;
    } catch (const std::exception&) {
        // A field whose text is no number cannot be what was saved.
        return true;
    }
}

bool TFormaBrovel::ConfirmarCambios() {
    if (!Modificado()) return true;
    const std::string nombre = NombreProyecto.empty() ? "Sin Nombre" : SinExtension(NombreProyecto);
    switch (interlocutor_.PreguntarGuardarCambios(nombre)) {
        case TRespuesta::No: return true;
        case TRespuesta::Cancelar: return false;
        case TRespuesta::Si: break;
    }
    if (NombreProyecto.empty()) {
        const std::string ruta = interlocutor_.ElegirProyectoParaGuardar();
        if (ruta.empty()) return false;
        RutaProyecto = ruta;
        NombreProyecto = NombreDeArchivo(ruta);
    }
    return GuardarValores(RutaProyecto, NombreProyecto);
}

void TFormaBrovel::AbrirExecute() {
    if (!ConfirmarCambios()) return;
    const std::string ruta = interlocutor_.ElegirProyectoParaAbrir();
    if (!ruta.empty()) AbrirProyecto(ruta);
}

void TFormaBrovel::GuardarExecute() {
    if (NombreProyecto.empty())
        GuardarComoExecute();
    else
        GuardarValores(RutaProyecto, NombreProyecto);
}

void TFormaBrovel::GuardarComoExecute() {
    const std::string ruta = interlocutor_.ElegirProyectoParaGuardar();
    if (ruta.empty()) return;
    RutaProyecto = ruta;
    NombreProyecto = NombreDeArchivo(ruta);
    GuardarValores(RutaProyecto, NombreProyecto);
}

}  // namespace brovel
