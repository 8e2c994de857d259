// The small pictures (24 × 24, drawn with the canvas) that the buttons of the windows carry.
#pragma once

#include <QIcon>

enum class Glyphe { HinweisOffen, HinweisZu, BuchOffen, BuchZu, Zurueck, Licht, Pause, Start, Info, Ende, Neutral };
QIcon GlyphBild(Glyphe g);
