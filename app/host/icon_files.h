// Icons and cursors made from the bytes of .ico and .cur files.
#pragma once
#include "bytes.h"
#include "handles.h"

namespace host {

// The first image of an icon or cursor file, as an icon (for drawing).
// Empty when the bytes are not such a file.
IconHandle iconFromFile(ByteSpan file);

// The first image of a cursor file as a cursor with the file's hotspot (an
// icon file gives a cursor with its hotspot in the middle). Empty when the
// bytes are not such a file.
CursorHandle cursorFromFile(ByteSpan file);

}  // namespace host
