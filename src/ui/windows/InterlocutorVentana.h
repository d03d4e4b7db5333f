// The slope window answering its form: the application's error box, the file
// dialogs of the project commands and the question before changes are lost.
#pragma once

#include "forms/Interlocutor.h"
#include "ui/windows/MainBrovel.h"

namespace brovel {

class TMainFormBrovel::TInterlocutorVentana : public TInterlocutor {
public:
    explicit TInterlocutorVentana(TMainFormBrovel& ventana) : ventana_(ventana) {}

    void MostrarError(const std::string& texto) override;
    std::string ElegirProyectoParaAbrir() override;
    std::string ElegirProyectoParaGuardar() override;
    TRespuesta PreguntarGuardarCambios(const std::string& nombre) override;
    void MostrarZumbrel() override;

private:
    TMainFormBrovel& ventana_;
};

}  // namespace brovel
