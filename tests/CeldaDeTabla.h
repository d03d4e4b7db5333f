// Finding a cell of the table picker as a user does: by the text of its row and
// the title of its column.
#pragma once

#include <QAbstractItemModel>
#include <QDialog>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <stdexcept>

#include "ui/tables/Seleccion.h"

namespace brovel {

inline int Columna(const TSeleccionForm& picker, const QString& titulo) {
    const QAbstractItemModel* modelo = picker.Grid->model();
    for (int c = 0; c < modelo->columnCount(); ++c)
        if (modelo->headerData(c, Qt::Horizontal).toString() == titulo) return c;
    return -1;
}

// The first row that reads `texto` in its first shown column or, failing that, in
// the second (the name of a forage, under its kind).
inline int Fila(const TSeleccionForm& picker, const QString& texto) {
    const QAbstractItemModel* modelo = picker.Grid->model();
    for (int c = 0; c < 2; ++c)
        for (int f = 0; f < modelo->rowCount(); ++f)
            if (modelo->index(f, c).data().toString() == texto) return f;
    return -1;
}

inline QModelIndex Celda(const TSeleccionForm& picker, const QString& fila, const QString& columna) {
    return picker.Grid->model()->index(Fila(picker, fila), Columna(picker, columna));
}

inline TSeleccionForm& Mostrado(QDialog& dialogo) {
    auto* picker = dynamic_cast<TSeleccionForm*>(&dialogo);
    if (!picker) throw std::logic_error("se mostró otro diálogo");
    picker->show();
    return *picker;
}

// Puts the picker's cursor on a cell and presses OK, as the user does.
inline void ElegirCelda(QDialog& dialogo, const QString& fila, const QString& columna) {
    TSeleccionForm& picker = Mostrado(dialogo);
    const QModelIndex celda = Celda(picker, fila, columna);
    QVERIFY2(celda.isValid(), qPrintable(fila + " / " + columna));
    picker.Grid->setCurrentIndex(celda);
    QTest::mouseClick(picker.BitBtn1, Qt::LeftButton);
}

}  // namespace brovel
