// The wiring between the slope form's fields and the model: every result field
// shows the member it stands for, every input reaches its member, under the
// option sets that make each of them count.
#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "FormaDePrueba.h"
#include "fields/Numeros.h"
#include "forms/CamposBrovel.h"

using namespace brovel;
using namespace brovel::pruebas;

namespace {

using G = TGrupoOpciones;
using L = TListaBrovel;

struct TConjuntoDeOpciones {
    const char* nombre;
    std::function<void(TFormaBrovel&)> elegir;
};

// Each set chooses a different way through every tab.
const TConjuntoDeOpciones kConjuntos[] = {
    {"por defecto: curva, hietograma, escorrentía dada, perfilado", [](TFormaBrovel&) {}},
    {"diámetro medio, serie, tormenta, parámetros del evento, franjas",
     [](TFormaBrovel& f) {
         f.ElegirOpcion(G::Suelo, 1);
         f.ElegirOpcion(G::LluviaMedia, 1);
         f.ElegirOpcion(G::LluviaExtrema, 0);
         f.ElegirOpcion(G::Evento, 1);
         f.ElegirEnLista(L::cbTp, 1);
     }},
    {"clase y textura, energía, terrazas, sin labranza",
     [](TFormaBrovel& f) {
         f.ElegirOpcion(G::Suelo, 2);
         f.ElegirOpcion(G::LluviaMedia, 2);
         f.Marcar(TCasilla::Labranza, false);
         f.ElegirEnLista(L::cbTp, 2);
     }},
    {"clase y textura, erosividad dada, pastoreo",
     [](TFormaBrovel& f) {
         f.ElegirOpcion(G::Suelo, 2);
         f.ElegirOpcion(G::LluviaMedia, 3);
         f.ElegirEnLista(L::cbTp, 3);
     }},
    {"sin prácticas ni mulching",
     [](TFormaBrovel& f) {
         f.Marcar(TCasilla::Mulching, false);
         f.Marcar(TCasilla::PracticasDeSoporte, false);
     }},
};

using TCondicion = std::function<bool(const TEstadoBrovel&)>;
const TCondicion kSiempre = [](const TEstadoBrovel&) { return true; };
const TCondicion kPerfilado = [](const TEstadoBrovel& e) { return e.Tp == 0; };

struct TResultado {
    const char* campo;
    double TEstadoBrovel::*miembro;
    TCondicion escrito;
};

// clang-format off
const TResultado kResultados[] = {
    {"euFesResultado",   &TEstadoBrovel::Fes,   kSiempre},
    {"euFtResultado",    &TEstadoBrovel::Ft,    kSiempre},
    {"euDMResultado",    &TEstadoBrovel::Dm,    kSiempre},
    {"euFdeResultado",   &TEstadoBrovel::Fde,   [](const TEstadoBrovel& e) { return e.OpcionLluviaMedia <= 2; }},
    {"euFelleResultado", &TEstadoBrovel::Felle, kSiempre},
    {"euVeeResultado",   &TEstadoBrovel::Vp,    kSiempre},
    {"euCpeResultado",   &TEstadoBrovel::Cp,    kSiempre},
    {"euFpResultado",    &TEstadoBrovel::Fp,    kSiempre},
    {"euTecrResultado",  &TEstadoBrovel::Tecr,  kSiempre},
    {"euPspcrResultado", &TEstadoBrovel::Pspcr, kSiempre},
    {"euCEResultado",    &TEstadoBrovel::Ce,    kSiempre},
    {"euFcss",           &TEstadoBrovel::Fcss,  [](const TEstadoBrovel& e) { return e.Hl; }},
    {"euSups",           &TEstadoBrovel::Sups,  kSiempre},
    {"euScf",            &TEstadoBrovel::Scf,   kSiempre},
    {"euFpsb",           &TEstadoBrovel::Fpsb,  kPerfilado},
    {"euFpset",          &TEstadoBrovel::Fpset, kPerfilado},
    {"euFpsed",          &TEstadoBrovel::Fpsed, kPerfilado},
    {"euFdPdS",          &TEstadoBrovel::Fps,   [](const TEstadoBrovel& e) { return e.Tp == 1 || e.Tp == 2 || e.Tp == 4; }},
    {"euScsResultado",   &TEstadoBrovel::Scs,   kSiempre},
    {"euSrsResultado",   &TEstadoBrovel::Srs,   kSiempre},
    {"euFcmResultado",   &TEstadoBrovel::Fcm,   kSiempre},
    {"euLctResultado",   &TEstadoBrovel::Lct,   kPerfilado},
    {"euFpsResultado",   &TEstadoBrovel::Fps,   [](const TEstadoBrovel& e) { return e.Tp == 0 || e.Tp == 3; }},
    {"euFeleEResultado", &TEstadoBrovel::Felle, kSiempre},
    {"euFpEResultado",   &TEstadoBrovel::Fp,    kSiempre},
    {"euFesEResultado",  &TEstadoBrovel::Fes,   kSiempre},
    {"euFtEResultado",   &TEstadoBrovel::Ft,    kSiempre},
    {"euFcmEResultado",  &TEstadoBrovel::Fcm,   kSiempre},
    {"euSupsEResultado", &TEstadoBrovel::Sups,  kSiempre},
    {"euScfEResultado",  &TEstadoBrovel::Scf,   kSiempre},
    {"euScsEResultado",  &TEstadoBrovel::Scs,   kSiempre},
    {"euSrsEResultado",  &TEstadoBrovel::Srs,   kSiempre},
    {"euShsEResultado",  &TEstadoBrovel::Shs,   kSiempre},
    {"euFpsEResultado",  &TEstadoBrovel::Fps,   kSiempre},
    {"euTeEResultado",   &TEstadoBrovel::TeE,   kSiempre},
    {"euPsEResultado",   &TEstadoBrovel::PsE,   kSiempre},
    {"euFpsbEResultado", &TEstadoBrovel::Fpsb,  kPerfilado},
    {"euFpsetEResultado",&TEstadoBrovel::Fpset, kPerfilado},
    {"euFpsedEResultado",&TEstadoBrovel::Fpsed, kPerfilado},
};
// clang-format on

// What a field shows for a number in its base unit.
std::string Mostrado(const TCantidad& campo, double valor) {
    return RenderizarCampo(valor, campo.DecimalPlaces, kSciMinVentana, kSciMaxVentana);
}

}  // namespace

