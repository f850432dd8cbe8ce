#include "Jpeg.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include "Pixels.h"
#include "platform/Fichiers.h"

namespace Jpeg {
namespace {

// libjpeg's own error handler ends the process; ours comes back with a failure.
struct Erreur {
  jpeg_error_mgr mgr;
  std::jmp_buf retour;
};

[[noreturn]] void sortir(j_common_ptr c) {
  char message[JMSG_LENGTH_MAX];
  c->err->format_message(c, message);
  std::fprintf(stderr, "gendata: %s\n", message);
  std::longjmp(reinterpret_cast<Erreur*>(c->err)->retour, 1);
}

// Everything that owns memory is made before the jump point, so a jump back
// skips no destructor.
bool comprimer(jpeg_compress_struct& c, Erreur& e, FILE* f, SDL_Surface* s, std::vector<uint8_t>& brut,
               int qualite) {
  if (setjmp(e.retour)) return false;
  jpeg_create_compress(&c);
  jpeg_stdio_dest(&c, f);
  c.image_width = static_cast<JDIMENSION>(s->w);
  c.image_height = static_cast<JDIMENSION>(s->h);
  c.input_components = 3;
  c.in_color_space = JCS_RGB;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, std::clamp(qualite, 1, 100), TRUE);
  // Full-resolution colour: the captions' coloured letters stay sharp.
  for (int i = 0; i < c.num_components; ++i) c.comp_info[i].h_samp_factor = c.comp_info[i].v_samp_factor = 1;
  jpeg_start_compress(&c, TRUE);
  const size_t pas = static_cast<size_t>(s->w) * 3;
  while (c.next_scanline < c.image_height) {
    JSAMPROW ligne = brut.data() + c.next_scanline * pas;
    jpeg_write_scanlines(&c, &ligne, 1);
  }
  jpeg_finish_compress(&c);
  return true;
}

}  // namespace

bool ecrire(const std::string& chemin, SDL_Surface* s, int qualite) {
  if (!s || s->w <= 0 || s->h <= 0 || s->w > 65535 || s->h > 65535) return false;
  std::vector<uint8_t> brut = canaux_8bits(s, false);
  Fichiers::EcritureSure f(chemin.c_str());
  if (!f.ouvert()) return false;
  jpeg_compress_struct c{};
  Erreur e{};
  c.err = jpeg_std_error(&e.mgr);
  e.mgr.error_exit = sortir;
  bool ok = comprimer(c, e, f.flux(), s, brut, qualite);
  jpeg_destroy_compress(&c);
  return ok && f.valider();
}

}  // namespace Jpeg
