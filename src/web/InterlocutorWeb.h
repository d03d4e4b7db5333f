// What the forms ask of a person, answered by the page. A page cannot stop a call
// to wait for a dialog, so it asks first and leaves its answers here (whether to
// save the changes, the file to save into); the error boxes are kept in order until
// the page takes them and shows them.
#pragma once

#include <string>
#include <vector>

#include "forms/Interlocutor.h"

namespace brovel {

class TInterlocutorWeb : public TInterlocutor {
public:
    void MostrarError(const std::string& texto) override { errores.push_back(texto); }
    std::string ElegirProyectoParaAbrir() override { return Tomar(rutaParaAbrir); }
    std::string ElegirProyectoParaGuardar() override { return Tomar(rutaParaGuardar); }
    TRespuesta PreguntarGuardarCambios(const std::string& nombre) override {
        preguntado = nombre;
        return respuesta;
    }

    // The answers the page gave beforehand; each path is used once.
    std::string rutaParaAbrir;
    std::string rutaParaGuardar;
    TRespuesta respuesta = TRespuesta::Cancelar;
    // The project named by the last question, if one was asked.
    std::string preguntado;
    // The error boxes not yet shown.
    std::vector<std::string> errores;

private:
    static std::string Tomar(std::string& ruta) {
        std::string tomada = std::move(ruta);
        ruta.clear();
        return tomada;
    }
};

}  // namespace brovel
