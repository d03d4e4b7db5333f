// What a form needs of a person: to be told of an error, to choose a file, and to
// say whether changes are to be saved. The window answers with its dialogs,
// brovel-calc with its error output, and tests record what was asked.
#pragma once

#include <string>

namespace brovel {

enum class TRespuesta { Si, No, Cancelar };

class TInterlocutor {
public:
    virtual ~TInterlocutor() = default;

    // The application's error box: a message and a single OK button.
    virtual void MostrarError(const std::string& texto) = 0;
    // The project file to open or to save into; empty when the person cancels.
    virtual std::string ElegirProyectoParaAbrir() = 0;
    virtual std::string ElegirProyectoParaGuardar() = 0;
    // "¿Desea guardar los cambios de «nombre»?", answered Sí, No or Cancelar.
    virtual TRespuesta PreguntarGuardarCambios(const std::string& nombre) = 0;
    // Shows the runoff window, modally, until the person closes it; a caller with
    // nobody to show it to closes it at once.
    virtual void MostrarZumbrel() {}
};

}  // namespace brovel
