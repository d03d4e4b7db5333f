// Nobody to ask: the benchmarks' forms report nothing and choose nothing.
#pragma once

#include "forms/Interlocutor.h"

namespace brovel {

class TInterlocutorMudo : public TInterlocutor {
public:
    void MostrarError(const std::string&) override {}
    std::string ElegirProyectoParaAbrir() override { return {}; }
    std::string ElegirProyectoParaGuardar() override { return {}; }
    TRespuesta PreguntarGuardarCambios(const std::string&) override { return TRespuesta::No; }
};

}  // namespace brovel
