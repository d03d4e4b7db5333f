// Agreement of a computed number with an expected one to twelve significant
// digits: the model keeps its results as doubles, so the last few digits of a
// long chain of operations are not part of the answer.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>

namespace brovel {

inline ::testing::AssertionResult Cerca(long double real, long double esperado) {
    if (std::fabs(real - esperado) <= 1e-12L * std::fabs(esperado)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::setprecision(17) << "se obtuvo " << real << ", se esperaba "
                                         << esperado;
}

}  // namespace brovel
