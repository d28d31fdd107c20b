// The host's handle owners: the shared GDI and USER handle owners.
#pragma once
#include "gdiplus/gdi_handles.h"

namespace host {

using gdi::CursorHandle;
using gdi::DisplayDC;
using gdi::GdiObject;
using gdi::IconHandle;
using gdi::OwnedDC;
using gdi::PaintDC;
using gdi::SelectedObject;
using gdi::UniqueHandle;
using gdi::WindowDC;

}  // namespace host