TEST(CamposBrovel, LaFormaTieneUnCampoPorFilaDeLaTabla) {
    TInterlocutorDePrueba persona;
    TFormaBrovel forma(persona);
    std::set<std::string> nombres;
    for (const TDefinicionCampo& d : CamposBrovel()) {
        EXPECT_TRUE(nombres.insert(std::string(d.nombre)).second) << "repetido: " << d.nombre;
        EXPECT_NO_THROW(forma.Campo(d.nombre)) << d.nombre;
    }
    int miembros = 0;
#define BROVEL_CONTAR(nombre) ++miembros;
    BROVEL_CAMPOS_LADERA(BROVEL_CONTAR)
#undef BROVEL_CONTAR
    EXPECT_EQ(miembros, static_cast<int>(nombres.size()));
    for (const char* resultado : {"euFesResultado", "euFcss", "euFdPdS", "euPsEResultado"})
        EXPECT_EQ(CampoBrovel(resultado).clase, TClaseCampo::Resultado) << resultado;
}

// A new project starts every input from the table's default column, in the unit
// and with the decimals the table gives.
TEST(CamposBrovel, UnProyectoNuevoTomaLosValoresDeLaTabla) {
    TInterlocutorDePrueba persona;
    TFormaBrovel forma(persona);
    for (const TDefinicionCampo& d : CamposBrovel()) {
        if (d.clase == TClaseCampo::Resultado || std::isnan(static_cast<double>(d.porDefecto))) continue;
        TCantidad& campo = forma.Campo(d.nombre);
        EXPECT_EQ(campo.Text(), Mostrado(campo, static_cast<double>(d.porDefecto))) << d.nombre;
        EXPECT_EQ(campo.DecimalPlaces, d.decimales) << d.nombre;
        EXPECT_EQ(campo.CurrentUnit(), 0) << d.nombre;
        EXPECT_EQ(campo.Units(), UnidadesDe(d)) << d.nombre;
    }
    EXPECT_TRUE(persona.errores.empty());
}

TEST(CamposBrovel, CadaResultadoMuestraSuMiembro) {
    for (const TConjuntoDeOpciones& conjunto : kConjuntos) {
        TInterlocutorDePrueba persona;
        TFormaBrovel forma(persona);
        conjunto.elegir(forma);
        forma.MostrarPestana(TPestanaBrovel::Erosion);
        const TEstadoBrovel& e = forma.Estado;
        for (const TResultado& r : kResultados) {
            if (!r.escrito(e)) continue;
            const TCantidad& campo = forma.Campo(r.campo);
            EXPECT_EQ(campo.Text(), Mostrado(campo, e.*r.miembro)) << conjunto.nombre << ": " << r.campo;
        }
        EXPECT_TRUE(persona.errores.empty()) << conjunto.nombre;
    }
}

