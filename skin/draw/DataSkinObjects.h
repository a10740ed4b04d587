#pragma once

// The skin objects over GDI bitmaps: what the drawing primitives draw and
// the skin set holds.

#include "framework/graphics/Bitmap.h"
#include "skin/description/SkinObjects.h"

namespace tandrel {

using TDataSkinObject = TSkinObjectOf<TBitmap>;
using TDataSkinBorder = TSkinBorderOf<TBitmap>;
using TDataSkinTitle = TSkinTitleOf<TBitmap>;
using TDataSkinButton = TSkinButtonOf<TBitmap>;
using TDataSkinSysButton = TSkinSysButtonOf<TBitmap>;

} // namespace tandrel
