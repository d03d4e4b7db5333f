// The project file of the slope form: New, Open, Save and Save as, and the one
// walk over the file's entries that both reads and writes them, so that every key
// is written down once, in the file's order.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "docs/ArchivoIni.h"
#include "forms/ClavesProyecto.h"
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
    void Buscar(std::string_view seccion, std::string_view clave) {
        buscada_ = Minusculas(seccion) + "." + Minusculas(clave);
    }
    const TCantidad* Hallado() const { return hallado_; }

    // The field's entry; one the file lacks reads as the table says, or leaves the
    // field as it is.
    void Campo(TCantidad TFormaBrovel::*miembro) {
        const TClaveProyecto& fila = Fila(miembro);
        TCantidad& campo = forma_.*miembro;
        if (!buscada_.empty() && !hallado_ && Minusculas(seccion_) + "." + Minusculas(fila.clave) == buscada_)
            hallado_ = &campo;
        if (leyendo_)
            campo.SetBaseValue(
                ini_.LeerReal(seccion_, fila.clave,
                              std::isnan(fila.ausente) ? static_cast<double>(campo.GetBaseValue()) : fila.ausente));
        else
            EscribirReal(fila.clave, static_cast<double>(campo.GetBaseValue()));
    }

    // The option chosen in `grupo`, 1 for the first button; 0 when the file names
    // none of them.
    int Opcion(TGrupoOpciones grupo) {
        const TClaveProyecto& fila = Fila(grupo);
        const char* clave = fila.clave;
        const int n = static_cast<int>(BotonesDe(grupo).size());
        if (leyendo_) {
            const int opcion = ini_.LeerEntero(seccion_, clave, static_cast<int>(fila.ausente));
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
    int Lista(TListaBrovel lista) {
        const char* clave = Fila(lista).clave;
        const int porDefecto = static_cast<int>(Fila(lista).ausente);
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
    int Cantidad(TListaBrovel selector) {
        const char* clave = Fila(selector).clave;
        const int porDefecto = static_cast<int>(Fila(selector).ausente);
        if (leyendo_) {
            const int cantidad = std::clamp(ini_.LeerEntero(seccion_, clave, porDefecto), 1, kMaxElementos);
            forma_.SetIndice(selector, cantidad - 1);
            return cantidad;
        }
        const int cantidad = AcotarCantidad(forma_.Lista(selector).indice + 1);
        ini_.EscribirEntero(seccion_, clave, cantidad);
        return cantidad;
    }

    bool Casilla(TCasilla casilla) {
        const TClaveProyecto& fila = Fila(casilla);
        if (leyendo_)
            forma_.Marcar(casilla, ini_.LeerBooleano(seccion_, fila.clave, fila.ausente != 0));
        else
            ini_.EscribirBooleano(seccion_, fila.clave, forma_.Marcada(casilla));
        return forma_.Marcada(casilla);
    }

    // Values taken from elsewhere, written only once taken; reading finds whether
    // the file holds them.
    void Tomado(bool& tomado, std::initializer_list<double TEstadoBrovel::*> miembros) {
        TEstadoBrovel& e = forma_.Estado;
        if (leyendo_) {
            tomado = true;
            for (const auto miembro : miembros) tomado = tomado && ini_.Tiene(seccion_, Fila(miembro).clave);
            for (const auto miembro : miembros)
                if (tomado) e.*miembro = ini_.LeerReal(seccion_, Fila(miembro).clave, e.*miembro);
        } else if (tomado) {
            for (const auto miembro : miembros) EscribirReal(Fila(miembro).clave, e.*miembro);
        }
    }

    // Element k of an array under its key's prefix followed by the position.
    void Elemento(const TMiembroBrovel& miembro, int k, double& valor) {
        const TClaveProyecto& fila = Fila(miembro);
        Valor(Prefijo(fila) + std::to_string(k), valor, fila.ausente);
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

    // Entries 1..n of an array of `miembro`.
    void Serie(const TMiembroBrovel& miembro, TSerie& serie, int n) {
        for (int k = 1; k <= AcotarCantidad(n); ++k) Elemento(miembro, k, serie[k]);
    }

    const TClaveProyecto& Fila(const TDestinoClave& destino) const { return ClaveDe(seccion_, destino); }
    // The key up to its first position.
    static std::string Prefijo(const TClaveProyecto& fila) {
        const std::string_view clave = fila.clave;
        return std::string(clave.substr(0, clave.find('#')));
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
    using F = TFormaBrovel;
    using E = TEstadoBrovel;
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
    p.Campo(&F::euDt);
    p.Campo(&F::euLt);

    p.Seccion("Suelo");
    switch (p.Opcion(TGrupoOpciones::Suelo)) {
        case 1: {
            if (p.Leyendo()) {
                // A curve of more points than the model holds is cut to its size.
                const TClaveProyecto& puntos = p.Fila(&F::euCpcg);
                euCpcg.SetBaseValue(std::clamp(p.Ini().LeerReal(puntos.seccion, puntos.clave, puntos.ausente), 0.0,
                                               double(kMaxElementos)));
            } else {
                p.Campo(&F::euCpcg);
            }
            const int n = CantidadDeCampo(euCpcg);
            for (int i = 1; i <= n; ++i) {
                p.Elemento(&E::Dg, i, e.Dg[i]);
                p.Elemento(&E::Pp, i, e.Pp[i]);
            }
            redondear(*curva_);
            break;
        }
        case 2: p.Campo(&F::euDm); break;
        case 3:
            p.Lista(L::cbCspe);
            p.Campo(&F::euPl);
            p.Campo(&F::euPlm);
            p.Campo(&F::euPa);
            p.Campo(&F::euPmo);
            p.Lista(L::cbCspp);
            break;
    }
    p.Campo(&F::euShs);
    p.Casilla(TCasilla::Descongelamiento);
    p.Campo(&F::euBvs);
    p.Campo(&F::euBrvs);

    p.Seccion("Forzantes");
    switch (p.Opcion(TGrupoOpciones::LluviaMedia)) {
        case 1: {
            p.Campo(&F::euPth);
            const int pasos = p.Cantidad(L::cbCph);
            p.Campo(&F::euCta);
            p.Serie(&E::Cll1, e.Cll1[1], pasos);
            llenar(L::cbPhn, pasos);
            redondear(*representativo_);
            break;
        }
        case 2: {
            p.Campo(&F::euPths);
            const int hietogramas = p.Cantidad(L::cbCh);
            const int pasos = p.Cantidad(L::cbCph2);
            p.Campo(&F::euCta);
            llenar(L::cbHn, hietogramas);
            SerieDeHietogramas(p, hietogramas, pasos);
            llenar(L::cbPhn2, pasos);
            redondear(*serie_);
            break;
        }
        case 3:
            p.Campo(&F::euEt);
            p.Campo(&F::euMi30m);
            p.Campo(&F::euCta);
            break;
        case 4: p.Campo(&F::euFele); break;
    }
    switch (p.Opcion(TGrupoOpciones::LluviaExtrema)) {
        case 1: {
            p.Campo(&F::euPth2);
            const int pasos = p.Cantidad(L::cbCph3);
            p.Serie(&E::Cll2, e.Cll2, pasos);
            llenar(L::cbPhn3, pasos);
            redondear(*tormenta_);
            break;
        }
        case 2: p.Campo(&F::euCe); break;
    }
    // The runoff taken from the runoff window, kept for the option that takes it.
    if (Opcion(TGrupoOpciones::LluviaExtrema) == 0) p.Tomado(tomadoExtrema_, {&E::Ce});
    switch (p.Opcion(TGrupoOpciones::Evento)) {
        case 1: {
            p.Campo(&F::euPth3);
            const int pasos = p.Cantidad(L::cbCph4);
            p.Serie(&E::Cll3, e.Cll3, pasos);
            llenar(L::cbPhn4, pasos);
            redondear(*evento_);
            break;
        }
        case 2:
            p.Campo(&F::euVp);
            p.Campo(&F::euCp);
            break;
    }
    if (Opcion(TGrupoOpciones::Evento) == 0) p.Tomado(tomadoEvento_, {&E::Vp, &E::Cp});

    p.Seccion("Condicionantes");
    p.Campo(&F::euFatc);
    p.Campo(&F::euAmf);
    if (p.Casilla(TCasilla::Labranza)) {
        p.Campo(&F::euTtfo);
        p.Campo(&F::euFapo);
    }
    if (p.Casilla(TCasilla::Mulching)) {
        p.Campo(&F::euRacmr);
        p.Campo(&F::euPsrua);
        p.Lista(L::cbMde);
    }
    const bool practicas = p.Casilla(TCasilla::PracticasDeSoporte);
    if (practicas) {
        p.Lista(L::cbTp);
        // The inputs shown, and those the model reads, must be the loaded practice's.
        if (p.Leyendo()) cbTpChange();
        switch (Lista(L::cbTp).indice) {
            case 0:
                p.Campo(&F::euPs);
                p.Campo(&F::euAl);
                break;
            case 1: p.Campo(&F::euFps); break;
            case 2:
                p.Campo(&F::euEet);
                p.Campo(&F::euPt);
                break;
            case 3:
                p.Campo(&F::euTfp);
                p.Campo(&F::euCtc);
                p.Campo(&F::euFliii);
                break;
        }
    }

    p.Seccion("Disipacion");
    if (practicas && Lista(L::cbTp).indice == 0) p.Campo(&F::euCmst);
    if (practicas && Lista(L::cbTp).indice == 3) p.Campo(&F::euIrst);
    p.Campo(&F::euRast);

    // The runoff window's data that produced the runoff taken, so that the project
    // opens with the same basin and storm in it.
    if (p.Leyendo() && (tomadoExtrema_ || tomadoEvento_) && TFormaZumbrel::TieneDatos(p.Ini(), kPrefijoZumbrel)) {
        Zumbrel.LeerDatos(p.Ini(), kPrefijoZumbrel, RutaProyecto);
        if (tomadoExtrema_) frescura_.Marcar({&TEstadoBrovel::Ce}, MotivoDeZumbrel({&TEstadoZumbrel::Vtesp}));
        if (tomadoEvento_)
            frescura_.Marcar({&TEstadoBrovel::Vp, &TEstadoBrovel::Cp},
                             MotivoDeZumbrel({&TEstadoZumbrel::Vte, &TEstadoZumbrel::Cp}));
    } else if (!p.Leyendo() && (tomadoExtrema_ || tomadoEvento_))
        Zumbrel.EscribirDatos(p.Ini(), kPrefijoZumbrel);
}

// Every step of every hyetograph under "cant_lluvia_H_K". Files that hold one
// amount per hyetograph, under "cant_lluvia_H", give it to all its steps; the
// writer keeps that entry too, with the last step's amount, for them.
void TFormaBrovel::SerieDeHietogramas(TRecorridoProyecto& p, int hietogramas, int pasos) {
    const std::string seccion = p.SeccionActual();
    TArchivoIni& ini = p.Ini();
    const TClaveProyecto& fila = p.Fila(&TEstadoBrovel::Cll1);
    for (int h = 1; h <= AcotarCantidad(hietogramas); ++h) {
        const std::string unico = TRecorridoProyecto::Prefijo(fila) + std::to_string(h);
        TSerie& serie = Estado.Cll1[h];
        if (p.Leyendo()) {
            const double comun = ini.LeerReal(seccion, unico, fila.ausente);
            for (int k = 1; k <= AcotarCantidad(pasos); ++k)
                serie[k] = ini.LeerReal(seccion, unico + "_" + std::to_string(k), comun);
        } else {
            for (int k = 1; k <= AcotarCantidad(pasos); ++k)
                p.Valor(unico + "_" + std::to_string(k), serie[k], fila.ausente);
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
            interlocutor_.MostrarError(
                "Estos valores no son números finitos y no se guardaron; el archivo conserva "
                "los anteriores: " +
                lista);
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
