// The twelve-digit agreement as a GoogleTest assertion.
#pragma once

#include <gtest/gtest.h>

#include "Coincidencia.h"

namespace brovel {

inline ::testing::AssertionResult Cerca(long double real, long double esperado) {
    if (CoincideEnDoceCifras(real, esperado)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << Discrepancia(real, esperado);
}

}  // namespace brovel
