// What every plot shares: its frame and fonts, how an axis takes the scale the
// form computed, and how a plot shows that what it draws is out of date.
#pragma once

#include <QColor>
#include <QString>

#include <string>

class QAbstractAxis;
class QChart;
class QValueAxis;

namespace brovel {

struct TEje;

inline const QColor kAzulGrafico(46, 110, 168);
inline const QColor kAzulClaroGrafico(140, 178, 214);
inline const QColor kNaranjaGrafico(214, 110, 30);
inline const QColor kGrisGrafico(160, 160, 160);

QString Texto(const std::string& texto);

// A plot as the windows show them: no rounded frame, small margins, the window's
// font sizes, its title bold, no legend unless asked for.
void PrepararGrafico(QChart* grafico);
// A title in the axis' font and the axis' grid in a light grey.
void PrepararEje(QAbstractAxis* eje);
// The axis takes the scale's title, range and marks.
void AplicarEje(QValueAxis* eje, const TEje& escala);
// The title, with a note when what is drawn is not current.
void PonerTitulo(QChart* grafico, const std::string& titulo, bool alDia);

}  // namespace brovel
