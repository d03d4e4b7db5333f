#include "ui/windows/Reflejo.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QApplication>
#include <QComboBox>
#include <QPalette>
#include <QRadioButton>
#include <QSignalBlocker>

#include <optional>
#include <stdexcept>

#include "forms/Lista.h"
#include "ui/windows/PanelEstado.h"

namespace brovel {

namespace {

// The widgets under `padre` by their names, each name given the widget a search
// by name finds first: a widget's children before any of theirs, in their order.
void Nombrar(const QObject* padre, std::map<QString, QWidget*>& nombres) {
    const QObjectList& hijos = padre->children();
    for (QObject* hijo : hijos)
        if (auto* widget = qobject_cast<QWidget*>(hijo); widget && !widget->objectName().isEmpty())
            nombres.try_emplace(widget->objectName(), widget);
    for (QObject* hijo : hijos) Nombrar(hijo, nombres);
}

}  // namespace

TNombresDeVentana::TNombresDeVentana(const QWidget* raiz) : raiz_(raiz) { Nombrar(raiz, nombres_); }

void AgruparOpciones(QObject* ventana, const TNombresDeVentana& controles, const std::vector<const char*>& nombres,
                     std::function<void(int)> alElegir) {
    auto* botones = new QButtonGroup(ventana);
    for (int i = 0; i < static_cast<int>(nombres.size()); ++i) {
        auto* boton = controles.Buscar<QRadioButton>(QString::fromLatin1(nombres[static_cast<size_t>(i)]));
        botones->addButton(boton);
        QObject::connect(boton, &QRadioButton::toggled, ventana, [alElegir, i](bool marcado) {
            if (marcado) alElegir(i);
        });
    }
}

std::vector<QRadioButton*> BuscarOpciones(const TNombresDeVentana& controles, const std::vector<const char*>& nombres) {
    std::vector<QRadioButton*> botones;
    botones.reserve(nombres.size());
    for (const char* nombre : nombres) botones.push_back(controles.Buscar<QRadioButton>(QString::fromLatin1(nombre)));
    return botones;
}

void ReflejarOpcion(QRadioButton* boton) {
    if (boton->isChecked()) return;
    const QSignalBlocker bloqueo(boton);
    boton->setChecked(true);
}

void ReflejarCasilla(QCheckBox* casilla, bool marcada) {
    if (casilla->isChecked() == marcada) return;
    const QSignalBlocker bloqueo(casilla);
    casilla->setChecked(marcada);
}

void ReflejarLista(QComboBox* selector, const TLista& lista, std::vector<std::string>& puestas) {
    const QSignalBlocker bloqueo(selector);
    if (selector->count() != static_cast<int>(puestas.size()) || puestas != lista.items) {
        selector->clear();
        for (const std::string& item : lista.items) selector->addItem(QString::fromStdString(item));
        puestas = lista.items;
    }
    if (selector->currentIndex() != lista.indice) selector->setCurrentIndex(lista.indice);
}

void ReflejarVisibilidad(const QWidget* raiz, const std::map<std::string, bool, std::less<>>& visibilidad,
                         TControlesPorNombre& controles, const TNombresDeVentana* conocidos) {
    // The window is walked once for all the names not met before, not once for each.
    std::optional<TNombresDeVentana> propios;
    const auto buscar = [&](const std::string& nombre) -> QWidget* {
        if (!conocidos) conocidos = &propios.emplace(raiz);
        return conocidos->Buscar<QWidget>(QString::fromStdString(nombre));
    };
    // Both maps are in the names' order: one walk goes through both.
    auto control = controles.begin();
    for (const auto& [nombre, mostrado] : visibilidad) {
        while (control != controles.end() && control->first < nombre) ++control;
        if (control == controles.end() || control->first != nombre)
            control = controles.emplace_hint(control, nombre, buscar(nombre));
        QWidget* widget = control->second;
        // A name the window does not know is a fault of the form's rules, not a
        // control to leave as it is.
        if (!widget) throw std::logic_error("la ventana no tiene el control " + nombre);
        if (widget->isHidden() == mostrado) widget->setVisible(mostrado);
        ++control;
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
    paleta.setColor(QPalette::Text, viejo ? kRojoApagado : QApplication::palette(resultado).color(QPalette::Text));
    resultado->setPalette(paleta);
    resultado->setToolTip(viejo ? ayuda : resultado->property("ayuda").toString());
}

}  // namespace brovel
