// The reference projects: every entry the program reads and writes, where each
// one goes in the form and the model, and the same file back on saving.
#include "ProyectoDePrueba.h"

using namespace brovel;
using namespace brovel::pruebas;

namespace {

using G = TGrupoOpciones;
using L = TListaBrovel;

// The reference projects. Options exclude each other, so each file holds one set
// of them, and between them they hold every entry the program reads and writes,
// each at least once with a number that is neither the entry's default nor a new
// project's. They are written as the program writes them, entry by entry in its
// order, so that saving one gives it back byte for byte.

struct TArchivoDeReferencia {
    const char* nombre;
    const char* texto;
};

const TArchivoDeReferencia kArchivosDeReferencia[] = {
    {"curva-representativo-tormenta-parametros-perfilado", R"([Geometria]
Declive=8.25
Longitud=72.5

[Suelo]
Opcion=1
Cant_puntos=5
diam_punto_1=3.5
porc_pasa_1=98
diam_punto_2=1.2
porc_pasa_2=85.5
diam_punto_3=0.3
porc_pasa_3=60
diam_punto_4=0.04
porc_pasa_4=31.25
diam_punto_5=0.001
porc_pasa_5=4
Humedad=0.85
Descongelamiento=1
Biomasa=45.5
Biomasa_res=3.25

[Forzantes]
Opcion=1
Paso_temporal=15
Pasos_hieto=4
Cantidad_tormentas=12
cant_lluvia_1=2.5
cant_lluvia_2=7.25
cant_lluvia_3=12.5
cant_lluvia_4=3
Opcion2=1
Paso_temporal2=12.5
Pasos_hieto2=5
cant_lluvia_extr_1=4
cant_lluvia_extr_2=18.5
cant_lluvia_extr_3=40
cant_lluvia_extr_4=9.5
cant_lluvia_extr_5=2
Opcion3=2
Volumen_precip=1750
Caudal_pico=85.5

[Condicionantes]
Fraccion_cubierta=0.65
Altura_follaje=38
Labranza=1
Tiempo_operaciones=3.5
Fraccion_operaciones=0.75
Mulching=1
Relacion_residuo=0.00052
Peso_residuo=880
Mecanismo=2
Practica_soporte=1
Tipo_practica=0
Pendiente_surcos=2.75
Altura_lomo=8.5

[Disipacion]
Manning_terreno=0.035
Rugosidad_terreno=1.25
)"},
    {"diametro-serie-escorrentia-evento-franjas", R"([Geometria]
Declive=4.5
Longitud=35

[Suelo]
Opcion=2
Diametro_medio=0.125
Humedad=0.7
Descongelamiento=0
Biomasa=72
Biomasa_res=6.5

[Forzantes]
Opcion=2
Paso_temporal=20
Cantidad_hieto=3
Pasos_hieto=4
Cantidad_tormentas=9
cant_lluvia_1_1=1.5
cant_lluvia_1_2=6
cant_lluvia_1_3=11.25
cant_lluvia_1_4=2
cant_lluvia_1=2
cant_lluvia_2_1=3
cant_lluvia_2_2=14
cant_lluvia_2_3=5.5
cant_lluvia_2_4=0.5
cant_lluvia_2=0.5
cant_lluvia_3_1=0
cant_lluvia_3_2=8.75
cant_lluvia_3_3=22
cant_lluvia_3_4=4.25
cant_lluvia_3=4.25
Opcion2=2
Cantidad_escorrentia=48.5
Opcion3=1
Paso_temporal3=25
Pasos_hieto3=3
cant_lluvia_event_1=6.5
cant_lluvia_event_2=21
cant_lluvia_event_3=8.75

[Condicionantes]
Fraccion_cubierta=0.45
Altura_follaje=64
Labranza=0
Mulching=1
Relacion_residuo=0.00021
Peso_residuo=1240
Mecanismo=0
Practica_soporte=1
Tipo_practica=1
Factor_soporte=0.62

[Disipacion]
Rugosidad_terreno=0.8
)"},
    {"textura-energia-tormenta-parametros-terrazas", R"([Geometria]
Declive=12
Longitud=48

[Suelo]
Opcion=3
Clase_estr=2
P_limos=45
P_limos_mod=55.5
P_arenas=25
P_matorg=3.5
Clase_perm=4
Humedad=0.6
Descongelamiento=0
Biomasa=30
Biomasa_res=2.5

[Forzantes]
Opcion=3
Energia_tormenta=35.5
Max_int_30min=42
Cantidad_tormentas=11
Opcion2=1
Paso_temporal2=10
Pasos_hieto2=3
cant_lluvia_extr_1=7
cant_lluvia_extr_2=31.5
cant_lluvia_extr_3=12
Opcion3=2
Volumen_precip=2250
Caudal_pico=120

[Condicionantes]
Fraccion_cubierta=0.9
Altura_follaje=25
Labranza=1
Tiempo_operaciones=1.5
Fraccion_operaciones=0.5
Mulching=0
Practica_soporte=1
Tipo_practica=2
Espacio_terrazas=6.5
Pendiente_terrazas=1.75

[Disipacion]
Rugosidad_terreno=3.5
)"},
    {"curva-erosividad-escorrentia-evento-pastoreo", R"([Geometria]
Declive=3
Longitud=110

[Suelo]
Opcion=1
Cant_puntos=3
diam_punto_1=2.5
porc_pasa_1=90
diam_punto_2=0.25
porc_pasa_2=45
diam_punto_3=0.02
porc_pasa_3=10
Humedad=0.95
Descongelamiento=0
Biomasa=80
Biomasa_res=7

[Forzantes]
Opcion=4
Factor_ele=30500
Opcion2=2
Cantidad_escorrentia=30
Opcion3=1
Paso_temporal3=15
Pasos_hieto3=4
cant_lluvia_event_1=3.5
cant_lluvia_event_2=16
cant_lluvia_event_3=27.5
cant_lluvia_event_4=5

[Condicionantes]
Fraccion_cubierta=0.55
Altura_follaje=80
Labranza=1
Tiempo_operaciones=4
Fraccion_operaciones=0.3
Mulching=1
Relacion_residuo=0.0004
Peso_residuo=650
Mecanismo=1
Practica_soporte=1
Tipo_practica=3
Tiempo_perturbado=6
Constante_consolidacion=2
Lluvia_infiltrada=0.55

[Disipacion]
Indice_rugosidad=2.3
Rugosidad_terreno=1.75
)"},
    {"diametro-representativo-tormenta-evento-sin-practicas", R"([Geometria]
Declive=15
Longitud=20

[Suelo]
Opcion=2
Diametro_medio=0.2
Humedad=0.5
Descongelamiento=1
Biomasa=20
Biomasa_res=1.5

[Forzantes]
Opcion=1
Paso_temporal=5
Pasos_hieto=3
Cantidad_tormentas=20
cant_lluvia_1=1
cant_lluvia_2=9.5
cant_lluvia_3=0.75
Opcion2=1
Paso_temporal2=6
Pasos_hieto2=2
cant_lluvia_extr_1=35
cant_lluvia_extr_2=11
Opcion3=1
Paso_temporal3=7.5
Pasos_hieto3=2
cant_lluvia_event_1=12
cant_lluvia_event_2=4.5

[Condicionantes]
Fraccion_cubierta=0.35
Altura_follaje=12
Labranza=0
Mulching=0
Practica_soporte=0

[Disipacion]
Rugosidad_terreno=0.6
)"},
};

// One entry of a file, as written.
struct TEntrada {
    std::string seccion, clave, valor;
    std::string Nombre() const { return "[" + seccion + "] " + clave; }
};

std::vector<TEntrada> Entradas(std::string_view texto) {
    std::vector<TEntrada> entradas;
    std::string seccion;
    while (!texto.empty()) {
        const size_t fin = texto.find("\r\n");
        const std::string_view linea = texto.substr(0, fin);
        texto.remove_prefix(fin == std::string_view::npos ? texto.size() : fin + 2);
        if (linea.empty()) continue;
        if (linea.front() == '[') {
            seccion = linea.substr(1, linea.find(']') - 1);
            continue;
        }
        const size_t igual = linea.find('=');
        entradas.push_back({seccion, std::string(linea.substr(0, igual)), std::string(linea.substr(igual + 1))});
    }
    return entradas;
}

// What an entry means: the number the form holds for it, as the file writes it,
// and where the model keeps it once recomputed. A '#' in the key stands for a
// position from 1, handed to the form's reading in the same order.
struct TSignificado {
    const char* seccion;
    const char* clave;
    std::function<double(TFormaBrovel&, int, int)> enLaForma;
    // None for the arrays, which only the model holds.
    std::function<double(const TEstadoBrovel&)> enElModelo;
};

std::function<double(TFormaBrovel&, int, int)> DelCampo(const char* nombre) {
    return [nombre](TFormaBrovel& f, int, int) { return Valor(f, nombre); };
}
std::function<double(TFormaBrovel&, int, int)> DeLaOpcion(G grupo) {
    return [grupo](TFormaBrovel& f, int, int) { return f.Opcion(grupo) + 1.0; };
}
std::function<double(TFormaBrovel&, int, int)> DeLaLista(L lista) {
    return [lista](TFormaBrovel& f, int, int) { return double(f.Lista(lista).indice); };
}
// The number a count selector shows.
std::function<double(TFormaBrovel&, int, int)> DelSelector(L selector) {
    return [selector](TFormaBrovel& f, int, int) { return double(EnteroDeLista(f.Lista(selector))); };
}
std::function<double(TFormaBrovel&, int, int)> DeLaCasilla(TCasilla casilla) {
    return [casilla](TFormaBrovel& f, int, int) { return f.Marcada(casilla) ? 1.0 : 0.0; };
}

bool EnSerie(const TFormaBrovel& f) { return f.OpcionLluviaMedia() == TOpcionLluviaMedia::SerieDeHietogramas; }

const std::vector<TSignificado>& Significados() {
    using E = const TEstadoBrovel&;
    static const std::vector<TSignificado> significados = {
        {"Geometria", "Declive", DelCampo("euDt"), [](E e) { return e.Dt; }},
        {"Geometria", "Longitud", DelCampo("euLt"), [](E e) { return e.Lt; }},

        {"Suelo", "Opcion", DeLaOpcion(G::Suelo), [](E e) { return e.OpcionSuelo + 1.0; }},
        {"Suelo", "Cant_puntos", DelCampo("euCpcg"), [](E e) { return double(e.Cpcg); }},
        {"Suelo", "diam_punto_#", [](TFormaBrovel& f, int i, int) { return f.Estado.Dg[i]; }, {}},
        {"Suelo", "porc_pasa_#", [](TFormaBrovel& f, int i, int) { return f.Estado.Pp[i]; }, {}},
        {"Suelo", "Diametro_medio", DelCampo("euDm"), [](E e) { return e.Dm; }},
        {"Suelo", "Clase_estr", DeLaLista(L::cbCspe), [](E e) { return e.Cspe - 1.0; }},
        {"Suelo", "P_limos", DelCampo("euPl"), [](E e) { return e.Pl; }},
        {"Suelo", "P_limos_mod", DelCampo("euPlm"), [](E e) { return e.Plm; }},
        {"Suelo", "P_arenas", DelCampo("euPa"), [](E e) { return e.Pa; }},
        {"Suelo", "P_matorg", DelCampo("euPmo"), [](E e) { return e.Pmo; }},
        {"Suelo", "Clase_perm", DeLaLista(L::cbCspp), [](E e) { return e.Cspp - 1.0; }},
        {"Suelo", "Humedad", DelCampo("euShs"), [](E e) { return e.Shs; }},
        {"Suelo", "Descongelamiento", DeLaCasilla(TCasilla::Descongelamiento),
         [](E e) { return e.Descongelamiento ? 1.0 : 0.0; }},
        {"Suelo", "Biomasa", DelCampo("euBvs"), [](E e) { return e.Bvs; }},
        {"Suelo", "Biomasa_res", DelCampo("euBrvs"), [](E e) { return e.Brvs; }},

        {"Forzantes", "Opcion", DeLaOpcion(G::LluviaMedia), [](E e) { return e.OpcionLluviaMedia + 1.0; }},
        // The representative hyetograph and the series share the step's and the
        // count's entries.
        {"Forzantes", "Paso_temporal",
         [](TFormaBrovel& f, int, int) { return Valor(f, EnSerie(f) ? "euPths" : "euPth"); },
         [](E e) { return e.Pth; }},
        {"Forzantes", "Pasos_hieto",
         [](TFormaBrovel& f, int, int) { return double(EnteroDeLista(f.Lista(EnSerie(f) ? L::cbCph2 : L::cbCph))); },
         [](E e) { return double(e.OpcionLluviaMedia == 1 ? e.Cph2 : e.Cph); }},
        {"Forzantes", "Cantidad_hieto", DelSelector(L::cbCh), [](E e) { return double(e.Ch); }},
        {"Forzantes", "Cantidad_tormentas", DelCampo("euCta"), [](E e) { return e.Cta; }},
        // A step of the representative hyetograph; in a series, the amount of one
        // hyetograph that older files hold, kept as its last step's.
        {"Forzantes",
         "cant_lluvia_#",
         [](TFormaBrovel& f, int i, int) {
             return EnSerie(f) ? f.Estado.Cll1[i][EnteroDeLista(f.Lista(L::cbCph2))] : f.Estado.Cll1[1][i];
         },
         {}},
        {"Forzantes", "cant_lluvia_#_#", [](TFormaBrovel& f, int h, int k) { return f.Estado.Cll1[h][k]; }, {}},
        {"Forzantes", "Energia_tormenta", DelCampo("euEt"), [](E e) { return e.Et; }},
        {"Forzantes", "Max_int_30min", DelCampo("euMi30m"), [](E e) { return e.Mi30m; }},
        {"Forzantes", "Factor_ele", DelCampo("euFele"), [](E e) { return e.Felle; }},
        {"Forzantes", "Opcion2", DeLaOpcion(G::LluviaExtrema), [](E e) { return e.OpcionLluviaExtrema + 1.0; }},
        {"Forzantes", "Paso_temporal2", DelCampo("euPth2"), [](E e) { return e.Pth2; }},
        {"Forzantes", "Pasos_hieto2", DelSelector(L::cbCph3), [](E e) { return double(e.Cph3); }},
        {"Forzantes", "cant_lluvia_extr_#", [](TFormaBrovel& f, int k, int) { return f.Estado.Cll2[k]; }, {}},
        {"Forzantes", "Cantidad_escorrentia", DelCampo("euCe"), [](E e) { return e.Ce; }},
        {"Forzantes", "Opcion3", DeLaOpcion(G::Evento), [](E e) { return e.OpcionEvento + 1.0; }},
        {"Forzantes", "Paso_temporal3", DelCampo("euPth3"), [](E e) { return e.Pth3; }},
        {"Forzantes", "Pasos_hieto3", DelSelector(L::cbCph4), [](E e) { return double(e.Cph4); }},
        {"Forzantes", "cant_lluvia_event_#", [](TFormaBrovel& f, int k, int) { return f.Estado.Cll3[k]; }, {}},
        {"Forzantes", "Volumen_precip", DelCampo("euVp"), [](E e) { return e.Vp; }},
        {"Forzantes", "Caudal_pico", DelCampo("euCp"), [](E e) { return e.Cp; }},

        {"Condicionantes", "Fraccion_cubierta", DelCampo("euFatc"), [](E e) { return e.Fatc; }},
        {"Condicionantes", "Altura_follaje", DelCampo("euAmf"), [](E e) { return e.Amf; }},
        {"Condicionantes", "Labranza", DeLaCasilla(TCasilla::Labranza), [](E e) { return e.Hl ? 1.0 : 0.0; }},
        {"Condicionantes", "Tiempo_operaciones", DelCampo("euTtfo"), [](E e) { return e.Ttfo; }},
        {"Condicionantes", "Fraccion_operaciones", DelCampo("euFapo"), [](E e) { return e.Fapo; }},
        {"Condicionantes", "Mulching", DeLaCasilla(TCasilla::Mulching), [](E e) { return e.Hm ? 1.0 : 0.0; }},
        {"Condicionantes", "Relacion_residuo", DelCampo("euRacmr"), [](E e) { return e.Racmr; }},
        {"Condicionantes", "Peso_residuo", DelCampo("euPsrua"), [](E e) { return e.Psrua; }},
        {"Condicionantes", "Mecanismo", DeLaLista(L::cbMde), [](E e) { return double(e.Mde); }},
        // Without practices the model takes the fifth, "none".
        {"Condicionantes", "Practica_soporte", DeLaCasilla(TCasilla::PracticasDeSoporte),
         [](E e) { return e.Tp != 4 ? 1.0 : 0.0; }},
        {"Condicionantes", "Tipo_practica", DeLaLista(L::cbTp), [](E e) { return double(e.Tp); }},
        {"Condicionantes", "Pendiente_surcos", DelCampo("euPs"), [](E e) { return e.Ps; }},
        {"Condicionantes", "Altura_lomo", DelCampo("euAl"), [](E e) { return e.Al; }},
        {"Condicionantes", "Factor_soporte", DelCampo("euFps"), [](E e) { return e.Fps; }},
        {"Condicionantes", "Espacio_terrazas", DelCampo("euEet"), [](E e) { return e.Eet; }},
        {"Condicionantes", "Pendiente_terrazas", DelCampo("euPt"), [](E e) { return e.Pt; }},
        {"Condicionantes", "Tiempo_perturbado", DelCampo("euTfp"), [](E e) { return e.Tfp; }},
        {"Condicionantes", "Constante_consolidacion", DelCampo("euCtc"), [](E e) { return e.Ctc; }},
        {"Condicionantes", "Lluvia_infiltrada", DelCampo("euFliii"), [](E e) { return e.Fliii; }},

        {"Disipacion", "Manning_terreno", DelCampo("euCmst"), [](E e) { return e.Cmst; }},
        {"Disipacion", "Indice_rugosidad", DelCampo("euIrst"), [](E e) { return e.Irst; }},
        {"Disipacion", "Rugosidad_terreno", DelCampo("euRast"), [](E e) { return e.Rast; }},
    };
    return significados;
}

// Whether `clave` is spelt as `patron`, a '#' standing for a number; the numbers
// go to `posiciones`, in order.
bool Coincide(std::string_view patron, std::string_view clave, std::vector<int>& posiciones) {
    posiciones.clear();
    size_t c = 0;
    for (const char p : patron) {
        if (p != '#') {
            if (c >= clave.size() || clave[c] != p) return false;
            ++c;
            continue;
        }
        const size_t inicio = c;
        while (c < clave.size() && clave[c] >= '0' && clave[c] <= '9') ++c;
        if (c == inicio) return false;
        posiciones.push_back(std::stoi(std::string(clave.substr(inicio, c - inicio))));
    }
    return c == clave.size();
}

const TSignificado* Significado(const TEntrada& entrada, std::vector<int>& posiciones) {
    for (const TSignificado& s : Significados())
        if (entrada.seccion == s.seccion && Coincide(s.clave, entrada.clave, posiciones)) return &s;
    return nullptr;
}

// Every entry of each reference project reaches the form, and the model through
// the recalculation; saved again, the project is the same file.
TEST_F(FormaBrovelProyecto, CadaEntradaDeLosProyectosDeReferenciaSeLeeYSeEscribeIgual) {
    std::set<std::string> vistos;
    for (const TArchivoDeReferencia& referencia : kArchivosDeReferencia) {
        SCOPED_TRACE(referencia.nombre);
        const std::string texto = ConCrLf(referencia.texto);
        const std::string ruta = Ruta(std::string(referencia.nombre) + ".bvx");
        Escribir(ruta, texto);
        TOtraForma otra;
        TFormaBrovel& f = otra.forma;
        ASSERT_TRUE(f.AbrirProyecto(ruta));

        const std::vector<TEntrada> entradas = Entradas(texto);
        for (const TEntrada& entrada : entradas) {
            std::vector<int> p;
            const TSignificado* s = Significado(entrada, p);
            ASSERT_NE(s, nullptr) << entrada.Nombre() << ": ninguna fila dice qué es";
            vistos.insert(std::string(s->seccion) + " " + s->clave);
            p.resize(2, 0);
            const auto numero = LeerRealIni(entrada.valor);
            ASSERT_TRUE(numero) << entrada.Nombre() << "=" << entrada.valor;
            EXPECT_EQ(s->enLaForma(f, p[0], p[1]), *numero) << entrada.Nombre() << ", en la forma";
            if (s->enElModelo) {
                EXPECT_EQ(s->enElModelo(f.Estado), *numero) << entrada.Nombre() << ", en el modelo";
            }
        }
        EXPECT_EQ(f.TextoEstado(), kMensajeOk);
        EXPECT_TRUE(otra.persona.errores.empty());

        const std::string copia = Ruta(std::string(referencia.nombre) + "-guardado.bvx");
        ASSERT_TRUE(f.GuardarValores(copia, "guardado.bvx"));
        const std::string escrito = Contenido(copia);
        const std::vector<TEntrada> guardadas = Entradas(escrito);
        // Entry by entry, so that a failure names the entry; then the whole text.
        for (const TEntrada& entrada : entradas) {
            const auto guardada = std::find_if(guardadas.begin(), guardadas.end(), [&](const TEntrada& g) {
                return g.seccion == entrada.seccion && g.clave == entrada.clave;
            });
            if (guardada == guardadas.end()) {
                ADD_FAILURE() << entrada.Nombre() << " no se guardó";
            } else {
                EXPECT_EQ(guardada->valor, entrada.valor) << entrada.Nombre();
            }
        }
        for (const TEntrada& guardada : guardadas) {
            const bool conocida = std::any_of(entradas.begin(), entradas.end(), [&](const TEntrada& e) {
                return e.seccion == guardada.seccion && e.clave == guardada.clave;
            });
            EXPECT_TRUE(conocida) << guardada.Nombre() << " se guardó sin estar en el proyecto";
        }
        EXPECT_EQ(escrito, texto);
    }
    for (const TSignificado& s : Significados())
        EXPECT_TRUE(vistos.count(std::string(s.seccion) + " " + s.clave))
            << "[" << s.seccion << "] " << s.clave << " no está en ningún proyecto de referencia";
}

// The entries a sweep may vary are those the walk reads: every entry of the
// reference projects is one, and a near miss is not.
TEST(ClavesDelProyecto, SonLasQueLeeElRecorrido) {
    for (const TArchivoDeReferencia& archivo : kArchivosDeReferencia)
        for (const TEntrada& entrada : Entradas(ConCrLf(archivo.texto)))
            EXPECT_TRUE(EsClaveDelProyecto(entrada.seccion, entrada.clave))
                << archivo.nombre << ": " << entrada.Nombre();
    const std::pair<const char*, const char*> ajenas[] = {
        {"Geometria", "Ancho"}, {"Suelo", "diam_punto_21"},    {"Suelo", "diam_punto_0"},   {"Suelo", "diam_punto_01"},
        {"Suelo", "Declive"},   {"Forzantes", "cant_lluvia_"}, {"Disipacion", "Rugosidad"},
    };
    for (const auto& [seccion, clave] : ajenas)
        EXPECT_FALSE(EsClaveDelProyecto(seccion, clave)) << seccion << "." << clave;
}

}  // namespace
