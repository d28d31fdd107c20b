// The engine's handle owners: the shared GDI handle owners.
#pragma once
#include "gdiplus/gdi_handles.h"

namespace skin {

using gdi::DeleteGdiObject;
using gdi::GdiObject;
using gdi::OwnedDC;
using gdi::SelectedObject;
using gdi::UniqueHandle;
using gdi::WindowDC;

} // namespace skin
