#include "ui/windows/Reflejo.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QApplication>
#include <QComboBox>
#include <QPalette>
#include <QRadioButton>
#include <QSignalBlocker>

#include "forms/Lista.h"
#include "ui/windows/PanelEstado.h"

namespace brovel {

void AgruparOpciones(QObject* ventana, const QWidget* raiz, const std::vector<const char*>& nombres,
                     std::function<void(int)> alElegir) {
    auto* botones = new QButtonGroup(ventana);
    for (int i = 0; i < static_cast<int>(nombres.size()); ++i) {
        auto* boton = raiz->findChild<QRadioButton*>(QString::fromLatin1(nombres[static_cast<size_t>(i)]));
        botones->addButton(boton);
        QObject::connect(boton, &QRadioButton::toggled, ventana, [alElegir, i](bool marcado) {
            if (marcado) alElegir(i);
        });
    }
}

void ReflejarOpcion(const QWidget* raiz, const char* nombre) {
    auto* boton = raiz->findChild<QRadioButton*>(QString::fromLatin1(nombre));
    const QSignalBlocker bloqueo(boton);
    if (!boton->isChecked()) boton->setChecked(true);
}

void ReflejarCasilla(QCheckBox* casilla, bool marcada) {
    const QSignalBlocker bloqueo(casilla);
    casilla->setChecked(marcada);
}

void ReflejarLista(QComboBox* selector, const TLista& lista) {
    const QSignalBlocker bloqueo(selector);
    bool iguales = selector->count() == static_cast<int>(lista.items.size());
    for (int k = 0; iguales && k < selector->count(); ++k)
        iguales = selector->itemText(k).toStdString() == lista.items[static_cast<size_t>(k)];
    if (!iguales) {
        selector->clear();
        for (const std::string& item : lista.items) selector->addItem(QString::fromStdString(item));
    }
    if (selector->currentIndex() != lista.indice) selector->setCurrentIndex(lista.indice);
}

void ReflejarVisibilidad(const QWidget* raiz, const std::map<std::string, bool, std::less<>>& visibilidad,
                         QHash<QString, QWidget*>& controles) {
    for (const auto& [nombre, mostrado] : visibilidad) {
        const QString clave = QString::fromStdString(nombre);
        auto control = controles.find(clave);
        if (control == controles.end()) control = controles.insert(clave, raiz->findChild<QWidget*>(clave));
        if (*control && (*control)->isHidden() == mostrado) (*control)->setVisible(mostrado);
    }
}

void ReflejarEstado(TPanelEstado* panel, const std::string& texto, bool enError) {
    const QString estado = QString::fromStdString(texto);
    if (panel->text() == estado && panel->EnError() == enError) return;
    if (enError)
        panel->MostrarError(estado);
    else
        panel->MostrarOk();
}

void ReflejarVigencia(QWidget* resultado, const std::string& motivo) {
    static const QColor kRojoApagado(168, 58, 58);
    static const QString kNoCalculado =
        QStringLiteral("No se pudo calcular con los datos actuales; se muestra el último valor calculado");
    const bool viejo = !motivo.empty();
    const QString ayuda = viejo ? kNoCalculado + QStringLiteral(".\n") + QString::fromStdString(motivo) : QString();
    if (resultado->property("desactualizado").toBool() == viejo && (!viejo || resultado->toolTip() == ayuda)) return;
    if (viejo && !resultado->property("desactualizado").toBool()) resultado->setProperty("ayuda", resultado->toolTip());
    resultado->setProperty("desactualizado", viejo);
    QPalette paleta = resultado->palette();
    paleta.setColor(QPalette::Text,
                    viejo ? kRojoApagado : QApplication::palette(resultado).color(QPalette::Text));
    resultado->setPalette(paleta);
    resultado->setToolTip(viejo ? ayuda : resultado->property("ayuda").toString());
}

}  // namespace brovel
