#include "ui/windows/PanelReporte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include "docs/LectorRtf.h"
#include "ui/Escritorio.h"

namespace brovel {

TPanelReporte::TPanelReporte(QWidget* pagina, bool conPanelImprimir) : QObject(pagina) {
    auto* disposicion = new QVBoxLayout(pagina);
    disposicion->setContentsMargins(4, 4, 4, 4);
    if (conPanelImprimir) {
        auto* panel = new QWidget(pagina);
        auto* fila = new QHBoxLayout(panel);
        fila->setContentsMargins(0, 0, 0, 0);
        auto* imprimir = new QPushButton(QStringLiteral("Imprimir"), panel);
        imprimir->setObjectName(QStringLiteral("Button8"));
        fila->addWidget(imprimir);
        fila->addStretch(1);
        disposicion->addWidget(panel);
    }
    vista_ = new QTextEdit(pagina);
    vista_->setObjectName(QStringLiteral("JvxRichEdit1"));
    vista_->setReadOnly(true);
    vista_->setUndoRedoEnabled(false);
    // The report reads as a page, however wide the window.
    vista_->setLineWrapMode(QTextEdit::FixedPixelWidth);
    vista_->setLineWrapColumnOrWidth(880);
    disposicion->addWidget(vista_, 1);
}

void TPanelReporte::Cargar() {
    QTextDocument* documento = vista_->document();
    LeerRtf(buffer_, *documento);
    documento->setDocumentMargin(18);
}

void TPanelReporte::Construir(const std::function<std::string()>& construir) {
    vista_->setReadOnly(false);
    vista_->clear();
    buffer_.clear();
    try {
        buffer_ = construir();
    } catch (const std::exception& e) {
        TEscritorio::Actual().MostrarError(vista_->window(), QString::fromUtf8(e.what()));
        return;
    }
    Cargar();
    vista_->setReadOnly(true);
}

QString TPanelReporte::Imprimir(const QString& trabajo, const QString& titulo, const QString& proyecto,
                                const TPaginaFinal& graficos, QString& motivo) {
    const QPrinterInfo predeterminada = QPrinterInfo::defaultPrinter();
    if (predeterminada.isNull()) {
        motivo = QStringLiteral("No hay una impresora predeterminada");
        return {};
    }
    QPrinter impresora(predeterminada, QPrinter::HighResolution);
    impresora.setDocName(trabajo);
    impresora.setCreator(QStringLiteral("Brovel"));
    if (!impresora.isValid()) {
        motivo = QStringLiteral("La impresora «%1» no está disponible").arg(predeterminada.printerName());
        return {};
    }
    const int paginas =
        PaginarReporte(impresora, impresora.resolution(), *vista_->document(), titulo, proyecto, graficos);
    if (paginas < 0 || impresora.printerState() == QPrinter::Error || impresora.printerState() == QPrinter::Aborted) {
        motivo = QStringLiteral("La impresora «%1» no aceptó el trabajo").arg(predeterminada.printerName());
        return {};
    }
    return predeterminada.printerName();
}

void TPanelReporte::Exportar(QWidget* ventana, const QString& titulo, const QString& proyecto,
                             const std::function<std::string()>& construir, const TPaginaFinal& graficos) {
    const QString base = QFileInfo(proyecto.isEmpty() ? QStringLiteral("Reporte") : proyecto).completeBaseName();
    const QString sugerido = QDir(carpetaExportar_.isEmpty() ? QDir::currentPath() : carpetaExportar_)
                                 .filePath(base + QStringLiteral(".pdf"));
    const QString ruta = TEscritorio::Actual().ElegirArchivoParaGuardar(
        ventana, QStringLiteral("Exportar reporte"), sugerido,
        QStringLiteral("Documento PDF (*.pdf);;Documento RTF (*.rtf)"), QStringLiteral("pdf"));
    if (ruta.isEmpty()) return;
    carpetaExportar_ = QFileInfo(ruta).absolutePath();
    EjecutarProtegido(ventana, [&] {
        const std::string motivo =
            GuardarReporte(construir(), QFile::encodeName(ruta).toStdString(), titulo, proyecto, graficos);
        if (!motivo.empty()) TEscritorio::Actual().MostrarError(ventana, QString::fromStdString(motivo));
    });
}

}  // namespace brovel
