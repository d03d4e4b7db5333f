// What a form needs of a person: to be told of an error and to choose a file. The
// window answers with its dialogs, brovel-calc with its error output, and tests
// record what was asked.
#pragma once

#include <string>

namespace brovel {

class TInterlocutor {
public:
    virtual ~TInterlocutor() = default;

    // The application's error box: a message and a single OK button.
    virtual void MostrarError(const std::string& texto) = 0;
    // The project file to open or to save into; empty when the person cancels.
    virtual std::string ElegirProyectoParaAbrir() = 0;
    virtual std::string ElegirProyectoParaGuardar() = 0;
};

}  // namespace brovel
