#include "forms/FormaZumbrel.h"

#include <algorithm>
#include <cmath>

#include "fields/MensajesRango.h"
#include "fields/Numeros.h"
#include "forms/CamposZumbrel.h"
#include "forms/Descripcion.h"
#include "model/MiembrosZumbrel.h"
#include "model/URutinasZ.h"

namespace brovel {
namespace {

using L = TListaZumbrel;
using E = TEstadoZumbrel;

// The form's own marks, beside those of the model's members: the check of an
// accumulated series, which stops the series before anything it reads, and the
// step editor's range, through which the entered heights come.
constexpr const char* kMarcaSerie = "Serie";
constexpr const char* kMarcaEditor = "All";

// What each routine computes, as the sentence of its failure names it.
const char* QueCalcula(TRutinaZumbrel rutina) {
    switch (rutina) {
        case TRutinaZumbrel::TiempoConcentracion: return "el tiempo de concentración";
        case TRutinaZumbrel::SerieLluvia: return "la serie de lluvia";
        case TRutinaZumbrel::Retencion: return "la retención potencial máxima";
        case TRutinaZumbrel::Escorrentia: return "la escorrentía";
        case TRutinaZumbrel::Hidrograma: return "el hidrograma";
    }
    return "el resultado";
}

const std::vector<const char*> kBotonesZumbrel[] = {
    {"rcParcial", "rbAcumulada"},
    {"rbAu", "rbTac", "rbOta", "rbTpas"},
};
const std::vector<const char*> kTitulosZumbrel[] = {
    {"Serie de alturas parciales de lluvia", "Serie de alturas acumuladas de lluvia"},
    {"Areas urbanas", "Terrenos agrícolas cultivados", "Otros terrenos agrícolas",
     "Terrenos de pastoreo áridos y semiáridos"},
};
const char* const kNombresListasZumbrel[] = {
    "cbGh", "cbSall", "cbLluvia", "cbUnidadesHietograma", "cbUnidadesVolumenes", "cbUnidadHidrograma"};

const std::pair<L, std::vector<std::string>> kEntradas[] = {
    {L::cbGh,
     {"A: Tasa de infiltración alta", "B: Tasa de infiltración moderada", "C: Tasa de infiltración baja",
      "D: Tasa de infiltración muy baja"}},
    {L::cbUnidadesHietograma, {"mm/hr", "cm/hr", "m/hr"}},
    {L::cbUnidadesVolumenes, {"mm", "cm", "m"}},
    {L::cbUnidadHidrograma, {"m³/s", "l/s"}},
};

const char* const kTitulosNumeroDeCurva[] = {
    "Número de curva para áreas urbanas ", "Número de curva para terrenos agrícolas cultivados ",
    "Número de curva para otros terrenos agrícolas ", "Número de curva para terrenos de pastoreo áridos y semiáridos "};

// The divisor of a unit of the grids, from its position in its selector.
double Divisor(int posicion) { return posicion == 1 ? 10 : (posicion == 2 ? 1000 : 1); }

double Leer(TCantidad& campo) { return static_cast<double>(campo.GetBaseValue()); }

// The grid's time column: the end of each step, or ordinate, in hours.
std::vector<double> Horas(int filas, double pasoEnMinutos) {
    std::vector<double> horas(static_cast<size_t>(std::max(filas, 0)));
    for (int k = 1; k <= filas; ++k) horas[static_cast<size_t>(k - 1)] = HoraDelPaso(k, pasoEnMinutos);
    return horas;
}

}  // namespace

const std::vector<const char*>& BotonesDe(TGrupoZumbrel grupo) { return kBotonesZumbrel[static_cast<size_t>(grupo)]; }
double HoraDelPaso(int k, double pasoEnMinutos) { return static_cast<double>(Real(k) * pasoEnMinutos / 60); }

const char* TituloDe(TGrupoZumbrel grupo, int boton) {
    return kTitulosZumbrel[static_cast<size_t>(grupo)].at(static_cast<size_t>(boton));
}
const char* NombreDe(TListaZumbrel lista) { return kNombresListasZumbrel[static_cast<size_t>(lista)]; }

std::string TGrillaResultados::Celda(int fila, int columna) const {
    if (columna < 0 || columna >= static_cast<int>(columnas.size())) return {};
    if (fila == 0)
        return columna < static_cast<int>(encabezados.size()) ? encabezados[static_cast<size_t>(columna)] : "";
    if (fila < 1 || fila > Filas()) return {};
    const double valor = columnas[static_cast<size_t>(columna)][static_cast<size_t>(fila - 1)];
    const std::string texto = FormatoCincoDecimales(valor);
    return ceroSiNegativo && !texto.empty() && texto.front() == '-' ? "0" : texto;
}

TFormaZumbrel::TFormaZumbrel(TInterlocutor& interlocutor) : TFormaConControles(interlocutor, EsControlDeZumbrel) {
    campos_.Nombrar({BROVEL_CAMPOS_ZUMBREL(BROVEL_CAMPO_POR_NOMBRE)});
    textoEstado_ = "OK";
    for (const auto& [lista, entradas] : kEntradas) {
        ListaMutable(lista).items = entradas;
        ListaMutable(lista).indice = 0;
    }
    ListaMutable(L::cbGh).indice = 1;
    CrearCampos();
    // The step editor stays blank while its step has no rain.
    euAll.VacioSiCero = true;
    ConectarManejadores();
    grillaLluvia_ = {{"[Horas]", "[mm]", "[mm]", "[mm/hr]"}, {{}, {}, {}, {}}, true, {}};
    grillaEscorrentia_ = {{"[Horas]", "[mm]"}, {{}, {}}, false, {}};
    grillaHidrograma_ = {{"[Horas]", "[m³/s]"}, {{}, {}}, false, {}};
    // As the window is created: the count list, the model's start, six data.
    ListaMutable(L::cbSall).LlenarConNumeros(kMaxDatosSerie, kMaxDatosSerie);
    ValoresIniciales(Estado);
    ListaMutable(L::cbSall).indice = 5;
    Manejar([this] { cbSallChange(); });
}

// Every field as its row describes it, starting from the model's start values;
// nothing runs while they are written.
void TFormaZumbrel::CrearCampos() {
    for (const TDefinicionCampo& d : CamposZumbrel()) {
        PrepararCampo(Campo(d.nombre), d, true);
        definiciones_[&Campo(d.nombre)] = &d;
    }
}

void TFormaZumbrel::ConectarManejadores() {
    for (TCantidad* campo : {&euDdpmrhls, &euDntepmrys, &euAc}) campo->OnChange = [this] { GeometriaShow(); };
    euAi.OnChange = [this] { SueloShow(); };
    euPtsd.OnChange = [this] { ForzantesShow(); };
    euNc.OnChange = [this] { CondicionantesShow(); };
    // The step editor stores what it shows into the step it shows.
    euAll.OnChange = [this] {
        Manejar([this] {
            const int k = Lista(L::cbLluvia).Posicion();
            if (k >= 1) AlturaElegida(k) = Leer(euAll);
            ForzantesShow();
        });
    };
}

double& TFormaZumbrel::AlturaElegida(int k) {
    const size_t i = static_cast<size_t>(std::clamp(k, 1, kMaxDatosSerie));
    return Opcion(TGrupoZumbrel::Serie) == 1 ? Estado.AllAcumulada[i] : Estado.AllParcial[i];
}

std::string TFormaZumbrel::TituloAltura() const {
    return Opcion(TGrupoZumbrel::Serie) == 1 ? "Altura de lluvia acumulada" : "Altura de lluvia parcial";
}

std::string TFormaZumbrel::TituloNumeroDeCurva() const {
    return kTitulosNumeroDeCurva[static_cast<size_t>(std::clamp(Opcion(TGrupoZumbrel::UsoSuelo), 0, 3))];
}

void TFormaZumbrel::ElegirOpcion(TGrupoZumbrel grupo, int boton) {
    if (!CambiarOpcion(grupo, boton)) return;
    Manejar([this, grupo] {
        if (grupo == TGrupoZumbrel::Serie) {
            cbSallChange();
            ForzantesShow();
        } else {
            CondicionantesShow();
        }
    });
}

void TFormaZumbrel::MarcarAbstraccionAsignada(bool marcada) {
    if (aai_ == marcada) return;
    aai_ = marcada;
    Manejar([this] {
        Mostrar({"Bevel8", "euAi"}, aai_);
        SueloShow();
    });
}

void TFormaZumbrel::EjecutarManejadorDeLista(TListaZumbrel lista) {
    Manejar([this, lista] {
        switch (lista) {
            case L::cbGh: SueloShow(); break;
            case L::cbSall: cbSallChange(); break;
            case L::cbLluvia: cbLluviaChange(); break;
            case L::cbUnidadesHietograma: ForzantesShow(); break;
            case L::cbUnidadesVolumenes: CondicionantesShow(); break;
            case L::cbUnidadHidrograma: EscorrentiaShow(); break;
        }
    });
}

void TFormaZumbrel::cbSallChange() {
    Estado.Sall = Lista(L::cbSall).Posicion();
    ListaMutable(L::cbLluvia).LlenarConNumeros(Estado.Sall, kMaxDatosSerie);
    cbLluviaChange();
    ForzantesShow();
}

// Writing the editor runs its own handler, which stores the number back as the
// editor shows it.
void TFormaZumbrel::cbLluviaChange() {
    const int k = Lista(L::cbLluvia).Posicion();
    if (k >= 1) euAll.SetBaseValue(AlturaElegida(k));
    ForzantesShow();
}

void TFormaZumbrel::RecibirTormenta(int pasos, const double* alturas, double pasoTemporal) {
    Manejar([&] {
        const int n = std::clamp(pasos, 1, kMaxDatosSerie);
        Estado.Sall = n;
        for (int k = 1; k <= n; ++k) Estado.AllParcial[static_cast<size_t>(k)] = alturas[k];
        euPtsd.SetBaseValue(pasoTemporal);
    });
}

bool TFormaZumbrel::MostrarPestana(TPestanaZumbrel pestana) { return Cadena(pestana); }
bool TFormaZumbrel::GeometriaShow() { return Cadena(TPestanaZumbrel::Geometria); }
bool TFormaZumbrel::SueloShow() { return Cadena(TPestanaZumbrel::Suelo); }
bool TFormaZumbrel::ForzantesShow() { return Cadena(TPestanaZumbrel::Forzantes); }
bool TFormaZumbrel::CondicionantesShow() { return Cadena(TPestanaZumbrel::Condicionantes); }
bool TFormaZumbrel::EscorrentiaShow() { return Cadena(TPestanaZumbrel::Escorrentia); }

bool TFormaZumbrel::Cadena(TPestanaZumbrel hasta) {
    return SinReentrar([this, hasta] { Calcular(std::min(hasta, TPestanaZumbrel::Escorrentia)); });
}

std::vector<std::string> TFormaZumbrel::SinActualizar() const { return frescura_.Viejos(CalculadosZumbrel()); }

// The routine's results follow the fault that stopped it, else the first of the
// marks of what it read, as the table of derivations says; the entered heights
// come through the step editor, whose mark is consulted last.
void TFormaZumbrel::Bloque(TRutinaZumbrel rutina) {
    // The inputs a person can mend that make a routine impossible when nil.
    const std::pair<double E::*, const char*> kNulos[] = {
        {&E::Ptsd, "el paso de tiempo de la serie es nulo"},
        {&E::Ac, "el área de la cuenca es nula"},
        {&E::Dntepmrys, "la diferencia de nivel es nula"},
        {&E::Ddpmrhls, "la distancia hasta la salida es nula"},
    };
    const std::vector<TMiembroZumbrel> leidos = LeidosPor(rutina, Estado);
    std::optional<std::string> falla;
    try {
        brovel::Calcular(rutina, Estado);
    } catch (const ErrorAritmetico& error) {
        // A nil input the routine reads, else the fault itself.
        const auto nula = [&]() -> std::string {
            for (const auto& [miembro, texto] : kNulos)
                if (std::find(leidos.begin(), leidos.end(), TMiembroZumbrel(miembro)) != leidos.end() &&
                    Estado.*miembro == 0)
                    return texto;
            return error.what();
        };
        falla = std::string("No se pudo calcular ") + QueCalcula(rutina) + ": " + nula();
    } catch (const ErrorHidrogramaExcesivo& demasiadas) {
        // Not a storm any basin has: said, and nothing computed.
        falla = demasiadas.what();
        mensajeHidrograma_ = *falla;
    }
    std::optional<std::string> motivo = falla;
    if (!motivo) {
        const auto entrada = [](const TMiembroZumbrel& m) {
            return m == TMiembroZumbrel(&E::AllParcial) || m == TMiembroZumbrel(&E::AllAcumulada);
        };
        const bool conSerie = std::any_of(leidos.begin(), leidos.end(), entrada);
        if (conSerie) motivo = frescura_.PrimerViejo({kMarcaSerie});
        for (const TMiembroZumbrel& m : leidos)
            if (!motivo && !entrada(m)) motivo = frescura_.PrimerViejo({NombreDe(m)});
        if (!motivo && conSerie) motivo = frescura_.PrimerViejo({kMarcaEditor});
    }
    for (const TMiembroZumbrel& m : EscritosPor(rutina, Estado)) frescura_.Marcar({NombreDe(m)}, motivo);
}

// The status line: a series that is no series, else an input out of range, else
// a hydrograph too long to compute.
void TFormaZumbrel::ComponerEstado() {
    std::string mensaje;
    if (!frescura_.AlDia(kMarcaSerie)) mensaje = kMensajeSerieMalCargada;
    for (const TDefinicionCampo& d : CamposZumbrel()) {
        if (!mensaje.empty()) break;
        if (d.clase != TClaseCampo::Entrada) continue;
        const std::string motivo = frescura_.Motivo(d.nombre.substr(2));
        if (!motivo.empty()) mensaje = "ERROR: " + motivo;
    }
    // Arithmetic faults only mark what they left behind; a storm no basin has is said.
    if (mensaje.empty()) mensaje = mensajeHidrograma_;
    textoEstado_ = mensaje.empty() ? "OK" : mensaje;
    estadoEnError_ = !mensaje.empty();
}

// Each tab reads its inputs outside its guarded block and computes inside it,
// after every tab before it. An input outside its field's range is not copied, and
// what is computed from it is out of date, as is what a fault left behind; the
// grids keep their numbers, with the reason.
void TFormaZumbrel::Calcular(TPestanaZumbrel hasta) {
    TEstadoZumbrel& e = Estado;
    Copiar(euDdpmrhls, &E::Ddpmrhls);
    Copiar(euDntepmrys, &E::Dntepmrys);
    Copiar(euAc, &E::Ac);
    Bloque(TRutinaZumbrel::TiempoConcentracion);
    Escribir(euTccResultado, &E::Tcc);
    const auto fin = [&] { ComponerEstado(); };
    if (hasta < TPestanaZumbrel::Suelo) return fin();

    const int grupo = Lista(L::cbGh).indice;
    if (grupo >= 0 && grupo <= 3) e.Gh = static_cast<uint8_t>(grupo);
    e.Aai = aai_;
    e.Ai = Leer(euAi);
    // The field stands for the abstraction either way: while assigned it is the
    // person's number, else the one the retention computed, with its mark.
    miembroDeCampo_[&euAi] = NombreDe(&E::Ai);
    if (e.Aai) frescura_.Marcar({NombreDe(&E::Ai)}, std::nullopt);
    if (hasta < TPestanaZumbrel::Forzantes) return fin();

    const bool acumulada = Opcion(TGrupoZumbrel::Serie) == 1;
    e.SerieParcial = !acumulada;
    SerieInvalida = false;
    for (int k = 2; acumulada && k <= AcotarDatosSerie(e.Sall); ++k)
        if (e.AllAcumulada[static_cast<size_t>(k)] < e.AllAcumulada[static_cast<size_t>(k - 1)]) SerieInvalida = true;
    frescura_.Marcar({kMarcaSerie},
                     SerieInvalida ? std::optional<std::string>(std::string(kMensajeSerieMalCargada)) : std::nullopt);
    Copiar(euPtsd, &E::Ptsd);
    MarcarEntrada(euAll, kMarcaEditor);
    const auto unidadHietograma = Lista(L::cbUnidadesHietograma).indice;
    Bloque(TRutinaZumbrel::SerieLluvia);
    {
        const int n = AcotarDatosSerie(e.Sall);
        TGrillaResultados& g = grillaLluvia_;
        g.motivoViejo = frescura_.Motivo(NombreDe(&E::LlParcial));
        if (g.motivoViejo.empty()) {
            g.encabezados[3] = "[" + Lista(L::cbUnidadesHietograma).Texto() + "]";
            g.columnas[0] = Horas(n, e.Ptsd);
            g.columnas[1].assign(e.LlParcial.begin() + 1, e.LlParcial.begin() + 1 + n);
            g.columnas[2].assign(e.LlAcumulada.begin() + 1, e.LlAcumulada.begin() + 1 + n);
            g.columnas[3].clear();
            for (int k = 1; k <= n; ++k)
                g.columnas[3].push_back(e.LlHietograma[static_cast<size_t>(k)] / Divisor(unidadHietograma));
        }
    }
    if (hasta < TPestanaZumbrel::Condicionantes) return fin();

    const int uso = Opcion(TGrupoZumbrel::UsoSuelo);
    e.UsoSuelo = static_cast<uint8_t>(uso);
    // A curve number beyond the whole numbers leaves the one before.
    if (MarcarEntrada(euNc, NombreDe(&E::Nc))) {
        try {
            e.Nc = Truncar(euNc.GetBaseValue());
        } catch (const ErrorAritmetico&) {}
    }
    Bloque(TRutinaZumbrel::Retencion);
    Bloque(TRutinaZumbrel::Escorrentia);
    Escribir(euRpmResultado, &E::Rpm);
    {
        const int n = AcotarDatosSerie(e.Sall);
        TGrillaResultados& g = grillaEscorrentia_;
        g.motivoViejo = frescura_.Motivo(NombreDe(&E::Svaeua));
        if (g.motivoViejo.empty()) {
            g.encabezados[1] = "[" + Lista(L::cbUnidadesVolumenes).Texto() + "]";
            g.columnas[0] = Horas(n, e.Ptsd);
            g.columnas[1].clear();
            for (int k = 1; k <= n; ++k)
                g.columnas[1].push_back(e.Svaeua[static_cast<size_t>(k)] /
                                        Divisor(Lista(L::cbUnidadesVolumenes).indice));
        }
    }
    if (hasta < TPestanaZumbrel::Escorrentia) return fin();

    mensajeHidrograma_.clear();
    Bloque(TRutinaZumbrel::Hidrograma);
    Escribir(euVteResultado, &E::Vte);
    Escribir(euVtespResultado, &E::Vtesp);
    Escribir(euCpResultado, &E::Cp);
    {
        const int n = std::max(e.CantidadHe, 0);
        const double factor = Lista(L::cbUnidadHidrograma).indice == 1 ? 1000 : 1;
        TGrillaResultados& g = grillaHidrograma_;
        g.motivoViejo = frescura_.Motivo(NombreDe(&E::He));
        if (g.motivoViejo.empty()) {
            g.encabezados[1] = "[" + Lista(L::cbUnidadHidrograma).Texto() + "]";
            g.columnas[0] = Horas(n, e.Ptsd);
            g.columnas[1].resize(static_cast<size_t>(n));
            for (int j = 1; j <= n; ++j)
                g.columnas[1][static_cast<size_t>(j - 1)] = e.He[static_cast<size_t>(j)] * factor;
        }
    }
    fin();
}

}  // namespace brovel