namespace {

struct TEntrada {
    const char* campo;
    double TEstadoBrovel::*miembro;
    int conjunto;  // the option set under which the chain reads the field
};

// clang-format off
const TEntrada kEntradas[] = {
    {"euDt",    &TEstadoBrovel::Dt,    0}, {"euLt",    &TEstadoBrovel::Lt,    0},
    {"euDm",    &TEstadoBrovel::Dm,    1},
    // Rising numbers keep the texture acceptable: silt below modified silt, sand below it.
    {"euPl",    &TEstadoBrovel::Pl,    2}, {"euPa",    &TEstadoBrovel::Pa,    2},
    {"euPlm",   &TEstadoBrovel::Plm,   2}, {"euPmo",   &TEstadoBrovel::Pmo,   2},
    {"euShs",   &TEstadoBrovel::Shs,   0}, {"euBvs",   &TEstadoBrovel::Bvs,   0}, {"euBrvs", &TEstadoBrovel::Brvs, 0},
    {"euPth",   &TEstadoBrovel::Pth,   0}, {"euPths",  &TEstadoBrovel::Pth,   1}, {"euCta",  &TEstadoBrovel::Cta,  0},
    {"euEt",    &TEstadoBrovel::Et,    2}, {"euMi30m", &TEstadoBrovel::Mi30m, 2},
    {"euFele",  &TEstadoBrovel::Felle, 3},
    {"euPth2",  &TEstadoBrovel::Pth2,  1}, {"euCe",    &TEstadoBrovel::Ce,    0},
    {"euPth3",  &TEstadoBrovel::Pth3,  0}, {"euVp",    &TEstadoBrovel::Vp,    1}, {"euCp",   &TEstadoBrovel::Cp,   1},
    {"euFatc",  &TEstadoBrovel::Fatc,  0}, {"euAmf",   &TEstadoBrovel::Amf,   0},
    {"euTtfo",  &TEstadoBrovel::Ttfo,  0}, {"euFapo",  &TEstadoBrovel::Fapo,  0},
    {"euRacmr", &TEstadoBrovel::Racmr, 0}, {"euPsrua", &TEstadoBrovel::Psrua, 0},
    {"euPs",    &TEstadoBrovel::Ps,    0}, {"euAl",    &TEstadoBrovel::Al,    0},
    {"euFps",   &TEstadoBrovel::Fps,   1},
    {"euEet",   &TEstadoBrovel::Eet,   2}, {"euPt",    &TEstadoBrovel::Pt,    2},
    {"euTfp",   &TEstadoBrovel::Tfp,   3}, {"euCtc",   &TEstadoBrovel::Ctc,   3}, {"euFliii", &TEstadoBrovel::Fliii, 3},
    {"euRast",  &TEstadoBrovel::Rast,  0}, {"euCmst",  &TEstadoBrovel::Cmst,  0}, {"euIrst", &TEstadoBrovel::Irst, 3},
};
// clang-format on

}  // namespace

// Every input of an option set gets its own number, so that a field read into
// another's member shows.
TEST(CamposBrovel, CadaEntradaLlegaASuMiembro) {
    for (int c = 0; c < static_cast<int>(std::size(kConjuntos)); ++c) {
        TInterlocutorDePrueba persona;
        TFormaBrovel forma(persona);
        kConjuntos[c].elegir(forma);
        std::map<std::string, double> valores;
        double valor = 1;
        for (const TEntrada& entrada : kEntradas) {
            if (entrada.conjunto != c) continue;
            valor += 0.125;
            // Within the field's range, which a number must be to reach the model.
            const double v = valor <= CampoBrovel(entrada.campo).maximo ? valor : std::fmod(valor, 1.0);
            valores[entrada.campo] = v;
            forma.Campo(entrada.campo).SetBaseValue(v);
        }
        forma.MostrarPestana(TPestanaBrovel::Erosion);
        ASSERT_FALSE(forma.RecalculoSuspendido) << kConjuntos[c].nombre << ": " << forma.TextoEstado();
        for (const TEntrada& entrada : kEntradas) {
            if (entrada.conjunto != c) continue;
            EXPECT_EQ(forma.Estado.*entrada.miembro, valores[entrada.campo])
                << kConjuntos[c].nombre << ": " << entrada.campo;
        }
    }
}

// Lists and counts reach the model as classes from 1, indices from 0, or counts.
TEST(CamposBrovel, ListasYCantidadesLleganAlModelo) {
    struct TCaso {
        int conjunto;
        L lista;
        int indice;
        int32_t TEstadoBrovel::*entero;
        uint8_t TEstadoBrovel::*opcion;
        int esperado;
    };
    const TCaso casos[] = {
        {2, L::cbCspe, 3, &TEstadoBrovel::Cspe, nullptr, 4}, {2, L::cbCspp, 4, &TEstadoBrovel::Cspp, nullptr, 5},
        {0, L::cbMde, 2, nullptr, &TEstadoBrovel::Mde, 2},   {0, L::cbCph, 11, &TEstadoBrovel::Cph, nullptr, 12},
        {1, L::cbCh, 4, &TEstadoBrovel::Ch, nullptr, 5},     {1, L::cbCph2, 6, &TEstadoBrovel::Cph2, nullptr, 7},
        {1, L::cbCph3, 2, &TEstadoBrovel::Cph3, nullptr, 3}, {0, L::cbCph4, 9, &TEstadoBrovel::Cph4, nullptr, 10},
        {3, L::cbTp, 3, nullptr, &TEstadoBrovel::Tp, 3},
    };
    for (const TCaso& caso : casos) {
        TInterlocutorDePrueba persona;
        TFormaBrovel forma(persona);
        kConjuntos[caso.conjunto].elegir(forma);
        forma.ElegirEnLista(caso.lista, caso.indice);
        forma.MostrarPestana(TPestanaBrovel::Erosion);
        const int real = caso.entero ? forma.Estado.*caso.entero : forma.Estado.*caso.opcion;
        EXPECT_EQ(real, caso.esperado) << NombreDe(caso.lista);
    }
}
