// The pictures on the caption buttons: small PNG glyphs drawn by the engine
// itself, a white symbol with a dark drop shadow on a transparent field and
// a faint light line along the top edge.
#pragma once

#include "engine/control_entries.h"
#include "engine/window_registry.h"

namespace skin {

enum class CaptionGlyph { Help, Menu, Minimize, Maximize, Restore, Close };

// Pixel size of a glyph: 38 x 18 for the close button, 26 x 18 for the rest.
SIZE captionGlyphSize(CaptionGlyph glyph);

// The glyph as PNG bytes; empty when GDI+ is not running.
Bytes captionGlyph(CaptionGlyph glyph);

} // namespace skin
