// The slope form's editors: the grain-size curve, the texture limits and the
// hyetograph steps, with the soil-data checks and the status text they lead to,
// and the mark that asks for the runoff module again.
#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "FormaDePrueba.h"

using namespace brovel;
using namespace brovel::pruebas;

// The tests and their helpers are this file's own.
namespace {

using G = TGrupoOpciones;
using L = TListaBrovel;

double Valor(TCantidad& campo) { return static_cast<double>(campo.GetBaseValue()); }

// What a result field shows: the number rounded to the field's decimals.
double Redondeado(double valor, int decimales) {
    const double escala = std::pow(10.0, decimales);
    return std::round(valor * escala) / escala;
}

// Picks a point of the curve as the user does.
void ElegirPunto(TFormaBrovel& f, int punto) { f.ElegirEnLista(L::cbPcg, punto - 1); }

// Chooses a button as the user does: the group's handler runs even when the button
// is the one already chosen.
void Elegir(TFormaBrovel& f, TOpcionSuelo opcion) {
    const int boton = static_cast<int>(opcion);
    if (f.Opcion(G::Suelo) == boton)
        f.rbCrrClick();
    else
        f.ElegirOpcion(G::Suelo, boton);
}

std::vector<std::string> Entradas(const TLista& lista) { return lista.items; }

std::vector<std::string> Numeros(int desde, int hasta) {
    std::vector<std::string> numeros;
    for (int i = desde; i <= hasta; ++i) numeros.push_back(std::to_string(i));
    return numeros;
}

// The curve of a new project.
const double kDiametros[] = {4.76, 2.0, 0.42, 0.25, 0.15, 0.07, 0.05, 0.005, 0.0005};
const double kPasantes[] = {100, 100, 99, 98, 84.8, 64.5, 43, 12.5, 1};

// The grain-size curve.

class FormaBrovelCurva : public FormaBrovelPrueba {};

// An edit that breaks the order of the curve stops the chain until it is undone.
struct TCasoOrden {
    const char* nombre;
    const char* campo;
    int punto;
    double valor;
    bool error;
};

void PrintTo(const TCasoOrden& caso, std::ostream* os) { *os << caso.nombre; }

class FormaBrovelOrdenDeLaCurva : public FormaBrovelPrueba, public ::testing::WithParamInterface<TCasoOrden> {};

TEST_P(FormaBrovelOrdenDeLaCurva, UnaCurvaQueCreceDetieneElCalculo) {
    const TCasoOrden& caso = GetParam();
    forma.MostrarPestana(TPestanaBrovel::Erosion);
    const double teE = e.TeE;
    const std::string textoTeE = forma.euTeEResultado.Text();

    ElegirPunto(forma, caso.punto);
    TCantidad& editor = forma.Campo(caso.campo);
    const double original = Valor(editor);
    editor.SetBaseValue(caso.valor);
    EXPECT_EQ(forma.TextoEstado(), caso.error ? kMensajeNoDecreciente : kMensajeOk);
    EXPECT_EQ(forma.EstadoEnError(), caso.error);
    EXPECT_EQ(forma.RecalculoSuspendido, caso.error);
    EXPECT_EQ(forma.ErrorRango, caso.error);
    EXPECT_FALSE(forma.FaltaVerificar);

    if (caso.error) {
        forma.MostrarPestana(TPestanaBrovel::Erosion);
        EXPECT_EQ(e.TeE, teE);
        EXPECT_EQ(forma.euTeEResultado.Text(), textoTeE);
    }

    editor.SetBaseValue(original);
    EXPECT_EQ(forma.TextoEstado(), kMensajeOk);
    EXPECT_FALSE(forma.RecalculoSuspendido);
    forma.MostrarPestana(TPestanaBrovel::Erosion);
    EXPECT_TRUE(Cerca(e.TeE, teE));
}

INSTANTIATE_TEST_SUITE_P(, FormaBrovelOrdenDeLaCurva,
                         ::testing::Values(TCasoOrden{"diametroMenorQueElSiguiente", "euDg", 2, 0.3, true},
                                           TCasoOrden{"diametroIgualAlSiguiente", "euDg", 2, 0.42, false},
                                           TCasoOrden{"diametroMayorQueElAnterior", "euDg", 3, 2.5, true},
                                           TCasoOrden{"diametroIgualAlAnterior", "euDg", 3, 2.0, false},
                                           TCasoOrden{"porcentajeMayorQueElAnterior", "euPp", 4, 99.5, true},
                                           TCasoOrden{"porcentajeIgualAlAnterior", "euPp", 4, 99.0, false},
                                           TCasoOrden{"porcentajeMenorQueElSiguiente", "euPp", 5, 60.0, true}),
                         NombreDeCaso<TCasoOrden>);

TEST_F(FormaBrovelCurva, ConErrorEnLosUltimosPuntosBajarLaCantidadNoLoResuelve) {
    ElegirPunto(forma, 7);
    forma.euDg.SetBaseValue(0.1);
    EXPECT_EQ(forma.TextoEstado(), kMensajeNoDecreciente);

    // The check runs on the count stored by the last complete recalculation.
    forma.euCpcg.SetBaseValue(5);
    EXPECT_EQ(forma.Lista(L::cbPcg).items.size(), 5u);
    EXPECT_EQ(e.Cpcg, 9);
    EXPECT_EQ(forma.TextoEstado(), kMensajeNoDecreciente);
    EXPECT_TRUE(forma.RecalculoSuspendido);

    forma.euCpcg.SetBaseValue(9);
    EXPECT_EQ(forma.Lista(L::cbPcg).items.size(), 9u);
    EXPECT_EQ(forma.TextoEstado(), kMensajeNoDecreciente);
    ElegirPunto(forma, 7);
    EXPECT_EQ(Valor(forma.euDg), 0.1);
    forma.euDg.SetBaseValue(0.06);
    EXPECT_EQ(forma.TextoEstado(), kMensajeOk);
    EXPECT_FALSE(forma.RecalculoSuspendido);
    EXPECT_EQ(e.Cpcg, 9);
}

TEST_F(FormaBrovelCurva, CambiarLaCantidadNoRefrescaElPunto) {
    ElegirPunto(forma, 3);
    forma.euCpcg.SetBaseValue(8);
    EXPECT_EQ(forma.Lista(L::cbPcg).items.size(), 8u);
    EXPECT_EQ(forma.Lista(L::cbPcg).Texto(), "1");
    EXPECT_EQ(Valor(forma.euDg), 0.42);
    EXPECT_EQ(Valor(forma.euPp), 99.0);
    EXPECT_EQ(e.Cpcg, 8);

    // The next edit goes to the point the selector shows.
    forma.euDg.SetBaseValue(5);
    EXPECT_EQ(e.Dg[1], 5.0);
    EXPECT_EQ(e.Dg[3], 0.42);
    EXPECT_EQ(forma.TextoEstado(), kMensajeOk);
}

class FormaBrovelPuntoDeLaCurva : public FormaBrovelPrueba, public ::testing::WithParamInterface<int> {};

TEST_P(FormaBrovelPuntoDeLaCurva, ElegirUnPuntoMuestraSusValores) {
    const int punto = GetParam();
    ElegirPunto(forma, 9 - punto + 1);
    ElegirPunto(forma, punto);
    EXPECT_EQ(forma.Lista(L::cbPcg).Texto(), std::to_string(punto));
    EXPECT_EQ(Valor(forma.euDg), kDiametros[punto - 1]);
    EXPECT_EQ(Valor(forma.euPp), kPasantes[punto - 1]);
    EXPECT_EQ(forma.TextoEstado(), kMensajeOk);
}

INSTANTIATE_TEST_SUITE_P(Punto, FormaBrovelPuntoDeLaCurva, ::testing::Range(1, 10));

// On the curve, the Suelo recalculation that follows every edit judges a lowered
// diameter at once.
TEST_F(FormaBrovelCurva, BajarUnDiametroSoloMarcaPorUnMomento) {
    ElegirPunto(forma, 5);
    forma.euDg.SetBaseValue(0.1);
    EXPECT_EQ(e.Dg[5], 0.1);
    EXPECT_FALSE(forma.FaltaVerificar);
    EXPECT_FALSE(forma.ErrorRango);
    EXPECT_FALSE(forma.RecalculoSuspendido);
    EXPECT_EQ(forma.TextoEstado(), kMensajeOk);
}

// Away from the curve option the mark stays, so it shows what the editor decided.
struct TCasoDiametro {
    const char* nombre;
    double diametro;
    bool pide;
};

void PrintTo(const TCasoDiametro& caso, std::ostream* os) { *os << caso.nombre; }

class FormaBrovelDiametroMenor : public FormaBrovelPrueba, public ::testing::WithParamInterface<TCasoDiametro> {};

TEST_P(FormaBrovelDiametroMenor, SoloUnDiametroMenorPideVerificar) {
    const TCasoDiametro& caso = GetParam();
    ElegirPunto(forma, 5);
    Elegir(forma, TOpcionSuelo::DiametroMedio);
    forma.euDg.SetBaseValue(caso.diametro);
    EXPECT_EQ(e.Dg[5], caso.diametro);
    EXPECT_EQ(forma.FaltaVerificar, caso.pide);
    EXPECT_EQ(forma.TextoEstado(), kMensajeOk);

    // Back on the curve, the Suelo recalculation checks it at once.
    Elegir(forma, TOpcionSuelo::Curva);
    EXPECT_FALSE(forma.FaltaVerificar);
    EXPECT_EQ(forma.TextoEstado(), kMensajeOk);
}

INSTANTIATE_TEST_SUITE_P(, FormaBrovelDiametroMenor,
                         ::testing::Values(TCasoDiametro{"menor", 0.1, true},
                                           TCasoDiametro{"apenasMenor", 0.14999, true},
                                           TCasoDiametro{"igual", 0.15, false}, TCasoDiametro{"mayor", 0.2, false}),
                         NombreDeCaso<TCasoDiametro>);

// The count of points is a whole number within the arrays; the list follows it.
struct TCasoCantidad {
    const char* nombre;
    double cantidad;
    double escrita;
    int puntos;
};

void PrintTo(const TCasoCantidad& caso, std::ostream* os) { *os << caso.nombre; }

class FormaBrovelCantidadDePuntos : public FormaBrovelPrueba, public ::testing::WithParamInterface<TCasoCantidad> {};

TEST_P(FormaBrovelCantidadDePuntos, SeTrunca) {
    const TCasoCantidad& caso = GetParam();
    forma.euCpcg.SetBaseValue(caso.cantidad);
    EXPECT_EQ(Valor(forma.euCpcg), caso.escrita);
    const TLista& lista = forma.Lista(L::cbPcg);
    EXPECT_EQ(Entradas(lista), Numeros(1, caso.puntos));
    EXPECT_EQ(lista.indice, caso.puntos > 0 ? 0 : -1);
    EXPECT_TRUE(e.Cpcg >= 0 && e.Cpcg <= 20) << e.Cpcg;
    EXPECT_EQ(persona.errores, std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(, FormaBrovelCantidadDePuntos,
                         ::testing::Values(TCasoCantidad{"de5_7", 5.7, 5.0, 5}, TCasoCantidad{"de12", 12.0, 12.0, 12},
                                           TCasoCantidad{"de25", 25.0, 25.0, 20}, TCasoCantidad{"de0", 0.0, 0.0, 0}),
                         NombreDeCaso<TCasoCantidad>);

// The status text: which mark speaks under which option, and which stop the chain.
struct TCasoEstado {
    const char* nombre;
    TOpcionSuelo opcion;
    bool faltaVerificar, errorRango, errorLimos, errorArena, faltaZumbrel;
    std::string_view mensaje;
    bool suspendido;
};

void PrintTo(const TCasoEstado& caso, std::ostream* os) { *os << caso.nombre; }

class FormaBrovelEstado : public FormaBrovelPrueba, public ::testing::WithParamInterface<TCasoEstado> {};

TEST_P(FormaBrovelEstado, ElTextoDeLasMarcas) {
    const TCasoEstado& caso = GetParam();
    Elegir(forma, caso.opcion);
    forma.FaltaVerificar = caso.faltaVerificar;
    forma.ErrorRango = caso.errorRango;
    forma.ErrorLimos = caso.errorLimos;
    forma.ErrorArena = caso.errorArena;
    forma.FaltaZumbrel = caso.faltaZumbrel;
    forma.ActualizarEstado();
    EXPECT_EQ(forma.TextoEstado(), caso.mensaje);
    EXPECT_EQ(forma.EstadoEnError(), caso.mensaje != kMensajeOk);
    EXPECT_EQ(forma.RecalculoSuspendido, caso.suspendido);
}

constexpr auto kCurva = TOpcionSuelo::Curva;
constexpr auto kTextura = TOpcionSuelo::ClaseYTextura;
constexpr auto kMedio = TOpcionSuelo::DiametroMedio;

// clang-format off
INSTANTIATE_TEST_SUITE_P(, FormaBrovelEstado, ::testing::Values(
    //          nombre                      opción    verif. rango  limos  arena  zumbr. mensaje                 suspendido
    TCasoEstado{"curvaSinMarcas",           kCurva,   false, false, false, false, false, kMensajeOk,             false},
    TCasoEstado{"curvaSinVerificar",        kCurva,   true,  false, false, false, false, kMensajeFaltaVerificar, true},
    TCasoEstado{"curvaNoDecreciente",       kCurva,   false, true,  false, false, false, kMensajeNoDecreciente,  true},
    TCasoEstado{"curvaSinVerificarPrimero", kCurva,   true,  true,  false, false, false, kMensajeFaltaVerificar, true},
    TCasoEstado{"curvaLaTexturaNoCuenta",   kCurva,   false, false, true,  true,  false, kMensajeOk,             false},
    TCasoEstado{"texturaArena",             kTextura, false, false, false, true,  false, kMensajeArena,          true},
    TCasoEstado{"texturaLimos",             kTextura, false, false, true,  false, false, kMensajeLimos,          true},
    TCasoEstado{"texturaArenaPrimero",      kTextura, false, false, true,  true,  false, kMensajeArena,          true},
    TCasoEstado{"texturaLaCurvaNoCuenta",   kTextura, true,  true,  false, false, false, kMensajeOk,             false},
    TCasoEstado{"diametroMedioNadaCuenta",  kMedio,   true,  true,  true,  true,  false, kMensajeOk,             false},
    TCasoEstado{"faltaZumbrel",             kCurva,   false, false, false, false, true,  kMensajeFaltaZumbrel,   false},
    TCasoEstado{"faltaZumbrelSobreUnError", kCurva,   false, true,  false, false, true,  kMensajeFaltaZumbrel,   true},
    TCasoEstado{"faltaZumbrelConTextura",   kTextura, false, false, true,  false, true,  kMensajeFaltaZumbrel,   true}),
    NombreDeCaso<TCasoEstado>);
// clang-format on

TEST_F(FormaBrovelCurva, VerificarDatosLevantaLaMarca) {
    forma.FaltaVerificar = true;
    forma.ActualizarEstado();
    EXPECT_EQ(forma.TextoEstado(), kMensajeFaltaVerificar);
    forma.Button1Click();
    EXPECT_FALSE(forma.FaltaVerificar);
    EXPECT_EQ(forma.TextoEstado(), kMensajeOk);
    EXPECT_FALSE(forma.RecalculoSuspendido);
}

// Texture.

struct TCasoTextura {
    const char* nombre;
    double limos;
    double arena;
    double limosModificado;
    std::string_view mensaje;
};

void PrintTo(const TCasoTextura& caso, std::ostream* os) { *os << caso.nombre; }

class FormaBrovelLimitesDeTextura : public FormaBrovelPrueba, public ::testing::WithParamInterface<TCasoTextura> {};

TEST_P(FormaBrovelLimitesDeTextura, ElLimoModificadoVaEntreLosLimosYLaArena) {
    const TCasoTextura& caso = GetParam();
    Elegir(forma, TOpcionSuelo::ClaseYTextura);
    forma.euPl.SetBaseValue(caso.limos);
    forma.euPa.SetBaseValue(caso.arena);
    forma.euPlm.SetBaseValue(caso.limosModificado);
    EXPECT_EQ(forma.TextoEstado(), caso.mensaje);
    EXPECT_EQ(forma.RecalculoSuspendido, caso.mensaje != kMensajeOk);
}

INSTANTIATE_TEST_SUITE_P(, FormaBrovelLimitesDeTextura,
                         ::testing::Values(TCasoTextura{"enOrden", 20.0, 30.0, 70.0, kMensajeOk},
                                           TCasoTextura{"iguales", 30.0, 30.0, 30.0, kMensajeOk},
                                           TCasoTextura{"modificadoBajoLaArena", 20.0, 30.0, 25.0, kMensajeArena},
                                           TCasoTextura{"modificadoBajoLaArenaYLosLimos", 20.0, 30.0, 15.0,
                                                        kMensajeArena},
                                           TCasoTextura{"modificadoBajoLosLimos", 60.0, 30.0, 50.0, kMensajeLimos}),
                         NombreDeCaso<TCasoTextura>);

struct TCasoCotas {
    const char* nombre;
    double limos;
    double minimoModificado;
    double maximoArena;
};

void PrintTo(const TCasoCotas& caso, std::ostream* os) { *os << caso.nombre; }

class FormaBrovelCotasDeTextura : public FormaBrovelPrueba, public ::testing::WithParamInterface<TCasoCotas> {};

TEST_P(FormaBrovelCotasDeTextura, LosLimosAcotanLosOtrosPorcentajes) {
    const TCasoCotas& caso = GetParam();
    Elegir(forma, TOpcionSuelo::ClaseYTextura);
    forma.euPl.SetBaseValue(caso.limos);
    EXPECT_EQ(double(forma.euPlm.BaseMin), caso.minimoModificado);
    EXPECT_EQ(double(forma.euPa.BaseMax), caso.maximoArena);
    EXPECT_TRUE(forma.euPlm.UseRange());
    EXPECT_TRUE(forma.euPa.UseRange());
}

INSTANTIATE_TEST_SUITE_P(, FormaBrovelCotasDeTextura,
                         ::testing::Values(TCasoCotas{"de40", 40.0, 40.0, 60.0}, TCasoCotas{"de12_5", 12.5, 12.5, 87.5},
                                           TCasoCotas{"de0", 0.0, 0.0, 100.0}),
                         NombreDeCaso<TCasoCotas>);

class FormaBrovelTextura : public FormaBrovelPrueba {};

TEST_F(FormaBrovelTextura, PasarALaCurvaLevantaElErrorDeTextura) {
    Elegir(forma, TOpcionSuelo::ClaseYTextura);
    forma.euPl.SetBaseValue(20);
    forma.euPlm.SetBaseValue(25);
    EXPECT_EQ(forma.TextoEstado(), kMensajeArena);
    EXPECT_TRUE(forma.RecalculoSuspendido);

    Elegir(forma, TOpcionSuelo::Curva);
    EXPECT_EQ(forma.TextoEstado(), kMensajeOk);
    EXPECT_FALSE(forma.EstadoEnError());
    EXPECT_FALSE(forma.RecalculoSuspendido);
    EXPECT_EQ(int(e.OpcionSuelo), 0);
}

// Hyetographs.

class FormaBrovelHietogramas : public FormaBrovelPrueba {};

TEST_F(FormaBrovelHietogramas, ElRepresentativoEsElPrimeroDeLaSerie) {
    forma.ElegirOpcion(G::LluviaMedia, static_cast<int>(TOpcionLluviaMedia::SerieDeHietogramas));
    forma.SetIndice(L::cbHn, 0);
    forma.ElegirEnLista(L::cbPhn2, 2);
    EXPECT_EQ(Valor(forma.euCll1), 5.84);
    forma.euCll1.SetBaseValue(7.5);
    EXPECT_EQ(e.Cll1[1][3], 7.5);

    forma.ElegirEnLista(L::cbPhn, 2);
    EXPECT_EQ(Valor(forma.euCll), 7.5);

    // And the other way round.
    forma.ElegirEnLista(L::cbPhn, 3);
    forma.euCll.SetBaseValue(12.25);
    forma.ElegirEnLista(L::cbPhn2, 3);
    EXPECT_EQ(Valor(forma.euCll1), 12.25);
}

// Each step editor stores the number its field shows, at the field's decimals.
struct TEditorDePasos {
    const char* nombre;
    std::function<void(TFormaBrovel&)> elegirTercerPaso;
    TCantidad TFormaBrovel::*campo;
    std::function<double(const TEstadoBrovel&)> tercerPaso;
};

void PrintTo(const TEditorDePasos& caso, std::ostream* os) { *os << caso.nombre; }

struct TValorDePaso {
    const char* nombre;
    double valor;
    double guardado;
};

void PrintTo(const TValorDePaso& caso, std::ostream* os) { *os << caso.nombre; }

// clang-format off
const TEditorDePasos kEditoresDePasos[] = {
    {"euCll", [](TFormaBrovel& f) { f.ElegirEnLista(L::cbPhn, 2); },
     &TFormaBrovel::euCll, [](const TEstadoBrovel& e) { return e.Cll1[1][3]; }},
    {"euCll1", [](TFormaBrovel& f) { f.SetIndice(L::cbHn, 1); f.ElegirEnLista(L::cbPhn2, 2); },
     &TFormaBrovel::euCll1, [](const TEstadoBrovel& e) { return e.Cll1[2][3]; }},
    {"euCll2", [](TFormaBrovel& f) { f.ElegirEnLista(L::cbPhn3, 2); },
     &TFormaBrovel::euCll2, [](const TEstadoBrovel& e) { return e.Cll2[3]; }},
    {"euCll3", [](TFormaBrovel& f) { f.ElegirEnLista(L::cbPhn4, 2); },
     &TFormaBrovel::euCll3, [](const TEstadoBrovel& e) { return e.Cll3[3]; }},
};
// clang-format on

class FormaBrovelEditoresDePasos : public FormaBrovelPrueba,
                                   public ::testing::WithParamInterface<std::tuple<TEditorDePasos, TValorDePaso>> {};

TEST_P(FormaBrovelEditoresDePasos, GuardanLoQueMuestran) {
    const auto& [editor, valor] = GetParam();
    editor.elegirTercerPaso(forma);
    (forma.*editor.campo).SetBaseValue(valor.valor);
    EXPECT_EQ(editor.tercerPaso(e), valor.guardado);
}

INSTANTIATE_TEST_SUITE_P(, FormaBrovelEditoresDePasos,
                         ::testing::Combine(::testing::ValuesIn(kEditoresDePasos),
                                            ::testing::Values(TValorDePaso{"1_234567", 1.234567, 1.23457},
                                                              TValorDePaso{"2_000004", 2.000004, 2.0})),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).nombre) + "_" + std::get<1>(info.param).nombre;
                         });

