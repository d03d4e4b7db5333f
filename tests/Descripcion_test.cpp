// The description of each window: every field of its table shows exactly once,
// every name it uses is one the form knows, every tab is there in its order.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "FormaDePrueba.h"
#include "forms/BotonesDeTabla.h"
#include "forms/CamposZumbrel.h"
#include "forms/Descripcion.h"
#include "forms/FormaBrovel.h"

using namespace brovel;
using namespace brovel::pruebas;

namespace {

// What a window's form knows by name, and its description's rows and tabs.
struct TVentana {
    std::string nombre;
    std::vector<std::string> campos = {};
    std::set<std::string, std::less<>> listas = {}, opciones = {}, casillas = {}, botones = {};
    // Each "..." button and the field it fills; empty for one that fills a list.
    std::map<std::string, std::string, std::less<>> botonesDeTabla = {};
    std::vector<TFilaDescrita> filas = {};
    // The tabs' places, as the description lists them, and how many the window has.
    std::vector<int> pestanas = {};
    int cantidadDePestanas = 0;
};

template <class TPestana>
void Describir(TVentana& v, const std::vector<TPestanaDescrita<TPestana>>& descripcion) {
    for (const auto& pestana : descripcion) {
        v.pestanas.push_back(Indice(pestana.pestana));
        RecorrerFilas(pestana.filas, [&](const TFilaDescrita& fila) { v.filas.push_back(fila); });
    }
}

TVentana Brovel() {
    TVentana v{.nombre = "Brovel"};
    v.cantidadDePestanas = Indice(TPestanaBrovel::Reporte) + 1;
    for (const TDefinicionCampo& d : CamposBrovel()) v.campos.emplace_back(d.nombre);
    for (int i = 0; i < kCantidadDeListas; ++i) v.listas.insert(NombreDe(static_cast<TListaBrovel>(i)));
    for (TGrupoOpciones grupo : kGruposDeOpciones)
        for (const char* boton : BotonesDe(grupo)) v.opciones.insert(boton);
    for (TCasilla casilla : kCasillas) v.casillas.insert(NombreDe(casilla));
    for (std::string_view boton : kBotonesBrovel) v.botones.emplace(boton);
    for (const TBotonDeTabla& boton : BotonesDeTablaBrovel()) v.botonesDeTabla.emplace(boton.nombre, boton.campo);
    Describir(v, DescripcionBrovel());
    return v;
}

TVentana Zumbrel() {
    TVentana v{.nombre = "Zumbrel"};
    v.cantidadDePestanas = Indice(TPestanaZumbrel::Reporte) + 1;
    for (const TDefinicionCampo& d : CamposZumbrel()) v.campos.emplace_back(d.nombre);
    for (int i = 0; i < kCantidadDeListasZumbrel; ++i) v.listas.insert(NombreDe(static_cast<TListaZumbrel>(i)));
    for (TGrupoZumbrel grupo : {TGrupoZumbrel::Serie, TGrupoZumbrel::UsoSuelo})
        for (const char* boton : BotonesDe(grupo)) v.opciones.insert(boton);
    v.casillas.insert("cbAai");
    // Where each table's pick goes, as the form takes it.
    const std::pair<const char*, TTablaZumbrel> botones[] = {{"bbSTC1", TTablaZumbrel::GruposHidrologicos},
                                                             {"BitBtn1", TTablaZumbrel::GruposPerturbados},
                                                             {"BitBtn6", TTablaZumbrel::Abstraccion},
                                                             {"BitBtn2", TTablaZumbrel::NumeroDeCurva}};
    TInterlocutorDePrueba interlocutor;
    for (const auto& [boton, tabla] : botones) {
        EXPECT_EQ(TablaDeBotonZumbrel(boton), tabla) << boton;
        TFormaZumbrel forma(interlocutor);
        v.botonesDeTabla.emplace(boton, forma.TomarDeTabla(tabla, 1).campo);
    }
    Describir(v, DescripcionZumbrel());
    return v;
}

struct TCaso {
    std::string nombre;
    std::function<TVentana()> ventana;
};

void PrintTo(const TCaso& caso, std::ostream* os) { *os << caso.nombre; }

class Descripcion : public ::testing::TestWithParam<TCaso> {};

std::vector<std::string_view> Nombres(const TVentana& v, TTipoFila tipo) {
    std::vector<std::string_view> nombres;
    for (const TFilaDescrita& fila : v.filas) {
        if (fila.tipo == tipo && tipo != TTipoFila::Opciones) nombres.push_back(fila.nombre);
        if (fila.tipo == tipo && tipo == TTipoFila::Opciones)
            nombres.insert(nombres.end(), fila.nombres.begin(), fila.nombres.end());
        if (tipo == TTipoFila::ListaDeNumeros && fila.tipo == TTipoFila::Lista) nombres.push_back(fila.nombre);
        if (tipo == TTipoFila::ListaDeNumeros && fila.tipo == TTipoFila::Grilla) nombres.push_back(fila.lista);
        if (tipo == TTipoFila::BotonDeTabla && !fila.boton.empty()) nombres.push_back(fila.boton);
    }
    return nombres;
}

// Each name of `conocidos` shows exactly once among `usados`, and nothing else does.
void CadaUnoUnaVez(const std::vector<std::string_view>& usados, const auto& conocidos, const char* que) {
    std::map<std::string, int, std::less<>> veces;
    for (const auto& nombre : conocidos) veces[std::string(nombre)] = 0;
    for (std::string_view nombre : usados) {
        const auto vez = veces.find(nombre);
        if (vez == veces.end()) {
            ADD_FAILURE() << "la descripción nombra " << que << " que la forma no tiene: " << nombre;
            continue;
        }
        ++vez->second;
    }
    for (const auto& [nombre, n] : veces) EXPECT_EQ(n, 1) << que << " " << nombre << " se muestra " << n << " veces";
}

TEST_P(Descripcion, CadaCampoDeLaTablaUnaVez) {
    const TVentana v = GetParam().ventana();
    CadaUnoUnaVez(Nombres(v, TTipoFila::Campo), v.campos, "campo");
}

TEST_P(Descripcion, CadaListaUnaVez) {
    const TVentana v = GetParam().ventana();
    CadaUnoUnaVez(Nombres(v, TTipoFila::ListaDeNumeros), v.listas, "lista");
}

TEST_P(Descripcion, CadaOpcionUnaVez) {
    const TVentana v = GetParam().ventana();
    CadaUnoUnaVez(Nombres(v, TTipoFila::Opciones), v.opciones, "opción");
}

TEST_P(Descripcion, CadaCasillaUnaVez) {
    const TVentana v = GetParam().ventana();
    CadaUnoUnaVez(Nombres(v, TTipoFila::Casilla), v.casillas, "casilla");
}

TEST_P(Descripcion, CadaBotonUnaVez) {
    const TVentana v = GetParam().ventana();
    CadaUnoUnaVez(Nombres(v, TTipoFila::Boton), v.botones, "botón");
    std::vector<std::string_view> deTabla;
    for (const auto& [nombre, campo] : v.botonesDeTabla) deTabla.push_back(nombre);
    CadaUnoUnaVez(Nombres(v, TTipoFila::BotonDeTabla), deTabla, "botón de tabla");
}

// A "..." button goes with the field it fills: in that field's row, or on a row
// of its own that follows the field's.
TEST_P(Descripcion, CadaBotonDeTablaVaConSuCampo) {
    const TVentana v = GetParam().ventana();
    for (const TFilaDescrita& fila : v.filas) {
        if (fila.tipo == TTipoFila::Campo && !fila.boton.empty()) {
            const auto boton = v.botonesDeTabla.find(fila.boton);
            ASSERT_NE(boton, v.botonesDeTabla.end()) << fila.boton;
            EXPECT_EQ(boton->second, fila.nombre) << fila.boton;
        }
        if (fila.tipo == TTipoFila::BotonDeTabla) {
            const auto boton = v.botonesDeTabla.find(fila.nombre);
            ASSERT_NE(boton, v.botonesDeTabla.end()) << fila.nombre;
            EXPECT_EQ(boton->second, fila.campo) << fila.nombre;
            EXPECT_FALSE(fila.titulo.empty()) << fila.nombre << " sin rótulo";
        }
    }
}

TEST_P(Descripcion, LasGrillasNombranCamposDeLaTabla) {
    const TVentana v = GetParam().ventana();
    const std::set<std::string, std::less<>> campos(v.campos.begin(), v.campos.end());
    for (const TFilaDescrita& fila : v.filas) {
        if (fila.tipo == TTipoFila::Grilla) {
            EXPECT_TRUE(campos.contains(fila.campo)) << fila.nombre;
        }
    }
}

// No two rows share a name: a view finds each by its name.
TEST_P(Descripcion, CadaNombreUnaVez) {
    const TVentana v = GetParam().ventana();
    std::map<std::string, int, std::less<>> veces;
    for (const TFilaDescrita& fila : v.filas) {
        if (!fila.nombre.empty()) ++veces[std::string(fila.nombre)];
        if (!fila.boton.empty()) ++veces[std::string(fila.boton)];
        for (std::string_view opcion : fila.nombres)
            if (fila.tipo == TTipoFila::Opciones) ++veces[std::string(opcion)];
        if (fila.tipo == TTipoFila::Grilla) ++veces[std::string(fila.lista)];
    }
    for (const auto& [nombre, n] : veces) EXPECT_EQ(n, 1) << nombre;
}

TEST_P(Descripcion, CadaPestanaEnSuOrden) {
    const TVentana v = GetParam().ventana();
    std::vector<int> enOrden(static_cast<size_t>(v.cantidadDePestanas));
    for (int i = 0; i < v.cantidadDePestanas; ++i) enOrden[static_cast<size_t>(i)] = i;
    EXPECT_EQ(v.pestanas, enOrden);
}

// Groups sit on the page, panels inside groups, plots and drawings on the page.
TEST_P(Descripcion, CadaFilaEnSuLugar) {
    const auto revisar = [](const auto& descripcion) {
        for (const auto& pestana : descripcion) {
            for (const TFilaDescrita& fila : pestana.filas) {
                const bool dePagina =
                    fila.tipo == TTipoFila::Grupo || fila.tipo == TTipoFila::Grafico || fila.tipo == TTipoFila::Dibujo;
                EXPECT_TRUE(dePagina) << pestana.nombre << ": " << fila.nombre;
                RecorrerFilas(fila.filas, [&](const TFilaDescrita& dentro) {
                    const bool dePagina = dentro.tipo == TTipoFila::Grupo || dentro.tipo == TTipoFila::Grafico ||
                                          dentro.tipo == TTipoFila::Dibujo;
                    EXPECT_FALSE(dePagina) << pestana.nombre << ": " << dentro.nombre;
                });
            }
        }
    };
    if (GetParam().nombre == "Brovel") revisar(DescripcionBrovel());
    if (GetParam().nombre == "Zumbrel") revisar(DescripcionZumbrel());
}

struct TCasoControl {
    std::string nombre;
    std::string control;
    bool (*esControl)(std::string_view);
    bool es;
};

void PrintTo(const TCasoControl& caso, std::ostream* os) { *os << caso.nombre; }

class ControlesDeLaVentana : public ::testing::TestWithParam<TCasoControl> {};

// The rules name fields, lists, buttons and the panels the form speaks of; a
// field's row carries its caption and its "..." button, so these have no name of
// their own to the rules.
TEST_P(ControlesDeLaVentana, SonLosQueLaDescripcionColoca) {
    EXPECT_EQ(GetParam().esControl(GetParam().control), GetParam().es) << GetParam().control;
}

INSTANTIATE_TEST_SUITE_P(Nombres, ControlesDeLaVentana,
                         ::testing::Values(TCasoControl{"campoDeZumbrel", "euAi", EsControlDeZumbrel, true},
                                           TCasoControl{"panelDeZumbrel", "Bevel8", EsControlDeZumbrel, true},
                                           TCasoControl{"rotuloDeBotonDeZumbrel", "Label15", EsControlDeZumbrel, false},
                                           TCasoControl{"campoDeOtraVentana", "euAi", EsControlDeBrovel, false},
                                           TCasoControl{"lista", "cbCph", EsControlDeBrovel, true},
                                           TCasoControl{"rotuloDeLista", "lblCph", EsControlDeBrovel, false},
                                           TCasoControl{"boton", "btUsarZumbrel", EsControlDeBrovel, true},
                                           TCasoControl{"botonDeTablaConRotulo", "BitBtn4", EsControlDeBrovel, true},
                                           TCasoControl{"grupoNombrado", "pHr", EsControlDeBrovel, true},
                                           TCasoControl{"grupoSinNombre", "", EsControlDeBrovel, false},
                                           TCasoControl{"malEscrito", "euPthh", EsControlDeBrovel, false}),
                         [](const auto& info) { return info.param.nombre; });

// Every option, check box and list the rules follow, at each of its choices:
// each name the form's visibility holds is a control of the window.
TEST(ReglasDeVisibilidad, NombranSoloControlesDeLaVentana) {
    TInterlocutorDePrueba interlocutor;
    TFormaBrovel forma(interlocutor);
    const auto revisar = [&](const std::string& paso) {
        for (const auto& [nombre, mostrado] : forma.Visibilidad())
            EXPECT_TRUE(EsControlDeBrovel(nombre)) << paso << ": " << nombre;
        for (const auto& [nombre, mostrado] : forma.Zumbrel.Visibilidad())
            EXPECT_TRUE(EsControlDeZumbrel(nombre)) << paso << ": " << nombre;
        EXPECT_TRUE(interlocutor.errores.empty()) << paso;
    };
    revisar("nueva");
    for (TGrupoOpciones grupo : kGruposDeOpciones) {
        for (int i = static_cast<int>(BotonesDe(grupo).size()) - 1; i >= 0; --i) {
            forma.ElegirOpcion(grupo, i);
            revisar(BotonesDe(grupo)[static_cast<size_t>(i)]);
        }
    }
    for (TCasilla casilla : kCasillas) {
        for (bool marcada : {false, true}) {
            forma.Marcar(casilla, marcada);
            revisar(NombreDe(casilla));
        }
    }
    for (int i = 3; i >= 0; --i) {
        forma.ElegirEnLista(TListaBrovel::cbTp, i);
        revisar("cbTp");
    }
    for (bool marcada : {false, true}) {
        forma.Zumbrel.MarcarAbstraccionAsignada(marcada);
        revisar("cbAai");
    }
}

INSTANTIATE_TEST_SUITE_P(Ventanas, Descripcion, ::testing::Values(TCaso{"Brovel", Brovel}, TCaso{"Zumbrel", Zumbrel}),
                         [](const auto& info) { return info.param.nombre; });

}  // namespace
