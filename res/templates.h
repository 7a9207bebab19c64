// The dialog templates of the program, as layout data.
#pragma once

#include "platform/layout.h"

namespace res {

const platform::DialogTemplate& MainTemplate();      // IDD_MAIN
const platform::DialogTemplate& AboutTemplate();     // IDD_ABOUT
const platform::DialogTemplate& OptionsTemplate();   // IDD_OPTIONS
const platform::DialogTemplate& AddAlarmTemplate();  // IDD_ADD_ALARM

// The product's web site: its host name, in capitals on the About dialog's
// button, and the product page at its top.
inline constexpr const char* kWebButtonCaption = "WWW.SELVANTORA.ORG";
inline constexpr const char* kProductPage = "https://www.selvantora.org/selvantora.html";
inline constexpr const char* kHelpPage = "selvantorahelp.html";
inline constexpr const char* kVersionText = "Selvantora version 2.0.5";

// Every template, for front ends that build or check them all.
const platform::DialogTemplate* FindTemplate(int id);

}  // namespace res
