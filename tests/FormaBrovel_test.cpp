// The slope form on its own: how a new project starts, what each option, check
// box and practice shows, which inputs reach the model and which stay out of it,
// what each edit recalculates, the thaw message, and the faults the form keeps
// quiet or reports.
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "FormaDePrueba.h"
#include "fields/ListaUnidades.h"
#include "fields/Numeros.h"
#include "forms/CamposBrovel.h"

using namespace brovel;
using namespace brovel::pruebas;

// The tests and their helpers are this file's own.
namespace {

using G = TGrupoOpciones;
using L = TListaBrovel;
using TNombres = std::vector<std::string>;

TNombres operator+(TNombres a, const TNombres& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

double Valor(TCantidad& campo) { return static_cast<double>(campo.GetBaseValue()); }

// What a result field shows: the number rounded to the field's decimals.
double Redondeado(double valor, int decimales) {
    const double escala = std::pow(10.0, decimales);
    return std::round(valor * escala) / escala;
}

// Chooses a button as the user does: the group's handler runs even when the button
// is the one already chosen.
void Elegir(TFormaBrovel& f, G grupo, int boton) {
    if (f.Opcion(grupo) != boton) {
        f.ElegirOpcion(grupo, boton);
        return;
    }
    switch (grupo) {
        case G::Suelo: f.rbCrrClick(); break;
        case G::LluviaMedia: f.rbHrClick(); break;
        case G::LluviaExtrema: f.rbHdltClick(); break;
        case G::Evento: f.rbHdlt2Click(); break;
    }
}
void Elegir(TFormaBrovel& f, TOpcionSuelo opcion) { Elegir(f, G::Suelo, static_cast<int>(opcion)); }
void Elegir(TFormaBrovel& f, TOpcionLluviaMedia opcion) { Elegir(f, G::LluviaMedia, static_cast<int>(opcion)); }

// Sets a check box so that its handler runs, even when it already is in that state.
void Marcar(TFormaBrovel& f, TCasilla casilla, bool marcada) {
    if (f.Marcada(casilla) == marcada) f.Marcar(casilla, !marcada);
    f.Marcar(casilla, marcada);
}

// Those of `nombres` the form shows. A name no rule has spoken of comes back
// marked: a misspelt row fails, and so does a control a rule has let go of.
TNombres Mostrados(const TFormaBrovel& f, const TNombres& nombres) {
    TNombres mostrados;
    for (const std::string& nombre : nombres) {
        const auto visible = f.Visibilidad().find(nombre);
        if (visible == f.Visibilidad().end())
            mostrados.push_back("¿" + nombre + "?");
        else if (visible->second)
            mostrados.push_back(nombre);
    }
    return mostrados;
}

// The controls of each option and practice.
const TNombres kCurva = {"euCpcg", "cbPcg", "euDg", "euPp", "Button1"};
const TNombres kTextura = {"cbCspe", "euPl", "euPlm", "euPa", "euPmo", "cbCspp"};
const TNombres kHietogramaRepresentativo = {"euPth", "cbCph", "pHr"};
const TNombres kSerie = {"euPths", "cbCh", "cbCph2", "pSh"};
const TNombres kEnergia = {"euEt", "euMi30m"};
const TNombres kTormenta = {"euPth2", "cbCph3", "pHt2", "btUsarZumbrel"};
const TNombres kEvento = {"euPth3", "cbCph4", "pHt3", "btUsarZumbrel2"};
const TNombres kPerfilado = {"euPs",
                             "euAl",
                             "euFpsb",
                             "euFpset",
                             "euFpsed",
                             "euCmst",
                             "euFpsbEResultado",
                             "euFpsetEResultado",
                             "euFpsedEResultado"};
const TNombres kFranjas = {"euFps"};
const TNombres kTerrazas = {"euEet", "euPt"};
const TNombres kPastoreo = {"euTfp", "euCtc", "euFliii", "euIrst"};

// Start-up.

class FormaBrovelArranque : public FormaBrovelPrueba {};

TEST_F(FormaBrovelArranque, EmpiezaSinNombreEnGeometriaYSinErrores) {
    EXPECT_EQ(forma.Titulo(), "Brovel - Sin Nombre");
    EXPECT_EQ(forma.PestanaActual(), TPestanaBrovel::Geometria);
    EXPECT_EQ(forma.TextoEstado(), kMensajeOk);
    EXPECT_FALSE(forma.EstadoEnError());
    EXPECT_FALSE(forma.RecalculoSuspendido);
    EXPECT_FALSE(forma.ErrorRango);
    EXPECT_FALSE(forma.FaltaVerificar);
    EXPECT_FALSE(forma.ErrorLimos);
    EXPECT_FALSE(forma.ErrorArena);
    EXPECT_FALSE(forma.FaltaZumbrel);
    EXPECT_EQ(persona.errores, TNombres{});
    EXPECT_EQ(persona.dialogos, TNombres{});
}

TEST_F(FormaBrovelArranque, LaPestanaErosionMuestraElProyectoPorDefecto) {
    forma.MostrarPestana(TPestanaBrovel::Erosion);
    EXPECT_TRUE(Cerca(e.TeE, 9.3505053052130279));
    EXPECT_TRUE(Cerca(e.PsE, 125.41806829029869));
    EXPECT_TRUE(Cerca(e.Fps, 0.8718327105474365));
    EXPECT_EQ(Valor(forma.euTeEResultado), Redondeado(e.TeE, 5));
    EXPECT_EQ(forma.euTeEResultado.Text(), "9.35051");
    EXPECT_EQ(Valor(forma.euPsEResultado), Redondeado(e.PsE, 3));
    EXPECT_EQ(Valor(forma.euFpsEResultado), Redondeado(e.Fps, 3));
    EXPECT_EQ(Valor(forma.euFesEResultado), Redondeado(e.Fes, 3));
    EXPECT_EQ(Valor(forma.euFtEResultado), Redondeado(e.Ft, 3));
    EXPECT_EQ(Valor(forma.euFcmEResultado), Redondeado(e.Fcm, 3));
    EXPECT_EQ(persona.errores, TNombres{});
}

// The fields.

class FormaBrovelCampos : public FormaBrovelPrueba {};

// Every field of the table: units that read, a base unit first, a default inside
// its own range, and a quantity of that name in the form.
TEST_F(FormaBrovelCampos, LaTablaDeCamposEsCoherente) {
    for (const TDefinicionCampo& d : CamposBrovel()) {
        const std::string nombre(d.nombre);
        SCOPED_TRACE(nombre);
        const std::vector<TUnidad> unidades = LeerUnidades(UnidadesDe(d));
        ASSERT_FALSE(unidades.empty());
        EXPECT_TRUE(unidades.front().factor == 1 && unidades.front().desplazamiento == 0);
        for (const TUnidad& u : unidades) EXPECT_TRUE(u.factor > 0 && u.desplazamiento == 0 && !u.nombre.empty());
        if (!std::isnan(static_cast<double>(d.porDefecto)) && d.clase == TClaseCampo::Entrada) {
            EXPECT_LE(d.minimo, d.porDefecto);
            EXPECT_LE(d.porDefecto, d.maximo);
        }
        EXPECT_NO_THROW(forma.Campo(nombre));
    }
}

// A unit shows the same quantity: 55 mm/h is 5.5 cm/h, 52 cm are 0.52 m.
struct TCasoUnidad {
    const char* nombre;
    const char* campo;
    int unidad;
    double mostrado;
};

void PrintTo(const TCasoUnidad& caso, std::ostream* os) { *os << caso.nombre; }

class FormaBrovelUnidades : public FormaBrovelPrueba, public ::testing::WithParamInterface<TCasoUnidad> {};

TEST_P(FormaBrovelUnidades, ConviertenBien) {
    const TCasoUnidad& caso = GetParam();
    TCantidad& campo = forma.Campo(caso.campo);
    campo.CambiarUnidad(caso.unidad);
    EXPECT_NEAR(static_cast<double>(campo.AsFloat()), Redondeado(caso.mostrado, campo.DecimalPlaces), 1e-12)
        << campo.Text();
}

INSTANTIATE_TEST_SUITE_P(, FormaBrovelUnidades,
                         ::testing::Values(TCasoUnidad{"euMi30m_en_cm_h", "euMi30m", 1, 5.5},
                                           TCasoUnidad{"euMi30m_en_m_h", "euMi30m", 2, 0.055},
                                           TCasoUnidad{"euAmf_en_m", "euAmf", 2, 0.52},
                                           TCasoUnidad{"euAl_en_m", "euAl", 2, 0.06},
                                           TCasoUnidad{"euAl_en_mm", "euAl", 1, 60.0},
                                           TCasoUnidad{"euRast_en_m", "euRast", 2, 0.02},
                                           TCasoUnidad{"euFatc_en_porcentaje", "euFatc", 1, 80.0},
                                           TCasoUnidad{"euPth_en_hrs", "euPth", 2, 10.0 / 60}),
                         NombreDeCaso<TCasoUnidad>);

// From 1E+4 up a field shows four significant digits, and the model takes what it shows.
TEST_F(FormaBrovelCampos, UnNumeroGrandeSeLeeComoSeMuestra) {
    Elegir(forma, TOpcionLluviaMedia::Erosividad);
    forma.euFele.SetBaseValue(12345);
    EXPECT_EQ(forma.euFele.Text(), "1.235E+4");
    EXPECT_EQ(e.Felle, 12350.0);
}

// What each option shows, and the code it gives the model.

struct TCasoOpcion {
    const char* nombre;
    G grupo;
    int boton;
    TNombres mostrados;
    TNombres ocultos;
    uint8_t TEstadoBrovel::*codigo;
};

void PrintTo(const TCasoOpcion& caso, std::ostream* os) { *os << caso.nombre; }

class FormaBrovelOpciones : public FormaBrovelPrueba, public ::testing::WithParamInterface<TCasoOpcion> {};

TEST_P(FormaBrovelOpciones, CadaOpcionMuestraLoSuyoYFijaSuCodigo) {
    const TCasoOpcion& caso = GetParam();
    Elegir(forma, caso.grupo, caso.boton);
    EXPECT_EQ(forma.Opcion(caso.grupo), caso.boton);
    EXPECT_EQ(Mostrados(forma, caso.mostrados), caso.mostrados);
    EXPECT_EQ(Mostrados(forma, caso.ocultos), TNombres{});
    EXPECT_EQ(int(e.*caso.codigo), caso.boton);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(, FormaBrovelOpciones, ::testing::Values(
    TCasoOpcion{"curva", G::Suelo, 0,
                kCurva + TNombres{"euDMResultado"}, kTextura + TNombres{"euDm"}, &TEstadoBrovel::OpcionSuelo},
    TCasoOpcion{"diametroMedio", G::Suelo, 1,
                {"euDm"}, kCurva + kTextura + TNombres{"euDMResultado"}, &TEstadoBrovel::OpcionSuelo},
    TCasoOpcion{"claseYTextura", G::Suelo, 2,
                kTextura, kCurva + TNombres{"euDm", "euDMResultado"}, &TEstadoBrovel::OpcionSuelo},
    TCasoOpcion{"hietogramaRepresentativo", G::LluviaMedia, 0,
                kHietogramaRepresentativo + TNombres{"euCta", "euFdeResultado"},
                kSerie + kEnergia + TNombres{"euFele"}, &TEstadoBrovel::OpcionLluviaMedia},
    TCasoOpcion{"serieDeHietogramas", G::LluviaMedia, 1,
                kSerie + TNombres{"euCta", "euFdeResultado"},
                kHietogramaRepresentativo + kEnergia + TNombres{"euFele"}, &TEstadoBrovel::OpcionLluviaMedia},
    TCasoOpcion{"parametrosDeLaEnergia", G::LluviaMedia, 2,
                kEnergia + TNombres{"euCta", "euFdeResultado"},
                kHietogramaRepresentativo + kSerie + TNombres{"euFele"}, &TEstadoBrovel::OpcionLluviaMedia},
    TCasoOpcion{"erosividadDada", G::LluviaMedia, 3,
                {"euFele"}, kHietogramaRepresentativo + kSerie + kEnergia + TNombres{"euCta", "euFdeResultado"},
                &TEstadoBrovel::OpcionLluviaMedia},
    TCasoOpcion{"hietogramaDeLaTormenta", G::LluviaExtrema, 0,
                kTormenta + TNombres{"euCEResultado"}, {"euCe"}, &TEstadoBrovel::OpcionLluviaExtrema},
    TCasoOpcion{"escorrentiaDada", G::LluviaExtrema, 1,
                {"euCe"}, kTormenta + TNombres{"euCEResultado"}, &TEstadoBrovel::OpcionLluviaExtrema},
    TCasoOpcion{"hietogramaDelEvento", G::Evento, 0, kEvento, {"euVp", "euCp"}, &TEstadoBrovel::OpcionEvento},
    TCasoOpcion{"parametrosDelEvento", G::Evento, 1, {"euVp", "euCp"}, kEvento, &TEstadoBrovel::OpcionEvento}),
    NombreDeCaso<TCasoOpcion>);
// clang-format on

// What the check boxes of Condicionantes show.

struct TCasoCasilla {
    const char* nombre;
    TCasilla casilla;
    bool marcada;
    TNombres mostrados;
    TNombres ocultos;
};

void PrintTo(const TCasoCasilla& caso, std::ostream* os) { *os << caso.nombre; }

class FormaBrovelCasillas : public FormaBrovelPrueba, public ::testing::WithParamInterface<TCasoCasilla> {};

TEST_P(FormaBrovelCasillas, CadaCasillaMuestraLoSuyo) {
    const TCasoCasilla& caso = GetParam();
    Marcar(forma, caso.casilla, caso.marcada);
    EXPECT_EQ(forma.Marcada(caso.casilla), caso.marcada);
    EXPECT_EQ(Mostrados(forma, caso.mostrados), caso.mostrados);
    EXPECT_EQ(Mostrados(forma, caso.ocultos), TNombres{});
}

const TNombres kLabranza = {"euTtfo", "euFcss"};
const TNombres kMulching = {"euRacmr", "euPsrua", "cbMde"};
const TNombres kPracticas = TNombres{"cbTp"} + kFranjas + kTerrazas + kPastoreo + kPerfilado;

// clang-format off
INSTANTIATE_TEST_SUITE_P(, FormaBrovelCasillas, ::testing::Values(
    TCasoCasilla{"conLabranza", TCasilla::Labranza, true, kLabranza, {}},
    TCasoCasilla{"sinLabranza", TCasilla::Labranza, false, {}, kLabranza},
    TCasoCasilla{"conMulching", TCasilla::Mulching, true, kMulching, {}},
    TCasoCasilla{"sinMulching", TCasilla::Mulching, false, {}, kMulching},
    TCasoCasilla{"conPracticas", TCasilla::PracticasDeSoporte, true, TNombres{"cbTp"} + kPerfilado,
                 kFranjas + kTerrazas + kPastoreo + TNombres{"euFdPdS"}},
    TCasoCasilla{"sinPracticas", TCasilla::PracticasDeSoporte, false, {"euFdPdS"}, kPracticas}),
    NombreDeCaso<TCasoCasilla>);
// clang-format on

// Each practice: its code, the controls it shows once Disipación has been
// recalculated (the critical length and P follow that tab), and the factors it
// shows beside the model's numbers.

struct TResultadoMostrado {
    const char* campo;
    double TEstadoBrovel::*miembro;
};

struct TCasoPractica {
    const char* nombre;
    int tipo;
    TNombres mostrados;
    TNombres ocultos;
    std::vector<TResultadoMostrado> resultados;
};

void PrintTo(const TCasoPractica& caso, std::ostream* os) { *os << caso.nombre; }

class FormaBrovelPracticas : public FormaBrovelPrueba, public ::testing::WithParamInterface<TCasoPractica> {};

TEST_P(FormaBrovelPracticas, CadaPracticaMuestraLoSuyo) {
    const TCasoPractica& caso = GetParam();
    forma.ElegirEnLista(L::cbTp, caso.tipo);
    EXPECT_EQ(int(e.Tp), caso.tipo);
    forma.MostrarPestana(TPestanaBrovel::Disipacion);
    EXPECT_EQ(Mostrados(forma, caso.mostrados), caso.mostrados);
    EXPECT_EQ(Mostrados(forma, caso.ocultos), TNombres{});
    for (const TResultadoMostrado& r : caso.resultados) {
        TCantidad& campo = forma.Campo(r.campo);
        EXPECT_NE(e.*r.miembro, 0.0) << r.campo;
        EXPECT_EQ(Valor(campo), Redondeado(e.*r.miembro, campo.DecimalPlaces)) << r.campo;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(, FormaBrovelPracticas, ::testing::Values(
    TCasoPractica{"perfilado", 0, kPerfilado + TNombres{"euLctResultado", "euFpsResultado"},
                  kFranjas + kTerrazas + kPastoreo + TNombres{"euFdPdS"},
                  {{"euFpsb", &TEstadoBrovel::Fpsb}, {"euFpset", &TEstadoBrovel::Fpset},
                   {"euFpsed", &TEstadoBrovel::Fpsed}, {"euLctResultado", &TEstadoBrovel::Lct},
                   {"euFpsResultado", &TEstadoBrovel::Fps}}},
    TCasoPractica{"cultivoEnFranjas", 1, kFranjas + TNombres{"euFdPdS"},
                  kPerfilado + kTerrazas + kPastoreo + TNombres{"euLctResultado", "euFpsResultado"},
                  {{"euFdPdS", &TEstadoBrovel::Fps}}},
    TCasoPractica{"aterrazamiento", 2, kTerrazas + TNombres{"euFdPdS"},
                  kPerfilado + kFranjas + kPastoreo + TNombres{"euLctResultado", "euFpsResultado"},
                  {{"euFdPdS", &TEstadoBrovel::Fps}}},
    TCasoPractica{"camposDePastoreo", 3, kPastoreo + TNombres{"euFpsResultado"},
                  kPerfilado + kFranjas + kTerrazas + TNombres{"euFdPdS", "euLctResultado"},
                  {{"euFpsResultado", &TEstadoBrovel::Fps}}}),
    NombreDeCaso<TCasoPractica>);
// clang-format on

class FormaBrovelSinPracticas : public FormaBrovelPrueba {};

TEST_F(FormaBrovelSinPracticas, ElFactorDePracticaEsUno) {
    forma.Marcar(TCasilla::PracticasDeSoporte, false);
    EXPECT_EQ(int(e.Tp), 4);
    EXPECT_EQ(e.Fps, 1.0);
    EXPECT_TRUE(forma.Mostrado("euFdPdS"));
    EXPECT_EQ(Valor(forma.euFdPdS), 1.0);
    forma.MostrarPestana(TPestanaBrovel::Erosion);
    EXPECT_EQ(int(e.Tp), 4);
    EXPECT_EQ(Valor(forma.euFpsEResultado), 1.0);
    EXPECT_EQ(e.Fps, 1.0);
}

// Hidden inputs keep their numbers, in the field and in the model.

class FormaBrovelEntradasOcultas : public FormaBrovelPrueba {};

TEST_F(FormaBrovelEntradasOcultas, LaTexturaVuelveConLaOpcion) {
    Elegir(forma, TOpcionSuelo::ClaseYTextura);
    // The classes a new project chooses: fine grain, moderately rapid.
    EXPECT_EQ(e.Cspe, 2);
    EXPECT_EQ(e.Cspp, 2);
    forma.ElegirEnLista(L::cbCspe, 3);
    forma.ElegirEnLista(L::cbCspp, 4);
    forma.euPl.SetBaseValue(40);
    forma.euPlm.SetBaseValue(70);
    forma.euPa.SetBaseValue(20);
    forma.euPmo.SetBaseValue(3);
    EXPECT_EQ(forma.TextoEstado(), kMensajeOk);
    const auto texturaEnElModelo = [&](const char* paso) {
        SCOPED_TRACE(paso);
        EXPECT_EQ(e.Cspe, 4);
        EXPECT_EQ(e.Cspp, 5);
        EXPECT_EQ(e.Pl, 40.0);
        EXPECT_EQ(e.Plm, 70.0);
        EXPECT_EQ(e.Pa, 20.0);
        EXPECT_EQ(e.Pmo, 3.0);
    };
    texturaEnElModelo("con textura");
    const double fesConTextura = e.Fes;

    Elegir(forma, TOpcionSuelo::Curva);
    EXPECT_EQ(int(e.OpcionSuelo), 0);
    EXPECT_NE(e.Fes, fesConTextura);
    texturaEnElModelo("con la curva");

    Elegir(forma, TOpcionSuelo::ClaseYTextura);
    EXPECT_EQ(int(e.OpcionSuelo), 2);
    texturaEnElModelo("otra vez con textura");
    EXPECT_EQ(Valor(forma.euPl), 40.0);
    EXPECT_EQ(forma.Lista(L::cbCspp).indice, 4);
    EXPECT_EQ(e.Fes, fesConTextura);
}

TEST_F(FormaBrovelEntradasOcultas, NoLleganAlModelo) {
    Elegir(forma, TOpcionSuelo::ClaseYTextura);
    forma.euPmo.SetBaseValue(3);
    Elegir(forma, TOpcionSuelo::Curva);
    forma.euPmo.SetBaseValue(4);
    EXPECT_EQ(e.Pmo, 3.0);
    Elegir(forma, TOpcionSuelo::ClaseYTextura);
    EXPECT_EQ(e.Pmo, 4.0);
}

TEST_F(FormaBrovelEntradasOcultas, SinLabranzaSeConservaElTiempo) {
    forma.euTtfo.SetBaseValue(3);
    EXPECT_EQ(e.Ttfo, 3.0);
    const double fcss = e.Fcss;

    Marcar(forma, TCasilla::Labranza, false);
    EXPECT_FALSE(e.Hl);
    EXPECT_EQ(e.Ttfo, 3.0);
    EXPECT_EQ(Valor(forma.euTtfo), 3.0);

    Marcar(forma, TCasilla::Labranza, true);
    EXPECT_TRUE(e.Hl);
    EXPECT_EQ(e.Ttfo, 3.0);
    EXPECT_EQ(e.Fcss, fcss);
    EXPECT_EQ(Valor(forma.euFcss), Redondeado(fcss, 3));
}

// The chain.

class FormaBrovelCadena : public FormaBrovelPrueba {};

TEST_F(FormaBrovelCadena, LaLongitudSoloRecalculaLaGeometria) {
    forma.MostrarPestana(TPestanaBrovel::Condicionantes);
    const double ft = e.Ft;
    forma.euLt.SetBaseValue(100);
    EXPECT_EQ(e.Lt, 100.0);
    EXPECT_EQ(e.Ft, ft);
    forma.MostrarPestana(TPestanaBrovel::Disipacion);
    EXPECT_NE(e.Ft, ft);
    EXPECT_EQ(Valor(forma.euFtResultado), Redondeado(e.Ft, 3));
}

// Thaw.

struct TCasoDescongelamiento {
    const char* nombre;
    bool descongelamiento;
    double longitud;
    bool mensaje;
};

void PrintTo(const TCasoDescongelamiento& caso, std::ostream* os) { *os << caso.nombre; }

class FormaBrovelDescongelamiento : public FormaBrovelPrueba,
                                    public ::testing::WithParamInterface<TCasoDescongelamiento> {};

TEST_P(FormaBrovelDescongelamiento, SoloUnBrovelCortoConDescongelamientoTieneMensaje) {
    const TCasoDescongelamiento& caso = GetParam();
    forma.euLt.SetBaseValue(caso.longitud);
    Marcar(forma, TCasilla::Descongelamiento, caso.descongelamiento);
    forma.MostrarPestana(TPestanaBrovel::Suelo);
    EXPECT_EQ(forma.MensajesSuelo(), caso.mensaje ? TNombres{std::string(kMensajeSinExpresionLS)} : TNombres{});
}

INSTANTIATE_TEST_SUITE_P(, FormaBrovelDescongelamiento,
                         ::testing::Values(TCasoDescongelamiento{"de3mConDescongelamiento", true, 3.0, true},
                                           TCasoDescongelamiento{"de4_5mConDescongelamiento", true, 4.5, true},
                                           TCasoDescongelamiento{"de5mConDescongelamiento", true, 5.0, false},
                                           TCasoDescongelamiento{"de3mSinDescongelamiento", false, 3.0, false}),
                         NombreDeCaso<TCasoDescongelamiento>);

TEST_F(FormaBrovelCadena, AlargarElBrovelQuitaElMensajeDeDescongelamiento) {
    forma.Marcar(TCasilla::Descongelamiento, true);
    forma.euLt.SetBaseValue(3);
    forma.MostrarPestana(TPestanaBrovel::Suelo);
    EXPECT_EQ(forma.MensajesSuelo(), TNombres{std::string(kMensajeSinExpresionLS)});
    forma.euLt.SetBaseValue(5);
    forma.MostrarPestana(TPestanaBrovel::Forzantes);
    EXPECT_EQ(forma.MensajesSuelo(), TNombres{});
}

// Faults.

class FormaBrovelFallos : public FormaBrovelPrueba {};

TEST_F(FormaBrovelFallos, MulchingSinRugosidadConservaLosResultados) {
    ASSERT_TRUE(forma.Marcada(TCasilla::Mulching));
    forma.MostrarPestana(TPestanaBrovel::Erosion);
    const TEstadoBrovel antes = e;
    forma.euRast.SetBaseValue(0);
    EXPECT_EQ(e.Rast, 0.0);
    forma.MostrarPestana(TPestanaBrovel::Erosion);
    EXPECT_EQ(e.Scs, antes.Scs);
    EXPECT_EQ(e.Srs, antes.Srs);
    EXPECT_EQ(e.Fcm, antes.Fcm);
    EXPECT_EQ(e.Lct, antes.Lct);
    EXPECT_EQ(e.Fps, antes.Fps);
    EXPECT_EQ(e.TeE, antes.TeE);
    EXPECT_EQ(Valor(forma.euScsEResultado), Redondeado(antes.Scs, 3));
    EXPECT_EQ(persona.errores, TNombres{});
    EXPECT_EQ(persona.dialogos, TNombres{});
}

// Written from code, a text that is not a number is kept and the failed reading
// goes to the caller; the next recalculation that reads it reports it once and
// leaves the model as it was.
TEST_F(FormaBrovelFallos, UnTextoQueNoEsNumeroSeInformaYSigue) {
    forma.MostrarPestana(TPestanaBrovel::Erosion);
    const double teE = e.TeE;
    forma.MostrarPestana(TPestanaBrovel::Disipacion);

    EXPECT_THROW(forma.euLt.SetText("1.2.3"), ErrorDeConversion);
    EXPECT_EQ(forma.euLt.Text(), "1.2.3");
    EXPECT_EQ(persona.errores, TNombres{});

    forma.MostrarPestana(TPestanaBrovel::Erosion);
    EXPECT_EQ(persona.errores, TNombres{"'1.2.3' is not a valid floating point value"});
    EXPECT_EQ(e.Lt, 60.0);
    EXPECT_EQ(e.TeE, teE);

    forma.euLt.SetText("80");
    EXPECT_EQ(e.Lt, 80.0);
    forma.MostrarPestana(TPestanaBrovel::Erosion);
    EXPECT_NE(e.TeE, teE);
    EXPECT_EQ(persona.errores.size(), 1u);
}

// Typed, the text stays as typed and the typist hears of it; the next number goes on.
TEST_F(FormaBrovelFallos, UnTextoEscritoQueNoEsNumeroVaAQuienEscribe) {
    try {
        forma.euDt.TextoEditado("1.2.3");
        ADD_FAILURE() << "se esperaba un error de conversión";
    } catch (const ErrorDeConversion& error) {
        EXPECT_STREQ(error.what(), "'1.2.3' is not a valid floating point value");
    }
    EXPECT_EQ(forma.euDt.Text(), "1.2.3");
    forma.euDt.TextoEditado("8");
    EXPECT_EQ(e.Dt, 8.0);
    EXPECT_EQ(persona.errores, TNombres{});
}

}  // namespace
