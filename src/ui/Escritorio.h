// Everything the program asks of the desktop: error boxes, the beep, modal dialogs,
// the file dialogs and the document opener. Tests put a recorder in its place, so
// the windows' behaviour can be checked without anyone pressing OK.
#pragma once

#include <QString>

#include <exception>

class QDialog;
class QWidget;

namespace brovel {

class TEscritorio {
public:
    virtual ~TEscritorio() = default;

    // A modal error box with a single OK button.
    virtual void MostrarError(QWidget* dueno, const QString& texto);
    // The same box with a second button that opens the folder `carpeta` with the
    // desktop's file manager; without a folder, the plain error box.
    virtual void MostrarErrorConCarpeta(QWidget* dueno, const QString& texto, const QString& carpeta);
    virtual void Pitido();
    // A question answered Sí, No or Cancelar: QMessageBox::Yes, No or Cancel.
    virtual int PreguntarSiNoCancelar(QWidget* dueno, const QString& texto);
    virtual int MostrarModal(QDialog& dialogo);
    // The path chosen, or an empty text when the user cancels. The name need not
    // exist; `sufijo` is added to a name typed without an extension.
    virtual QString ElegirArchivoParaAbrir(QWidget* dueno, const QString& titulo, const QString& carpeta,
                                           const QString& filtro, const QString& sufijo);
    // As above, asking before an existing file is replaced.
    virtual QString ElegirArchivoParaGuardar(QWidget* dueno, const QString& titulo, const QString& carpeta,
                                             const QString& filtro, const QString& sufijo);
    // Asks the desktop to open a document with its default program; false when it
    // reports that it could not.
    virtual bool AbrirDocumento(const QString& ruta);

    static TEscritorio& Actual();
    // Puts `escritorio` in place of the real desktop; nullptr restores it.
    static void Instalar(TEscritorio* escritorio);
};

// Runs a handler's work; an error that escapes it (a field whose text is not a
// number, a file that cannot be read) is shown in the application's error box and
// the program goes on.
template <typename F>
void EjecutarProtegido(QWidget* dueno, F&& trabajo) {
    try {
        trabajo();
    } catch (const std::exception& e) {
        TEscritorio::Actual().MostrarError(dueno, QString::fromUtf8(e.what()));
    }
}

}  // namespace brovel
