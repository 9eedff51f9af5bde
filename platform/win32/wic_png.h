#pragma once

#include "graphics/image.h"

#include <string>

namespace vorrelin::win32 {

// A picture as PNG with its resolution, encoded by the Windows Imaging Component straight from
// its pixels. Throws SystemError if WIC cannot.
std::string EncodePng(const ImageView& picture);

} // namespace vorrelin::win32
