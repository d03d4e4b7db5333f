// The worked examples of the help: a new slope project and the runoff window as
// the program starts them, each recalculated up to its last tab, and the numbers
// they show. The document takes its numbers from here, so it always agrees with
// the program that ships with it.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/FormaBrovel.h"

namespace brovel::ayuda {

class TEjemploAyuda {
public:
    // Throws std::runtime_error when the defaults do not compute cleanly (an error
    // shown, a result left out of date): the help would then teach wrong numbers.
    TEjemploAyuda();
    TEjemploAyuda(const TEjemploAyuda&) = delete;
    TEjemploAyuda& operator=(const TEjemploAyuda&) = delete;

    // What a marker of the examples stands for:
    //   "euTeEResultado"          the field's number and unit as its window shows them
    //   "euTeEResultado.numero"   the number alone; ".unidad" the unit; ".titulo" the caption
    //   "estado.Et"               an intermediate value of a model that no field shows
    //   "filas.lluvia", "filas.escorrentia", "filas.hidrograma"
    //                             the rows of a result grid of the runoff window
    //   "grafico.hidrograma"      the picture of the default storm and its hydrograph
    // Nothing for any other name.
    std::optional<std::string> Resolver(std::string_view nombre);

    // The pictures made here, SVG text by the name the document uses.
    const std::map<std::string, std::string>& Imagenes() const { return imagenes_; }

    const TFormaBrovel& Ladera() const { return *ladera_; }
    const TFormaZumbrel& Cuenca() const { return ladera_->Zumbrel; }

private:
    class TPersonaAusente : public TInterlocutor {
    public:
        void MostrarError(const std::string& texto) override { errores.push_back(texto); }
        std::string ElegirProyectoParaAbrir() override { return {}; }
        std::string ElegirProyectoParaGuardar() override { return {}; }
        TRespuesta PreguntarGuardarCambios(const std::string&) override { return TRespuesta::No; }
        std::vector<std::string> errores;
    };

    std::optional<std::string> Campo(std::string_view nombre, std::string_view aspecto);
    std::string SvgHidrograma() const;

    TPersonaAusente persona_;
    std::unique_ptr<TFormaBrovel> ladera_;
    std::map<std::string, std::string> imagenes_;
};

}  // namespace brovel::ayuda
