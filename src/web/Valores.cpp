#include "web/Valores.h"

#include <emscripten/bind.h>

namespace brovel::web {

val Texto(std::string_view texto) { return val(std::string(texto)); }

val Textos(const std::vector<std::string>& textos) {
    val lista = val::array();
    for (const std::string& t : textos) lista.call<void>("push", t);
    return lista;
}

val Numeros(const std::vector<double>& numeros) {
    val lista = val::array();
    for (double x : numeros) lista.call<void>("push", x);
    return lista;
}

std::string BytesDe(const val& arreglo) {
    const size_t largo = arreglo["length"].as<size_t>();
    std::string bytes(largo, '\0');
    if (largo == 0) return bytes;
    val vista(emscripten::typed_memory_view(largo, reinterpret_cast<unsigned char*>(bytes.data())));
    vista.call<void>("set", arreglo);
    return bytes;
}

val ArregloDe(std::string_view bytes) {
    val vista(emscripten::typed_memory_view(bytes.size(), reinterpret_cast<const unsigned char*>(bytes.data())));
    return vista.call<val>("slice");
}

val DefinicionDe(const TDefinicionCampo& d, const TCantidad& campo) {
    val o = val::object();
    o.set("nombre", Texto(d.nombre));
    o.set("titulo", Texto(d.titulo));
    val unidades = val::array();
    for (const TUnidad& u : campo.Unidades()) unidades.call<void>("push", u.nombre);
    o.set("unidades", unidades);
    o.set("ayuda", Texto(d.ayuda));
    o.set("resultado", d.clase == TClaseCampo::Resultado);
    return o;
}

val EstadoDeCampo(const TCantidad& campo, const std::string& motivo) {
    val o = val::object();
    o.set("texto", campo.Text());
    o.set("unidad", campo.CurrentUnit());
    o.set("motivo", motivo);
    return o;
}

val EstadoDeLista(const TLista& lista) {
    val o = val::object();
    o.set("items", Textos(lista.items));
    o.set("indice", lista.indice);
    return o;
}

val VisibilidadDe(const std::map<std::string, bool, std::less<>>& visibles) {
    val o = val::object();
    for (const auto& [control, visible] : visibles) o.set(control, visible);
    return o;
}

val EjeDe(const TEje& eje) {
    val o = val::object();
    o.set("titulo", eje.titulo);
    o.set("minimo", eje.minimo);
    o.set("maximo", eje.maximo);
    o.set("marcas", eje.marcas);
    o.set("intervalo", eje.intervalo);
    return o;
}

val PuntosDe(const std::vector<TPuntoGrafico>& puntos) {
    val x = val::array(), y = val::array();
    for (const TPuntoGrafico& p : puntos) {
        x.call<void>("push", p.x);
        y.call<void>("push", p.y);
    }
    val o = val::object();
    o.set("x", x);
    o.set("y", y);
    return o;
}

val DatosTiempoDe(const TDatosTiempo& d) {
    val o = val::object();
    o.set("titulo", TituloMostrado(d.titulo, d.alDia));
    o.set("ejeX", EjeDe(d.ejeX));
    o.set("ejeLinea", EjeDe(d.ejeLinea));
    o.set("ejeBarras", EjeDe(d.ejeBarras));
    o.set("nombreLinea", d.nombreLinea);
    o.set("nombreBarras", d.nombreBarras);
    o.set("linea", PuntosDe(d.linea));
    val barras = val::array();
    for (const TBarra& b : d.barras) {
        val barra = val::object();
        barra.set("desde", b.desde);
        barra.set("hasta", b.hasta);
        barra.set("valor", b.valor);
        barras.call<void>("push", barra);
    }
    o.set("barras", barras);
    if (d.pico) {
        val pico = val::object();
        pico.set("x", d.pico->x);
        pico.set("y", d.pico->y);
        o.set("pico", pico);
    }
    o.set("rotuloPico", d.rotuloPico);
    o.set("alDia", d.alDia);
    return o;
}

val TablaDe(const TTablaReferencia& tabla, const TEntradaCatalogo& entrada) {
    val o = val::object();
    o.set("codigo", tabla.Codigo());
    o.set("titulo", std::string(entrada.titulo));
    o.set("eligeFila", tabla.EligeFila());
    o.set("referencias", entrada.referencias);
    val columnas = val::array();
    val numericas = val::array();
    for (int c = TTablaReferencia::kPrimeraColumnaVisible; c < tabla.CantidadColumnas(); ++c) {
        columnas.call<void>("push", tabla.Columnas()[static_cast<size_t>(c)].titulo);
        numericas.call<void>("push", tabla.Columnas()[static_cast<size_t>(c)].tipo != TTipoColumna::Texto);
    }
    o.set("columnas", columnas);
    o.set("numericas", numericas);
    val filas = val::array();
    for (int f = 0; f < tabla.CantidadFilas(); ++f) {
        val fila = val::object();
        val celdas = val::array();
        val elegibles = val::array();
        for (int c = TTablaReferencia::kPrimeraColumnaVisible; c < tabla.CantidadColumnas(); ++c) {
            celdas.call<void>("push", TextoDeCelda(tabla.Celda(f, c)));
            elegibles.call<void>("push", tabla.NumeroElegible(f, c).has_value());
        }
        fila.set("celdas", celdas);
        fila.set("elegibles", elegibles);
        fila.set("mostrar", tabla.Mostrar(f));
        fila.set("blanco", tabla.FondoBlanco(f));
        filas.call<void>("push", fila);
    }
    o.set("filas", filas);
    return o;
}

}  // namespace brovel::web
