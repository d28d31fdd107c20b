// The GDI+ object layer: every wrapper class in one include.
#pragma once

#include "gdiplus/brushes.h"
#include "gdiplus/gdip_base.h"
#include "gdiplus/graphics.h"
#include "gdiplus/graphics_path.h"
#include "gdiplus/image.h"
#include "gdiplus/memory_stream.h"
#include "gdiplus/pen.h"
#include "gdiplus/region.h"
#include "gdiplus/text.h"
