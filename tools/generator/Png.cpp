#include "Png.h"

#include <png.h>

#include "Pixels.h"
#include "platform/Fichiers.h"

namespace Png {

bool ecrire(const std::string& chemin, SDL_Surface* s, bool alpha) {
  if (!s || s->w <= 0 || s->h <= 0) return false;
  std::vector<uint8_t> brut = canaux_8bits(s, alpha);
  // libpng's simple interface writes no time stamp: the same picture always
  // gives the same bytes.
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(s->w);
  image.height = static_cast<png_uint_32>(s->h);
  image.format = alpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
  Fichiers::EcritureSure f(chemin.c_str());
  if (!f.ouvert()) return false;
  bool ok = png_image_write_to_stdio(&image, f.flux(), 0, brut.data(), 0, nullptr) != 0;
  png_image_free(&image);
  return ok && f.valider();
}

}  // namespace Png
