// The system's errors in the program's own language: a file that is not there, a
// full disk or a read-only file system are said in Spanish whatever the machine's
// language, in the windows and in brovel-calc alike.
#pragma once

#include <string>

namespace brovel {

// The sentence for a system error number (errno). One the program has no words
// for keeps the system's own text after a Spanish sentence.
std::string TextoDelError(int error);

}  // namespace brovel
