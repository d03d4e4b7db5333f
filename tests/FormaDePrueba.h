// What the slope form's tests share: an interlocutor that records what the form
// asks of a person, and a form that starts as a new window does.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Cerca.h"
#include "forms/FormaBrovel.h"

namespace brovel::pruebas {

class TInterlocutorDePrueba : public TInterlocutor {
public:
    void MostrarError(const std::string& texto) override { errores.push_back(texto); }
    std::string ElegirProyectoParaAbrir() override { return Elegir("abrir"); }
    std::string ElegirProyectoParaGuardar() override { return Elegir("guardar"); }
    TRespuesta PreguntarGuardarCambios(const std::string& nombre) override {
        preguntas.push_back(nombre);
        if (respuestas.empty()) return TRespuesta::No;
        const TRespuesta respuesta = respuestas.front();
        respuestas.erase(respuestas.begin());
        return respuesta;
    }

    void MostrarZumbrel() override {
        ++zumbrelMostrado;
        if (alMostrarZumbrel) alMostrarZumbrel();
    }

    std::vector<std::string> errores;
    // How often the runoff window was shown, and what the person does in it.
    int zumbrelMostrado = 0;
    std::function<void()> alMostrarZumbrel;
    // "abrir" or "guardar", one per file dialog asked for.
    std::vector<std::string> dialogos;
    // What the next file dialogs answer, in turn; once they run out, they are cancelled.
    std::vector<std::string> archivosElegidos;
    // The names asked about, and what the next questions answer, in turn; once the
    // answers run out, No.
    std::vector<std::string> preguntas;
    std::vector<TRespuesta> respuestas;

private:
    std::string Elegir(const char* dialogo) {
        dialogos.emplace_back(dialogo);
        if (archivosElegidos.empty()) return {};
        std::string ruta = archivosElegidos.front();
        archivosElegidos.erase(archivosElegidos.begin());
        return ruta;
    }
};

// Test names come from each row's `nombre`.
template <class TCaso>
std::string NombreDeCaso(const ::testing::TestParamInfo<TCaso>& info) {
    return info.param.nombre;
}

// A form as the window starts it: a new project, on the Geometría tab.
class FormaBrovelPrueba : public ::testing::Test {
protected:
    TInterlocutorDePrueba persona;
    TFormaBrovel forma{persona};
    TEstadoBrovel& e = forma.Estado;
};

}  // namespace brovel::pruebas
