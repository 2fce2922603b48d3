#pragma once

#include <string>
#include <variant>

#include "platform/gfx/bitmap.h"
#include "platform/win/pe_module.h"

namespace vemra::media {

// Album picture `number` from the picture library "data3\qem002.dat": the JPEG bytes of the
// resource "AK<number>" of type "JPG", as many as string `number` of the module's string table
// says, decoded from memory. Either the picture or why there is none: the module, the resource or
// the size string is missing, the size is no number or exceeds the resource, or the bytes are no
// JPEG picture the decoder takes.
std::variant<gfx::Bitmap, std::string> loadAlbumPicture(int number);
// The same from a library already read.
std::variant<gfx::Bitmap, std::string> albumPicture(const win::PeModule& library, int number);

}  // namespace vemra::media
