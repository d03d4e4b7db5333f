// The keys that «ladera» and «escorrentia» print, each with the field of the
// window that shows it: its name, caption and base unit, read from the windows'
// field tables.
#pragma once

#include <string>

namespace brovel {

// A JSON object with a list for each order, keys in the order they are printed.
std::string ClavesComoJson();

}  // namespace brovel
