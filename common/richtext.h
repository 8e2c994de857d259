// Rich text of the windows, in one include: the control and its writer (richedit.h), the
// styles (textstil.h), the markup renderer (markup.h) and the text files (textdatei.h).
#pragma once

#include "markup.h"
#include "richedit.h"
#include "textdatei.h"
#include "textstil.h"
