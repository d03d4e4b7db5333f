// The parts of the help written from the program's own tables: the glossary of
// every field of a window (caption, units, range and the sentence its tooltip
// shows) and the list of the reference tables.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "forms/CamposBrovel.h"

namespace brovel::ayuda {

// The text with "&", "<", ">" and '"' written as HTML entities.
std::string EscaparHtml(std::string_view texto);

// A key that sorts Spanish captions as a reader expects: without regard to case
// or accents ("Área" with the "a", "Índice" with the "i").
std::string ClaveDeOrden(std::string_view texto);

// How a field's values may run, as the glossary says it: "de 0.9 a 120 m",
// "desde 0 %", or empty for a field without a range test.
std::string RangoDeCampo(const TDefinicionCampo& campo);

// The glossary of a window's fields as HTML table rows, in alphabetical order of
// their captions; a field shown on two tabs with the same help appears once.
std::string FilasDeGlosario(const std::vector<TDefinicionCampo>& campos);

// One HTML table row per reference table: code, caption, rows and how the
// chosen value reaches its field.
std::string FilasDeTablas();

}  // namespace brovel::ayuda
