// A player's name inside a label's text. A name may hold right-to-left
// letters or the invisible controls that set a text's direction, and either
// can turn the rest of the label around it ("abc won:  2" read as
// "2  :now cba"). Such a name is shown as an isolate, which the text around
// it treats as one neutral character; any other name is shown as it is.
#pragma once

#include <QString>

namespace velmora::statwidgets {

// `name` ready to be joined with the label's own words.
QString IsolatedName(const QString& name);

}  // namespace velmora::statwidgets
