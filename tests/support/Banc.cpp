#include "Banc.h"

#include <malloc.h>
#include <unistd.h>
#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's own allocator counts what it holds; glibc's sees none of it.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

#include <cstring>
#include <fstream>

#include "editor/CreerPerso.h"
#include "editor/ProprieteMap.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "Png.h"

namespace fs = std::filesystem;

void Banc::SetUp() {
  ancien_ = fs::current_path();
  char modele[] = "/tmp/banc-XXXXXX";
  ASSERT_NE(::mkdtemp(modele), nullptr);
  dossier_ = modele;
  fs::current_path(dossier_);
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0);
  if (!TTF_WasInit()) TTF_Init();
  general::ecran = SDL_SetVideoMode(960, 544, 32, SDL_HWSURFACE | SDL_DOUBLEBUF);
  ASSERT_NE(general::ecran, nullptr);
  Horloge::utiliser_horloge_virtuelle(true);
  Horloge::crochet_image(nullptr);
  Son::utiliser_enregistreur(true);
}

void Banc::TearDown() {
  Horloge::crochet_image(nullptr);
  fs::current_path(ancien_);
  std::error_code ec;
  fs::remove_all(dossier_, ec);
}

void Banc::copier_donnees() {
  fs::copy(GAME_DATA_DIR, dossier_, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  // A game played by hand in the data folder leaves its save slots there;
  // every test starts from none.
  for (const auto& e : fs::directory_iterator(dossier_)) {
    const std::string n = e.path().filename().string();
    if (n.size() > 4 && n.compare(n.size() - 4, 4, ".sav") == 0) fs::remove(e.path());
  }
}

void Banc::ecrire_fichier(const std::string& nom, const std::string& contenu) {
  fs::path p = dossier_ / nom;
  if (p.has_parent_path()) fs::create_directories(p.parent_path());
  std::ofstream(p, std::ios::binary) << contenu;
}

void Banc::ecrire_png(const std::string& nom, int w, int h, Uint32 rgba) {
  fs::path p = dossier_ / nom;
  if (p.has_parent_path()) fs::create_directories(p.parent_path());
  SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000);
  SDL_FillRect(s, nullptr, rgba);
  ASSERT_TRUE(Png::ecrire(p.string(), s));
  SDL_FreeSurface(s);
}

void lire_rgb(SDL_Surface* s, int x, int y, Uint8& r, Uint8& g, Uint8& b) {
  SDL_LockSurface(s);
  SDL_GetRGB(obtenirPixel(s, x, y), s->format, &r, &g, &b);
  SDL_UnlockSurface(s);
}

void pousser_touche(SDLKey k, Uint16 unicode) {
  SDL_Event e{};
  e.type = SDL_KEYDOWN;
  e.key.state = SDL_PRESSED;
  e.key.keysym.sym = k;
  e.key.keysym.unicode = unicode;
  SDL_PushEvent(&e);
  e.type = SDL_KEYUP;
  e.key.state = SDL_RELEASED;
  SDL_PushEvent(&e);
}

namespace {

// How many times `fichier` was written; `ferme` tells whether the dialog closed.
int retour_tape_apres_un_deplacement(void (*dialogue)(), int montees, const std::string& fichier, bool& ferme) {
  int image = 0, ecrits = 0;
  const int derniere = 12 * (4 + montees);
  auto relever = [&] {
    std::error_code ec;
    if (fs::remove(fichier, ec)) ++ecrits;
  };
  general::event = SDL_Event{};
  std::memset(Touches, 0, sizeof Touches);
  general::continuer = true;
  Horloge::crochet_image([&] {
    relever();
    if (++image > derniere + 400) general::continuer = false;
    if (image <= 12 * 4 || image > derniere || image % 12 != 0) return;
    pousser_touche(SDLK_UP);
    if (image == derniere) pousser_touche(SDLK_RETURN);
  });
  dialogue();
  Horloge::crochet_image(nullptr);
  relever();
  ferme = general::continuer;
  general::continuer = true;
  return ecrits;
}

}  // namespace

void retour_tape_dans_les_deux_dialogues() {
  bool ferme = false;
  general::nom_map = "Tape";
  EXPECT_EQ(retour_tape_apres_un_deplacement(proprietemap, 3, "Tape.map", ferme), 1);
  EXPECT_TRUE(ferme) << "map dialog";
  general::nom_perso = "Tape";
  EXPECT_EQ(retour_tape_apres_un_deplacement(proprieteperso, 2, "Tape", ferme), 1);
  EXPECT_TRUE(ferme) << "character dialog";
}

long octets_tenus() {
#if defined(__SANITIZE_ADDRESS__)
  return static_cast<long>(__sanitizer_get_current_allocated_bytes());
#else
  const struct mallinfo2 m = mallinfo2();
  return static_cast<long>(m.uordblks + m.hblkhd);
#endif
}
