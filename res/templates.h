// The dialog templates of the program, as layout data.
#pragma once

#include "platform/layout.h"

namespace res {

const platform::DialogTemplate& MainTemplate();  // IDD_MAIN

// Every template, for front ends that build or check them all.
const platform::DialogTemplate* FindTemplate(int id);

}  // namespace res
