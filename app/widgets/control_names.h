#pragma once

#include <string>

class QWidget;

namespace widgets {

// Names a control as the program's design names it: its objectName is the name, followed by "_"
// and the index for a member of a control array ("RunTEST_3"), so tests find it; its accessible
// name is the caption a person sees, for screen readers and tests alike.
void NameControl(QWidget& control, const std::string& name, int index = -1,
                 const std::string& caption = {});

}  // namespace widgets
