// What a new slope project starts with besides its fields' own values: the
// grain-size curve and the rain of each hyetograph, each as long as its count.
#pragma once

#include <iterator>

namespace brovel {

// The grain-size curve: diameter in mm and percent passing of each point.
inline constexpr double kDiametrosCurvaNueva[] = {4.76, 2.0, 0.42, 0.25, 0.15, 0.07, 0.05, 0.005, 0.0005};
inline constexpr double kPasantesCurvaNueva[] = {100, 100, 99, 98, 84.8, 64.5, 43, 12.5, 1};
// The representative hyetograph, and the second of the series (the first is the
// representative one), in mm per step.
inline constexpr double kHietogramaRepresentativoNuevo[] = {1.27, 1.78, 5.84, 17.8, 3.81, 1.27, 0, 1.27};
inline constexpr double kSegundoHietogramaNuevo[] = {2.4, 11.6, 41.4, 9.2, 5.3, 4.0, 0, 0};
inline constexpr int kHietogramasSerieNueva = 2;
// The extreme storm and the event, in mm per step.
inline constexpr double kTormentaNueva[] = {9.4, 22.6, 73.4, 13.2, 7.3, 6.0};

static_assert(std::size(kDiametrosCurvaNueva) == std::size(kPasantesCurvaNueva));
static_assert(std::size(kHietogramaRepresentativoNuevo) == std::size(kSegundoHietogramaNuevo));

}  // namespace brovel
