// The tabs of each window, in the order the window shows them: a view passes
// the index of the tab it shows, and everything else names the tab.
#pragma once

namespace brovel {

// The slope window. The report's tab shows what Erosión computes.
enum class TPestanaBrovel { Geometria, Suelo, Forzantes, Condicionantes, Disipacion, Erosion, Reporte };

// The runoff window. The report's tab shows what Escorrentía computes.
enum class TPestanaZumbrel { Geometria, Suelo, Forzantes, Condicionantes, Escorrentia, Reporte };

// The tab's place in its window.
constexpr int Indice(TPestanaBrovel pestana) { return static_cast<int>(pestana); }
constexpr int Indice(TPestanaZumbrel pestana) { return static_cast<int>(pestana); }

}  // namespace brovel
