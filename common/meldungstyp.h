// The kind of a message: the model decides it, the windows show it in a typed message box.
#pragma once

enum class MeldungsTyp { Fehler, Warnung, Information };
