#pragma once

#include <string>

namespace startup {

// The information window's test text: how to read a result, the functions of the window, the
// test procedures and the closing credits of the edition (0 Vantora, 1 Pellisto). Lines end in
// CR LF.
std::string TestInformationText(int edition);

}  // namespace startup
