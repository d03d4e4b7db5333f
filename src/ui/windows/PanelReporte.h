// The "Reporte" tab of either window: the report view, the report's RTF as it was
// last built, and what is done with it (build, print, export).
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <string>

#include "docs/ExportarReporte.h"

class QTextEdit;
class QWidget;

namespace brovel {

class TPanelReporte : public QObject {
public:
    // Fills the tab's page: the view, and above it a panel with a button "Imprimir"
    // that does nothing, where the window has one.
    TPanelReporte(QWidget* pagina, bool conPanelImprimir);

    // Empties the view and the buffer, builds the report and shows it. A failure
    // goes to the application's error box and leaves the view empty.
    void Construir(const std::function<std::string()>& construir);

    // Prints what the view shows on the default printer as one job titled
    // `trabajo`, in the pages of the PDF export (`titulo` and `proyecto` in the
    // footer, the page of `graficos` last). The printer's name; empty, with the
    // reason in `motivo`, when there is no default printer or the job fails.
    QString Imprimir(const QString& trabajo, const QString& titulo, const QString& proyecto,
                     const TPaginaFinal& graficos, QString& motivo);

    // Asks for a file and saves the report built now as PDF or RTF, by the type
    // chosen; errors go to the error box.
    void Exportar(QWidget* ventana, const QString& titulo, const QString& proyecto,
                  const std::function<std::string()>& construir, const TPaginaFinal& graficos = {});

    QTextEdit* Vista() const { return vista_; }
    const std::string& Buffer() const { return buffer_; }

private:
    void Cargar();

    QTextEdit* vista_;
    std::string buffer_;
    QString carpetaExportar_;
};

}  // namespace brovel