// Only the two storms handed to the runoff module ask for it again; the mark
// speaks but the chain goes on.
struct TCasoZumbrel {
    const char* nombre;
    std::function<void(TFormaBrovel&)> edicion;
    bool pide;
};

void PrintTo(const TCasoZumbrel& caso, std::ostream* os) { *os << caso.nombre; }

class FormaBrovelZumbrel : public FormaBrovelPrueba, public ::testing::WithParamInterface<TCasoZumbrel> {};

TEST_P(FormaBrovelZumbrel, SoloLasTormentasPidenZumbrel) {
    const TCasoZumbrel& caso = GetParam();
    caso.edicion(forma);
    EXPECT_EQ(forma.FaltaZumbrel, caso.pide);
    EXPECT_EQ(forma.TextoEstado(), caso.pide ? kMensajeFaltaZumbrel : kMensajeOk);
    EXPECT_FALSE(forma.RecalculoSuspendido);
    EXPECT_EQ(persona.errores, std::vector<std::string>{});
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(, FormaBrovelZumbrel, ::testing::Values(
    TCasoZumbrel{"cbPhn3", [](TFormaBrovel& f) { f.ElegirEnLista(L::cbPhn3, 2); }, true},
    TCasoZumbrel{"cbCph3", [](TFormaBrovel& f) { f.ElegirEnLista(L::cbCph3, 3); }, true},
    TCasoZumbrel{"euCll2", [](TFormaBrovel& f) { f.euCll2.SetBaseValue(10); }, true},
    TCasoZumbrel{"euPth2", [](TFormaBrovel& f) { f.euPth2.SetBaseValue(20); }, true},
    TCasoZumbrel{"cbPhn4", [](TFormaBrovel& f) { f.ElegirEnLista(L::cbPhn4, 2); }, true},
    TCasoZumbrel{"cbCph4", [](TFormaBrovel& f) { f.ElegirEnLista(L::cbCph4, 3); }, true},
    TCasoZumbrel{"euCll3", [](TFormaBrovel& f) { f.euCll3.SetBaseValue(10); }, true},
    TCasoZumbrel{"euPth3", [](TFormaBrovel& f) { f.euPth3.SetBaseValue(20); }, true},
    TCasoZumbrel{"cbPhn", [](TFormaBrovel& f) { f.ElegirEnLista(L::cbPhn, 2); }, false},
    TCasoZumbrel{"cbCph", [](TFormaBrovel& f) { f.ElegirEnLista(L::cbCph, 3); }, false},
    TCasoZumbrel{"euCll", [](TFormaBrovel& f) { f.euCll.SetBaseValue(2.5); }, false},
    TCasoZumbrel{"euPth", [](TFormaBrovel& f) { f.euPth.SetBaseValue(15); }, false},
    TCasoZumbrel{"cbCh", [](TFormaBrovel& f) { f.ElegirEnLista(L::cbCh, 2); }, false},
    TCasoZumbrel{"cbCph2", [](TFormaBrovel& f) { f.ElegirEnLista(L::cbCph2, 5); }, false},
    TCasoZumbrel{"cbHn", [](TFormaBrovel& f) { f.ElegirEnLista(L::cbHn, 1); }, false},
    TCasoZumbrel{"cbPhn2", [](TFormaBrovel& f) { f.ElegirEnLista(L::cbPhn2, 2); }, false},
    TCasoZumbrel{"euCll1", [](TFormaBrovel& f) { f.euCll1.SetBaseValue(3.5); }, false}),
    NombreDeCaso<TCasoZumbrel>);
// clang-format on

TEST_F(FormaBrovelHietogramas, ConZumbrelPendienteLosResultadosSiguen) {
    forma.MostrarPestana(TPestanaBrovel::Erosion);
    const double teE = e.TeE;
    forma.ElegirEnLista(L::cbPhn4, 2);
    EXPECT_EQ(forma.TextoEstado(), kMensajeFaltaZumbrel);
    EXPECT_TRUE(forma.EstadoEnError());
    EXPECT_FALSE(forma.RecalculoSuspendido);

    forma.euRast.SetBaseValue(3);
    EXPECT_EQ(e.Rast, 3.0);
    forma.MostrarPestana(TPestanaBrovel::Erosion);
    EXPECT_NE(e.TeE, teE);
    EXPECT_EQ(Valor(forma.euTeEResultado), Redondeado(e.TeE, 5));
    EXPECT_EQ(forma.TextoEstado(), kMensajeFaltaZumbrel);

    forma.NuevoExecute();
    EXPECT_FALSE(forma.FaltaZumbrel);
    EXPECT_EQ(forma.TextoEstado(), kMensajeOk);
}

TEST_F(FormaBrovelHietogramas, LaCantidadDePasosDeLaTormentaPideZumbrel) {
    forma.ElegirEnLista(L::cbCph3, 3);
    EXPECT_EQ(Entradas(forma.Lista(L::cbPhn3)), Numeros(1, 4));
    EXPECT_EQ(forma.Lista(L::cbPhn3).Texto(), "1");
    EXPECT_TRUE(forma.FaltaZumbrel);
    EXPECT_EQ(forma.TextoEstado(), kMensajeFaltaZumbrel);
    forma.NuevoExecute();
    EXPECT_FALSE(forma.FaltaZumbrel);
    EXPECT_EQ(forma.TextoEstado(), kMensajeOk);
}

// Selectors: the counts offer 1 to 20; the steps and points start on their first.

class FormaBrovelSelectores : public FormaBrovelPrueba, public ::testing::WithParamInterface<L> {};

TEST_P(FormaBrovelSelectores, LasCantidadesVanDeUnoAVeinte) {
    EXPECT_EQ(Entradas(forma.Lista(GetParam())), Numeros(1, 20));
}

INSTANTIATE_TEST_SUITE_P(Cantidades, FormaBrovelSelectores,
                         ::testing::Values(L::cbCph, L::cbCh, L::cbCph2, L::cbCph3, L::cbCph4),
                         [](const auto& info) { return std::string(NombreDe(info.param)); });

class FormaBrovelPasosYPuntos : public FormaBrovelPrueba, public ::testing::WithParamInterface<L> {};

TEST_P(FormaBrovelPasosYPuntos, EmpiezanEnElPrimero) { EXPECT_EQ(forma.Lista(GetParam()).indice, 0); }

INSTANTIATE_TEST_SUITE_P(Selectores, FormaBrovelPasosYPuntos,
                         ::testing::Values(L::cbPcg, L::cbPhn, L::cbHn, L::cbPhn2, L::cbPhn3, L::cbPhn4),
                         [](const auto& info) { return std::string(NombreDe(info.param)); });

}  // namespace
