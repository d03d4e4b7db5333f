// The slope project on disk, through the form: where each entry of a file goes,
// the round trip through a fresh start, the full recalculation after opening,
// entries out of range or in older forms, the four commands, and saving that
// never loses a project.
#include "docs/ErroresDelSistema.h"
#include "ProyectoDePrueba.h"

using namespace brovel;
using namespace brovel::pruebas;

namespace {

using G = TGrupoOpciones;
using L = TListaBrovel;

// ---------------------------------------------------------------------------
// Round trips.

// One combination of options, and some values that differ from a new project's.
struct TCombinacion {
    const char* nombre;
    TOpcionSuelo suelo;
    TOpcionLluviaMedia lluvia;
    TOpcionLluviaExtrema extrema;
    TOpcionEvento evento;
    bool labranza, mulching, practicas;
    int practica;  // 0 contouring … 3 grazing fields
};

void Aplicar(TFormaBrovel& f, const TCombinacion& c) {
    TEstadoBrovel& e = f.Estado;
    f.euDt.SetBaseValue(12.5);
    f.euLt.SetBaseValue(45);
    f.ElegirOpcion(G::Suelo, static_cast<int>(c.suelo));
    switch (c.suelo) {
        case TOpcionSuelo::Curva: {
            f.euCpcg.SetBaseValue(4);
            const double d[] = {2, 0.5, 0.05, 0.002}, p[] = {100, 70, 30, 5};
            for (int i = 1; i <= 4; ++i) {
                e.Dg[i] = d[i - 1];
                e.Pp[i] = p[i - 1];
            }
            f.ElegirEnLista(L::cbPcg, 0);
            break;
        }
        case TOpcionSuelo::DiametroMedio: f.euDm.SetBaseValue(0.12); break;
        case TOpcionSuelo::ClaseYTextura:
            f.ElegirEnLista(L::cbCspe, 3);
            f.euPl.SetBaseValue(40);
            f.euPlm.SetBaseValue(55);
            f.euPa.SetBaseValue(20);
            f.euPmo.SetBaseValue(2.5);
            f.ElegirEnLista(L::cbCspp, 4);
            break;
    }
    f.Marcar(TCasilla::Descongelamiento, c.suelo == TOpcionSuelo::DiametroMedio);
    f.euBvs.SetBaseValue(39);

    f.ElegirOpcion(G::LluviaMedia, static_cast<int>(c.lluvia));
    switch (c.lluvia) {
        case TOpcionLluviaMedia::HietogramaRepresentativo:
            f.ElegirEnLista(L::cbCph, 2);
            for (int k = 1; k <= 3; ++k) e.Cll1[1][k] = 2.5 * k;
            f.euCta.SetBaseValue(7);
            break;
        case TOpcionLluviaMedia::SerieDeHietogramas:
            f.ElegirEnLista(L::cbCh, 2);
            f.ElegirEnLista(L::cbCph2, 3);
            for (int h = 1; h <= 3; ++h)
                for (int k = 1; k <= 4; ++k) e.Cll1[h][k] = h + 0.25 * k;
            f.euCta.SetBaseValue(9);
            break;
        case TOpcionLluviaMedia::ParametrosDeEnergia:
            f.euEt.SetBaseValue(35);
            f.euMi30m.SetBaseValue(40);
            break;
        case TOpcionLluviaMedia::Erosividad: f.euFele.SetBaseValue(30000); break;
    }
    f.ElegirOpcion(G::LluviaExtrema, static_cast<int>(c.extrema));
    if (c.extrema == TOpcionLluviaExtrema::Hietograma) {
        f.ElegirEnLista(L::cbCph3, 3);
        for (int k = 1; k <= 4; ++k) e.Cll2[k] = 5.0 * k;
        f.euPth2.SetBaseValue(15);
    } else {
        f.euCe.SetBaseValue(40);
    }
    f.ElegirOpcion(G::Evento, static_cast<int>(c.evento));
    if (c.evento == TOpcionEvento::Hietograma) {
        f.ElegirEnLista(L::cbCph4, 4);
        for (int k = 1; k <= 5; ++k) e.Cll3[k] = 3.0 * k;
        f.euPth3.SetBaseValue(20);
    } else {
        f.euVp.SetBaseValue(1500);
        f.euCp.SetBaseValue(80);
    }

    f.euFatc.SetBaseValue(0.6);
    f.Marcar(TCasilla::Labranza, c.labranza);
    if (c.labranza) f.euTtfo.SetBaseValue(3);
    f.Marcar(TCasilla::Mulching, c.mulching);
    if (c.mulching) {
        f.euPsrua.SetBaseValue(900);
        f.ElegirEnLista(L::cbMde, 2);
    }
    f.Marcar(TCasilla::PracticasDeSoporte, c.practicas);
    if (c.practicas) {
        f.ElegirEnLista(L::cbTp, c.practica);
        switch (c.practica) {
            case 0:
                f.euAl.SetBaseValue(8);
                f.euCmst.SetBaseValue(0.04);
                break;
            case 1: f.euFps.SetBaseValue(0.39); break;
            case 2:
                f.euEet.SetBaseValue(30);
                f.euPt.SetBaseValue(2);
                break;
            case 3:
                f.euTfp.SetBaseValue(6);
                f.euIrst.SetBaseValue(2.3);
                break;
        }
    }
    f.euRast.SetBaseValue(1.5);
}

// What a project is: every input field, the options, check boxes and lists, the
// controls shown, the arrays, and what the model computes from them all.
std::vector<std::string> Describir(TFormaBrovel& f) {
    std::vector<std::string> d;
    for (const TDefinicionCampo& campo : CamposBrovel()) {
        // Results, and the editors that show one entry of an array, are not inputs.
        if (campo.clase == TClaseCampo::Resultado || std::isnan(static_cast<double>(campo.porDefecto))) continue;
        d.push_back(std::string(campo.nombre) + "=" + Numero(f.Campo(campo.nombre).GetBaseValue()));
    }
    for (const G grupo : kGruposDeOpciones)
        d.push_back(std::string(BotonesDe(grupo)[static_cast<size_t>(f.Opcion(grupo))]) + " elegido");
    for (const TCasilla casilla : kCasillas)
        d.push_back(std::string(NombreDe(casilla)) + (f.Marcada(casilla) ? "+" : "-"));
    for (int i = 0; i < kCantidadDeListas; ++i) {
        const TLista& lista = f.Lista(static_cast<L>(i));
        d.push_back(std::string(NombreDe(static_cast<L>(i))) + ": " + lista.Texto() + " de " +
                    std::to_string(lista.items.size()));
    }
    for (const auto& [control, mostrado] : f.Visibilidad()) d.push_back(control + (mostrado ? " visible" : " oculto"));
    const TEstadoBrovel& e = f.Estado;
    for (int i = 1; i <= kMaxElementos; ++i) {
        const std::string n = std::to_string(i);
        d.push_back("Dg" + n + "=" + Numero(e.Dg[i]) + " Pp" + n + "=" + Numero(e.Pp[i]));
        d.push_back("Cll2_" + n + "=" + Numero(e.Cll2[i]) + " Cll3_" + n + "=" + Numero(e.Cll3[i]));
        for (int h = 1; h <= kMaxElementos; ++h)
            d.push_back("Cll1_" + std::to_string(h) + "_" + n + "=" + Numero(e.Cll1[h][i]));
    }
    f.MostrarPestana(TPestanaBrovel::Erosion);
    const std::pair<const char*, double> resultados[] = {
        {"Fes", e.Fes}, {"Ft", e.Ft},   {"Felle", e.Felle}, {"Fp", e.Fp},   {"Fcm", e.Fcm},
        {"Fps", e.Fps}, {"Lct", e.Lct}, {"TeE", e.TeE},     {"PsE", e.PsE}, {"Tp", double(e.Tp)},
    };
    for (const auto& [nombre, valor] : resultados) d.push_back(std::string(nombre) + "=" + Numero(valor));
    return d;
}

// Every option combination comes back from its file in a fresh start with the
// same inputs and the same results.
TEST_F(FormaBrovelProyecto, CadaCombinacionDeOpcionesVuelveIgualDeSuArchivo) {
    using S = TOpcionSuelo;
    using M = TOpcionLluviaMedia;
    using X = TOpcionLluviaExtrema;
    using V = TOpcionEvento;
    // Each value of each choice at least once, in different company.
    const TCombinacion combinaciones[] = {
        {"curva, representativo, tormenta, evento, perfilado", S::Curva, M::HietogramaRepresentativo, X::Hietograma,
         V::Hietograma, true, true, true, 0},
        {"diámetro, serie, escorrentía, sin labranza, franjas", S::DiametroMedio, M::SerieDeHietogramas, X::Escorrentia,
         V::Hietograma, false, true, true, 1},
        {"textura, energía, parámetros, sin mulching, terrazas", S::ClaseYTextura, M::ParametrosDeEnergia,
         X::Hietograma, V::Parametros, true, false, true, 2},
        {"curva, erosividad, escorrentía, parámetros, pastoreo", S::Curva, M::Erosividad, X::Escorrentia, V::Parametros,
         true, true, true, 3},
        {"diámetro, representativo, tormenta, evento, perfilado", S::DiametroMedio, M::HietogramaRepresentativo,
         X::Hietograma, V::Hietograma, true, true, true, 0},
        {"textura, serie, escorrentía, sin mulching ni prácticas", S::ClaseYTextura, M::SerieDeHietogramas,
         X::Escorrentia, V::Hietograma, true, false, false, 1},
        {"curva, energía, tormenta, parámetros, sin labranza, terrazas", S::Curva, M::ParametrosDeEnergia,
         X::Hietograma, V::Parametros, false, true, true, 2},
        {"diámetro, erosividad, escorrentía, parámetros, pastoreo", S::DiametroMedio, M::Erosividad, X::Escorrentia,
         V::Parametros, true, true, true, 3},
        {"textura, representativo, tormenta, evento, sin mulching", S::ClaseYTextura, M::HietogramaRepresentativo,
         X::Hietograma, V::Hietograma, true, false, true, 0},
        {"curva, serie, escorrentía, evento, franjas", S::Curva, M::SerieDeHietogramas, X::Escorrentia, V::Hietograma,
         true, true, true, 1},
        {"diámetro, energía, tormenta, parámetros, terrazas", S::DiametroMedio, M::ParametrosDeEnergia, X::Hietograma,
         V::Parametros, true, true, true, 2},
        {"textura, erosividad, escorrentía, nada marcado", S::ClaseYTextura, M::Erosividad, X::Escorrentia,
         V::Parametros, false, false, false, 3},
    };
    const auto idaYVuelta = [this](const char* caso, const TCombinacion* combinacion) {
        SCOPED_TRACE(caso);
        TOtraForma origen;
        if (combinacion) Aplicar(origen.forma, *combinacion);
        const std::string ruta = Ruta("combinacion.bvx");
        fs::remove(ruta);
        ASSERT_TRUE(origen.forma.GuardarValores(ruta, "combinacion.bvx"));
        const std::vector<std::string> antes = Describir(origen.forma);

        TOtraForma nueva;
        ASSERT_TRUE(nueva.forma.AbrirProyecto(ruta));
        const std::vector<std::string> despues = Describir(nueva.forma);
        ASSERT_EQ(despues.size(), antes.size());
        for (size_t i = 0; i < antes.size(); ++i) EXPECT_EQ(despues[i], antes[i]);
        EXPECT_EQ(nueva.forma.Titulo(), "Brovel - combinacion");
        EXPECT_FALSE(nueva.forma.FaltaZumbrel);
        EXPECT_TRUE(origen.persona.errores.empty());
        EXPECT_TRUE(nueva.persona.errores.empty());
    };
    idaYVuelta("proyecto nuevo", nullptr);
    for (const TCombinacion& combinacion : combinaciones) idaYVuelta(combinacion.nombre, &combinacion);
}

// What the model computes up to the Disipación tab, results shown included.
std::vector<std::string> Resultados(TFormaBrovel& f) {
    const TEstadoBrovel& e = f.Estado;
    const std::pair<const char*, double> resultados[] = {
        {"Fes", e.Fes},   {"Ft", e.Ft},       {"Dm", e.Dm},       {"Fde", e.Fde},         {"Felle", e.Felle},
        {"Fp", e.Fp},     {"Tecr", e.Tecr},   {"Pspcr", e.Pspcr}, {"Sups", e.Sups},       {"Scf", e.Scf},
        {"Fpsb", e.Fpsb}, {"Fpset", e.Fpset}, {"Fpsed", e.Fpsed}, {"Scs", e.Scs},         {"Srs", e.Srs},
        {"Fcm", e.Fcm},   {"Lct", e.Lct},     {"Fps", e.Fps},     {"Cph", double(e.Cph)}, {"Mde", double(e.Mde)},
    };
    std::vector<std::string> r;
    for (const auto& [nombre, valor] : resultados) r.push_back(std::string(nombre) + "=" + Numero(valor));
    for (const char* campo : {"euFesResultado", "euDMResultado", "euFelleResultado", "euFpResultado", "euScf",
                              "euScsResultado", "euFcmResultado"})
        r.push_back(std::string(campo) + "=" + Numero(f.Campo(campo).GetBaseValue()));
    return r;
}

// Arrays and lists are read without the handlers that would recompute their tab,
// so a project that differs from the one shown only there must still reach the
// results: opening recomputes every tab.
TEST_F(FormaBrovelProyecto, AbrirRecalculaTodasLasPestanas) {
    const auto textura = [](TFormaBrovel& f) {
        f.ElegirOpcion(G::Suelo, static_cast<int>(TOpcionSuelo::ClaseYTextura));
    };
    struct TCaso {
        const char* nombre;
        std::function<void(TFormaBrovel&)> proyecto;  // the project shown, a new one if none
        const char* entrada;                          // as that project is saved
        const char* cambiada;
        std::function<void(TFormaBrovel&)> edicion;  // the same change, made by hand
    };
    const TCaso casos[] = {
        {"un punto de la curva",
         {},
         "diam_punto_3=0.42",
         "diam_punto_3=0.3",
         [](TFormaBrovel& f) { f.Estado.Dg[3] = 0.3; }},
        {"un paso del hietograma representativo",
         {},
         "cant_lluvia_3=5.84",
         "cant_lluvia_3=12",
         [](TFormaBrovel& f) { f.Estado.Cll1[1][3] = 12; }},
        {"los pasos del hietograma representativo",
         {},
         "Pasos_hieto=8",
         "Pasos_hieto=5",
         [](TFormaBrovel& f) { f.SetIndice(L::cbCph, 4); }},
        {"el mecanismo de erosión",
         {},
         "Mecanismo=0",
         "Mecanismo=2",
         [](TFormaBrovel& f) { f.SetIndice(L::cbMde, 2); }},
        {"la clase de estructura", textura, "Clase_estr=1", "Clase_estr=3",
         [](TFormaBrovel& f) { f.SetIndice(L::cbCspe, 3); }},
        {"la clase de permeabilidad", textura, "Clase_perm=1", "Clase_perm=5",
         [](TFormaBrovel& f) { f.SetIndice(L::cbCspp, 5); }},
    };
    for (const TCaso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        TOtraForma guardada, abierta, editada;
        for (TOtraForma* otra : {&guardada, &abierta, &editada}) {
            if (caso.proyecto) caso.proyecto(otra->forma);
            otra->forma.DisipacionShow();
        }
        const std::vector<std::string> antes = Resultados(abierta.forma);
        caso.edicion(editada.forma);
        editada.forma.DisipacionShow();
        const std::vector<std::string> esperados = Resultados(editada.forma);
        ASSERT_NE(esperados, antes) << "el cambio no mueve los resultados";

        const std::string ruta = Ruta("proyecto.bvx");
        fs::remove(ruta);
        ASSERT_TRUE(guardada.forma.GuardarValores(ruta, "proyecto.bvx"));
        std::string texto = Contenido(ruta);
        const std::string entrada = "\r\n" + std::string(caso.entrada) + "\r\n";
        const size_t donde = texto.find(entrada);
        ASSERT_NE(donde, std::string::npos) << caso.entrada << " no está en\n" << texto;
        texto.replace(donde, entrada.size(), "\r\n" + std::string(caso.cambiada) + "\r\n");
        Escribir(ruta, texto);
        ASSERT_TRUE(abierta.forma.AbrirProyecto(ruta));
        EXPECT_EQ(Resultados(abierta.forma), esperados);
        EXPECT_TRUE(abierta.persona.errores.empty());
    }
}

// ---------------------------------------------------------------------------
// Reading.

// Entries of an option no longer chosen stay in the file; reading ignores them.
TEST_F(FormaBrovelProyecto, GuardarDosVecesConservaLaOpcionAnterior) {
    const std::string ruta = Ruta("dos.bvx");
    forma.ElegirOpcion(G::Suelo, static_cast<int>(TOpcionSuelo::DiametroMedio));
    forma.euDm.SetBaseValue(0.2);
    ASSERT_TRUE(forma.GuardarValores(ruta, "dos.bvx"));
    forma.ElegirOpcion(G::Suelo, static_cast<int>(TOpcionSuelo::Curva));
    ASSERT_TRUE(forma.GuardarValores(ruta, "dos.bvx"));
    const std::string texto = Contenido(ruta);
    EXPECT_NE(texto.find("\r\nDiametro_medio=0.2\r\n"), std::string::npos) << texto;
    EXPECT_NE(texto.find("[Suelo]\r\nOpcion=1\r\n"), std::string::npos) << texto;

    TOtraForma nueva;
    nueva.forma.euDm.SetBaseValue(0.3);
    ASSERT_TRUE(nueva.forma.AbrirProyecto(ruta));
    EXPECT_EQ(nueva.forma.OpcionSuelo(), TOpcionSuelo::Curva);
    EXPECT_EQ(Valor(nueva.forma, "euDm"), 0.3);
}

// A file is updated, not replaced: what the program does not write survives, in
// its place, and the program's entries go where the file has them.
TEST_F(FormaBrovelProyecto, LoQueElProgramaNoConoceSobrevive) {
    const std::string ruta = Ruta("ajeno.bvx");
    Escribir(ruta,
             "; notas del técnico\r\n[Geometria]\r\nLongitud=80\r\nParcela=12\r\n[Otra]\r\nclave=valor\r\n"
             "# al final\r\n");
    ASSERT_TRUE(forma.GuardarValores(ruta, "ajeno.bvx"));
    const std::string texto = Contenido(ruta);
    EXPECT_EQ(texto.rfind("; notas del técnico\r\n", 0), 0u) << texto;
    EXPECT_NE(texto.find("[Geometria]\r\nLongitud=60\r\nParcela=12\r\nDeclive=6\r\n"), std::string::npos) << texto;
    EXPECT_NE(texto.find("[Otra]\r\nclave=valor\r\n"), std::string::npos) << texto;
    EXPECT_NE(texto.find("# al final\r\n"), std::string::npos) << texto;
    EXPECT_NE(texto.find("[Disipacion]\r\n"), std::string::npos) << texto;
    EXPECT_TRUE(persona.errores.empty());
}

// Section and key names are matched whatever their case, LF line ends read as
// CR LF, and a number that cannot be read takes the entry's default.
TEST_F(FormaBrovelProyecto, LasClavesSeLeenSinDistinguirMayusculas) {
    Abrir("mayusculas.bvx", "[GEOMETRIA]\ndeclive=12.5\nLONGITUD=abc\n[suelo]\nOPCION=2\ndiametro_MEDIO=0.08\n");
    EXPECT_EQ(Valor(forma, "euDt"), 12.5);
    EXPECT_EQ(Valor(forma, "euLt"), 60.0);
    EXPECT_EQ(forma.OpcionSuelo(), TOpcionSuelo::DiametroMedio);
    EXPECT_EQ(Valor(forma, "euDm"), 0.08);

    const std::string lf = Ruta("lf.bvx");
    Escribir(lf, "[Geometria]\nDeclive=9\n");
    ASSERT_TRUE(forma.AbrirProyecto(lf));
    EXPECT_EQ(Valor(forma, "euDt"), 9.0);
}

TEST_F(FormaBrovelProyecto, UnArchivoSinOpcionDeSueloAbreLaCurvaPorDefecto) {
    forma.ElegirOpcion(G::Suelo, static_cast<int>(TOpcionSuelo::DiametroMedio));
    Abrir("sinopcion.bvx", "[Suelo]\nHumedad=0.9\n");
    EXPECT_EQ(forma.OpcionSuelo(), TOpcionSuelo::Curva);
    EXPECT_TRUE(forma.Mostrado("euCpcg"));
    EXPECT_FALSE(forma.Mostrado("euDm"));
    EXPECT_EQ(Valor(forma, "euCpcg"), 9.0);
    EXPECT_EQ(forma.Lista(L::cbPcg).items.size(), 9u);
    for (int i = 1; i <= 9; ++i) {
        EXPECT_EQ(e.Dg[i], 4.76) << "punto " << i;
        EXPECT_EQ(e.Pp[i], 100.0) << "punto " << i;
    }
    EXPECT_EQ(Valor(forma, "euShs"), 0.9);
}

// Reading the mean diameter leaves the curve of the project before in the model.
TEST_F(FormaBrovelProyecto, ElDiametroMedioNoBorraLaCurvaAnterior) {
    const TSerie curva = e.Dg;
    Abrir("diametro.bvx", "[Suelo]\nOpcion=2\nDiametro_medio=0.08\n");
    EXPECT_EQ(forma.OpcionSuelo(), TOpcionSuelo::DiametroMedio);
    EXPECT_EQ(Valor(forma, "euDm"), 0.08);
    EXPECT_EQ(e.Dm, 0.08);
    EXPECT_EQ(e.Dg, curva);
}

// The loaded practice's inputs are shown, those of the others hidden, and the
// model reads them, whichever practice the form held before.
TEST_F(FormaBrovelProyecto, LaPracticaLeidaMuestraYUsaSusDatos) {
    struct TDato {
        const char* seccion;
        const char* clave;
        const char* campo;
        double valor;
        double TEstadoBrovel::*enElModelo;
    };
    struct TPractica {
        const char* nombre;
        std::vector<std::string> controles;
        std::vector<TDato> datos;
    };
    const TPractica practicas[] = {
        {"perfilado",
         {"euPs", "euAl", "euFpsb", "euFpset", "euFpsed", "euCmst", "euFpsbEResultado", "euFpsetEResultado",
          "euFpsedEResultado"},
         {{"Condicionantes", "Pendiente_surcos", "euPs", 3, &TEstadoBrovel::Ps},
          {"Condicionantes", "Altura_lomo", "euAl", 9, &TEstadoBrovel::Al},
          {"Disipacion", "Manning_terreno", "euCmst", 0.03, &TEstadoBrovel::Cmst}}},
        {"cultivo en franjas", {"euFps"}, {{"Condicionantes", "Factor_soporte", "euFps", 0.47, &TEstadoBrovel::Fps}}},
        {"aterrazamiento",
         {"euEet", "euPt"},
         {{"Condicionantes", "Espacio_terrazas", "euEet", 7, &TEstadoBrovel::Eet},
          {"Condicionantes", "Pendiente_terrazas", "euPt", 1.5, &TEstadoBrovel::Pt}}},
        {"campos de pastoreo",
         {"euTfp", "euCtc", "euFliii", "euIrst"},
         {{"Condicionantes", "Tiempo_perturbado", "euTfp", 6, &TEstadoBrovel::Tfp},
          {"Condicionantes", "Constante_consolidacion", "euCtc", 2, &TEstadoBrovel::Ctc},
          {"Condicionantes", "Lluvia_infiltrada", "euFliii", 0.5, &TEstadoBrovel::Fliii},
          {"Disipacion", "Indice_rugosidad", "euIrst", 2.3, &TEstadoBrovel::Irst}}},
    };
    constexpr int n = static_cast<int>(std::size(practicas));
    for (int p = 0; p < n; ++p) {
        const TPractica& practica = practicas[p];
        SCOPED_TRACE(practica.nombre);
        TOtraForma otra;
        TFormaBrovel& f = otra.forma;
        f.ElegirEnLista(L::cbTp, (p + 2) % n);
        std::string texto = "[Condicionantes]\nTipo_practica=" + std::to_string(p) + "\n";
        std::string disipacion = "[Disipacion]\n";
        for (const TDato& dato : practica.datos)
            (dato.seccion == std::string("Disipacion") ? disipacion : texto) +=
                std::string(dato.clave) + "=" + RealComoTextoIni(dato.valor) + "\n";
        const std::string ruta = Ruta("practica.bvx");
        Escribir(ruta, ConCrLf(texto + disipacion));
        ASSERT_TRUE(f.AbrirProyecto(ruta));

        EXPECT_EQ(f.Lista(L::cbTp).indice, p);
        EXPECT_EQ(f.Estado.Tp, p);
        for (int otraPractica = 0; otraPractica < n; ++otraPractica)
            for (const std::string& control : practicas[otraPractica].controles)
                EXPECT_EQ(f.Mostrado(control), otraPractica == p) << control;
        for (const TDato& dato : practica.datos) {
            EXPECT_EQ(Valor(f, dato.campo), dato.valor) << dato.clave;
            EXPECT_EQ(f.Estado.*dato.enElModelo, dato.valor) << dato.clave << ", en el modelo";
        }
        EXPECT_TRUE(otra.persona.errores.empty());
    }
}

// Every step of every hyetograph of a series is kept; files that hold one amount
// per hyetograph give it to all its steps, unless a step has its own.
TEST_F(FormaBrovelProyecto, LaSerieDeHietogramasSeGuardaPasoAPaso) {
    forma.ElegirOpcion(G::LluviaMedia, static_cast<int>(TOpcionLluviaMedia::SerieDeHietogramas));
    forma.ElegirEnLista(L::cbCh, 2);
    forma.ElegirEnLista(L::cbCph2, 3);
    for (int h = 1; h <= 3; ++h)
        for (int k = 1; k <= 4; ++k) e.Cll1[h][k] = h + 0.25 * k;
    const std::string ruta = Ruta("serie.bvx");
    ASSERT_TRUE(forma.GuardarValores(ruta, "serie.bvx"));
    const std::string texto = Contenido(ruta);
    EXPECT_NE(texto.find("\r\ncant_lluvia_2_3=2.75\r\n"), std::string::npos) << texto;
    EXPECT_NE(texto.find("\r\ncant_lluvia_3_4=4\r\ncant_lluvia_3=4\r\n"), std::string::npos) << texto;
}

TEST_F(FormaBrovelProyecto, LaSerieDeHietogramasSeLeeEnSusDosFormas) {
    Abrir("antigua.bvx",
          "[Forzantes]\nOpcion=2\nCantidad_hieto=3\nPasos_hieto=3\ncant_lluvia_1=4.5\ncant_lluvia_2_2=8\n"
          "cant_lluvia_3=6\ncant_lluvia_3_2=7\n");
    struct TPaso {
        int hietograma, paso;
        double lluvia;
    };
    const TPaso pasos[] = {
        {1, 1, 4.5}, {1, 2, 4.5}, {1, 3, 4.5},  // one amount for the hyetograph
        {2, 1, 1},   {2, 2, 8},   {2, 3, 1},    // steps of its own, the rest the entry's default
        {3, 1, 6},   {3, 2, 7},   {3, 3, 6},    // both: the step's own wins
    };
    for (const TPaso& paso : pasos)
        EXPECT_EQ(e.Cll1[paso.hietograma][paso.paso], paso.lluvia)
            << "hietograma " << paso.hietograma << ", paso " << paso.paso;
    EXPECT_EQ(forma.Lista(L::cbHn).items.size(), 3u);
    EXPECT_EQ(forma.Lista(L::cbPhn2).items.size(), 3u);
}

// Counts beyond the arrays are brought within them, and an entry of a list that
// the list does not have reads as the entry's default.
TEST_F(FormaBrovelProyecto, LasEntradasFueraDeRangoSeAcotan) {
    // A count as its selector shows it and the entries of the list it fills.
    const auto cuenta = [](L selector, L lista) {
        return [selector, lista](TFormaBrovel& f) {
            return f.Lista(selector).Texto() + " de " + std::to_string(f.Lista(lista).items.size());
        };
    };
    const auto puntos = [](TFormaBrovel& f) {
        return Numero(f.euCpcg.GetBaseValue()) + " de " + std::to_string(f.Lista(L::cbPcg).items.size());
    };
    const auto elegido = [](L lista) { return [lista](TFormaBrovel& f) { return f.Lista(lista).Texto(); }; };
    struct TCaso {
        const char* nombre;
        const char* archivo;
        std::function<std::string(TFormaBrovel&)> lectura;
        std::string esperado;
    };
    const TCaso casos[] = {
        {"más puntos que la curva", "[Suelo]\nOpcion=1\nCant_puntos=35\n", puntos, "20 de 20"},
        {"puntos negativos", "[Suelo]\nOpcion=1\nCant_puntos=-3\n", puntos, "0 de 0"},
        {"más pasos que el hietograma", "[Forzantes]\nOpcion=1\nPasos_hieto=50\n", cuenta(L::cbCph, L::cbPhn),
         "20 de 20"},
        {"más hietogramas que la serie", "[Forzantes]\nOpcion=2\nCantidad_hieto=21\n", cuenta(L::cbCh, L::cbHn),
         "20 de 20"},
        {"ningún paso en la tormenta", "[Forzantes]\nOpcion2=1\nPasos_hieto2=0\n", cuenta(L::cbCph3, L::cbPhn3),
         "1 de 1"},
        {"pasos negativos en el evento", "[Forzantes]\nOpcion3=1\nPasos_hieto3=-4\n", cuenta(L::cbCph4, L::cbPhn4),
         "1 de 1"},
        {"una clase de estructura que no existe", "[Suelo]\nOpcion=3\nClase_estr=9\n", elegido(L::cbCspe),
         "Grano muy fino (< 1 mm)"},
        {"una clase de permeabilidad negativa", "[Suelo]\nOpcion=3\nClase_perm=-1\n", elegido(L::cbCspp),
         "Rápida a muy rápida (< 1 mm/h)"},
        {"un mecanismo que no existe", "[Condicionantes]\nMecanismo=3\n", elegido(L::cbMde), "Entresurco"},
        {"una práctica que no existe", "[Condicionantes]\nTipo_practica=4\n", elegido(L::cbTp), "Cultivo en Franjas"},
    };
    for (const TCaso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        TOtraForma otra;
        const std::string ruta = Ruta("fuera.bvx");
        Escribir(ruta, ConCrLf(caso.archivo));
        ASSERT_TRUE(otra.forma.AbrirProyecto(ruta));
        EXPECT_EQ(caso.lectura(otra.forma), caso.esperado);
        EXPECT_TRUE(otra.persona.errores.empty());
    }
}

// A name that does not exist yet opens as an empty file: the entries' defaults.
TEST_F(FormaBrovelProyecto, AbrirUnNombreNuevoDaLosValoresDeLasEntradas) {
    std::string motivo;
    EXPECT_FALSE(forma.AbrirProyecto(Ruta("nuevo.bvx"), &motivo));
    EXPECT_EQ(motivo, TextoDelError(ENOENT));
    EXPECT_EQ(Valor(forma, "euDt"), 6.0);
    EXPECT_EQ(Valor(forma, "euPth"), 1.0);
    EXPECT_EQ(Valor(forma, "euRast"), 1.0);
    EXPECT_EQ(forma.Lista(L::cbMde).indice, 1);
    EXPECT_EQ(forma.Titulo(), "Brovel - nuevo");
    EXPECT_TRUE(persona.errores.empty());
    EXPECT_EQ(Archivos(), std::vector<std::string>{});
}

// A project named when the program starts must be there: a name that is not, or
// that is no project's file, is told, and the new project stays as it was.
TEST_F(FormaBrovelProyecto, AbrirUnProyectoExistentePideQueExista) {
    struct TCaso {
        const char* nombre;
        const char* ruta;   // inside the test's folder
        std::string razon;  // empty: opened
        const char* titulo;
    };
    const TCaso casos[] = {
        {"un proyecto", "ladera.bvx", "", "Brovel - ladera"},
        {"un nombre que no existe", "nuevo.bvx", TextoDelError(ENOENT), "Brovel - Sin Nombre"},
        {"una carpeta", "carpeta.bvx", TextoDelError(EISDIR), "Brovel - Sin Nombre"},
    };
    for (const TCaso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        TOtraForma otra;
        Escribir(Ruta("ladera.bvx"), ConCrLf("[Geometria]\nDeclive=9\n"));
        fs::create_directories(Ruta("carpeta.bvx"));
        const std::string ruta = Ruta(caso.ruta);
        EXPECT_EQ(otra.forma.AbrirProyectoExistente(ruta), caso.razon.empty());
        const std::vector<std::string> errores =
            caso.razon.empty() ? std::vector<std::string>{}
                               : std::vector<std::string>{"No se pudo abrir \"" + ruta + "\": " + caso.razon};
        EXPECT_EQ(otra.persona.errores, errores);
        EXPECT_EQ(otra.forma.Titulo(), caso.titulo);
        EXPECT_EQ(otra.forma.RutaProyecto, caso.razon.empty() ? ruta : "");
        EXPECT_EQ(Valor(otra.forma, "euDt"), caso.razon.empty() ? 9.0 : 6.0);
        EXPECT_EQ(Archivos(), (std::vector<std::string>{"carpeta.bvx", "ladera.bvx"}));
    }
}

// ---------------------------------------------------------------------------
// Commands.

// The caption shows the project's file name without its folder and its last
// extension; the form keeps the path and the file name.
TEST_F(FormaBrovelProyecto, ElTituloLlevaElNombreDelArchivo) {
    struct TCaso {
        const char* ruta;  // inside the test's folder
        const char* nombre;
        const char* titulo;
    };
    const TCaso casos[] = {
        {"ladera.bvx", "ladera.bvx", "Brovel - ladera"},
        {"mi.ladera.bvx", "mi.ladera.bvx", "Brovel - mi.ladera"},
        {"ladera", "ladera", "Brovel - ladera"},
        {"carpeta.v2/ladera", "ladera", "Brovel - ladera"},
    };
    for (const TCaso& caso : casos) {
        SCOPED_TRACE(caso.ruta);
        const std::string ruta = Ruta(caso.ruta);
        fs::create_directories(fs::path(ruta).parent_path());
        persona.archivosElegidos = {ruta};
        forma.GuardarComoExecute();
        EXPECT_EQ(forma.RutaProyecto, ruta);
        EXPECT_EQ(forma.NombreProyecto, caso.nombre);
        EXPECT_EQ(forma.Titulo(), caso.titulo);

        forma.NuevoExecute();
        EXPECT_EQ(forma.Titulo(), "Brovel - Sin Nombre");
        persona.archivosElegidos = {ruta};
        forma.AbrirExecute();
        EXPECT_EQ(forma.RutaProyecto, ruta);
        EXPECT_EQ(forma.NombreProyecto, caso.nombre);
        EXPECT_EQ(forma.Titulo(), caso.titulo);
    }
    EXPECT_TRUE(persona.errores.empty());
}

// Guardar on a new project asks where; once named, it writes without asking.
TEST_F(FormaBrovelProyecto, GuardarUnProyectoNuevoPideDonde) {
    const std::string ruta = Ruta("ladera.bvx");
    persona.archivosElegidos = {ruta};
    forma.GuardarExecute();
    EXPECT_EQ(persona.dialogos, std::vector<std::string>{"guardar"});
    EXPECT_EQ(forma.RutaProyecto, ruta);
    EXPECT_EQ(forma.NombreProyecto, "ladera.bvx");
    EXPECT_EQ(forma.Titulo(), "Brovel - ladera");
    const std::string texto = Contenido(ruta);
    EXPECT_EQ(texto.rfind("[Geometria]\r\nDeclive=6\r\nLongitud=60\r\n\r\n[Suelo]\r\nOpcion=1\r\n", 0), 0u) << texto;
    for (size_t i = texto.find('\n'); i != std::string::npos; i = texto.find('\n', i + 1))
        ASSERT_EQ(texto[i - 1], '\r') << "un LF sin CR en la posición " << i;

    forma.euLt.SetBaseValue(75);
    forma.GuardarExecute();
    EXPECT_EQ(persona.dialogos.size(), 1u);
    EXPECT_NE(Contenido(ruta).find("\r\nLongitud=75\r\n"), std::string::npos);
    EXPECT_TRUE(persona.errores.empty());
}

// A dialog left unanswered changes nothing: not the project, not the folder.
TEST_F(FormaBrovelProyecto, CancelarLosDialogosNoCambiaNada) {
    forma.AbrirExecute();
    forma.GuardarComoExecute();
    forma.GuardarExecute();
    EXPECT_EQ(persona.dialogos, (std::vector<std::string>{"abrir", "guardar", "guardar"}));
    EXPECT_EQ(forma.Titulo(), "Brovel - Sin Nombre");
    EXPECT_TRUE(forma.RutaProyecto.empty());
    EXPECT_TRUE(forma.NombreProyecto.empty());
    EXPECT_EQ(Archivos(), std::vector<std::string>{});

    Abrir("abierto.bvx", "[Geometria]\nDeclive=9\n");
    const std::string antes = Contenido(Ruta("abierto.bvx"));
    forma.euDt.SetBaseValue(4);
    forma.AbrirExecute();
    forma.GuardarComoExecute();
    EXPECT_EQ(persona.dialogos.size(), 5u);
    EXPECT_EQ(forma.Titulo(), "Brovel - abierto");
    EXPECT_EQ(forma.RutaProyecto, Ruta("abierto.bvx"));
    EXPECT_EQ(Valor(forma, "euDt"), 4.0);
    EXPECT_EQ(Contenido(Ruta("abierto.bvx")), antes);
    EXPECT_EQ(Archivos(), std::vector<std::string>{"abierto.bvx"});
}

TEST_F(FormaBrovelProyecto, AbrirPorElDialogoYNuevoDespues) {
    const std::string ruta = Ruta("abrir.bvx");
    Escribir(ruta, "[Geometria]\r\nDeclive=9\r\n[Suelo]\r\nOpcion=2\r\n");
    persona.archivosElegidos = {ruta};
    forma.AbrirExecute();
    EXPECT_EQ(persona.dialogos, std::vector<std::string>{"abrir"});
    EXPECT_EQ(forma.Titulo(), "Brovel - abrir");
    EXPECT_EQ(forma.RutaProyecto, ruta);
    EXPECT_EQ(forma.NombreProyecto, "abrir.bvx");
    EXPECT_EQ(Valor(forma, "euDt"), 9.0);
    EXPECT_EQ(forma.OpcionSuelo(), TOpcionSuelo::DiametroMedio);

    forma.NuevoExecute();
    EXPECT_EQ(forma.Titulo(), "Brovel - Sin Nombre");
    EXPECT_TRUE(forma.RutaProyecto.empty());
    EXPECT_TRUE(forma.NombreProyecto.empty());
    EXPECT_EQ(Valor(forma, "euDt"), 6.0);
    EXPECT_EQ(forma.OpcionSuelo(), TOpcionSuelo::Curva);
    EXPECT_TRUE(persona.errores.empty());
}

// A save that cannot be done says why, once, and leaves the folder as it was.
TEST_F(FormaBrovelProyecto, UnGuardadoFallidoNoTocaElArchivo) {
    struct TCaso {
        const char* nombre;
        const char* ruta;      // inside the test's folder
        const char* anterior;  // what the file held, read-only; none when it does not exist
        int error;
    };
    const TCaso casos[] = {
        {"un archivo de solo lectura", "soloLectura.bvx", "[Geometria]\r\nDeclive=3\r\n", EACCES},
        {"una carpeta que no existe", "no/existe/ladera.bvx", nullptr, ENOENT},
    };
    for (const TCaso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        TOtraForma otra;
        const std::string ruta = Ruta(caso.ruta);
        if (caso.anterior) {
            Escribir(ruta, caso.anterior);
            fs::permissions(ruta, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        }
        const std::vector<std::string> archivos = Archivos();

        otra.persona.archivosElegidos = {ruta};
        otra.forma.GuardarExecute();
        ASSERT_EQ(otra.persona.errores.size(), 1u);
        EXPECT_NE(otra.persona.errores[0].find(ruta), std::string::npos) << otra.persona.errores[0];
        EXPECT_NE(otra.persona.errores[0].find(TextoDelError(caso.error)), std::string::npos)
            << otra.persona.errores[0];
        EXPECT_FALSE(otra.forma.GuardarValores(ruta, caso.ruta));
        EXPECT_EQ(otra.persona.errores.size(), 2u);
        if (caso.anterior) {
            EXPECT_EQ(Contenido(ruta), caso.anterior);
        } else {
            EXPECT_FALSE(fs::exists(fs::path(ruta).parent_path()));
        }
        EXPECT_EQ(Archivos(), archivos);
        // The project takes the name it was to be saved under, as the caption shows.
        EXPECT_EQ(otra.forma.RutaProyecto, ruta);
        EXPECT_EQ(otra.forma.Titulo(), "Brovel - " + fs::path(ruta).stem().string());
    }
}

// The runoff taken from the runoff window is part of the project: it counts as a
// change, is saved with the runoff window's data that produced it, and a reopened
// project gives the same results and the same basin.
TEST_F(FormaBrovelProyecto, LaEscorrentiaTomadaSeGuardaConElProyecto) {
    persona.alMostrarZumbrel = [this] { forma.Zumbrel.euNc.SetBaseValue(70); };
    const std::string ruta = Ruta("tomada.bvx");
    ASSERT_TRUE(forma.GuardarValores(ruta, "tomada.bvx"));
    forma.btUsarZumbrel2Click();
    forma.MostrarPestana(TPestanaBrovel::Erosion);
    EXPECT_TRUE(forma.Modificado());
    const double vp = forma.Estado.Vp, cp = forma.Estado.Cp, pse = forma.Estado.PsE;
    EXPECT_NE(vp, 2000);
    ASSERT_TRUE(forma.GuardarValores(ruta, "tomada.bvx"));

    TOtraForma nueva;
    ASSERT_TRUE(nueva.forma.AbrirProyecto(ruta));
    nueva.forma.MostrarPestana(TPestanaBrovel::Erosion);
    EXPECT_EQ(nueva.forma.Estado.Vp, vp);
    EXPECT_EQ(nueva.forma.Estado.Cp, cp);
    EXPECT_EQ(nueva.forma.Estado.PsE, pse);
    EXPECT_EQ(nueva.forma.Zumbrel.euNc.GetBaseValue(), 70);
    EXPECT_FALSE(nueva.forma.Modificado());
}

}  // namespace
