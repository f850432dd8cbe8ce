#pragma once
// A bench for whole battles: the demo data, the start-up the game does
// before its title screen (window, font, frame sets, palette, appearance
// sets and weapons), and a frame hook that runs scripted steps, each when
// its condition holds, so a test can drive a battle and the screens it
// opens. Cut-scenes are removed unless a test keeps them.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "Banc.h"
#include "Deroulement.h"
#include "Palette.h"
#include "battle/Catalogues.h"
#include "battle/FichierMap.h"
#include "battle/JouerMap.h"
#include "characters/InitierPersos.h"
#include "characters/Tramer.h"
#include "engine/Constantes.h"
#include "engine/Demarrage.h"
#include "engine/Interface.h"
#include "platform/Horloge.h"
#include "weapons/Armes.h"

class Bataille : public Banc, public Deroulement {
 protected:
  void SetUp() override {
    Banc::SetUp();
    copier_donnees();
    std::filesystem::remove_all(dossier_ / "Cinematiques.garde");
    std::filesystem::rename(dossier_ / "Cinematiques", dossier_ / "Cinematiques.garde");
    ASSERT_TRUE(initialisation());
    Objet_de_Reference::CreerVide();
    InitierPersos();
    LecturePalette();
    general::continuer = true;
    general::fichier_utilise = 1;
    general::perso_choisi = 0;
    general::wex_actuelle = 0;
#if !GAME_EARLY
    general::TimeUp = false;
#endif
    general::Scrolling = general::origine;
    general::Fin_map = {0, 10000, 0, 0};
  }
  void TearDown() override {
    Horloge::crochet_image(nullptr);
    ReinitialiserMap();
    Tramer::Hero = nullptr;
    Mapping::centre_scrolling = nullptr;
    vider_palette();
    LibererCatalogue();
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
    }
    Banc::TearDown();
  }
  void garder_cinematiques() {
    std::filesystem::rename(dossier_ / "Cinematiques.garde", dossier_ / "Cinematiques");
  }

  // The script of Deroulement, with the battles started counted.
  void accrocher(int limite = 3000) {
    derouler(limite, [this] {
      if (en_bataille() && general::debut_partie) ++departs_;
    });
  }
  // The demo plain played under the script, with the earlier build's trace
  // of aimed shots on stdout kept out of the test's output.
  int jouer_plaine_en_silence(int limite) {
    accrocher(limite);
    testing::internal::CaptureStdout();
    const int r = JouerMap(0, 0);
    testing::internal::GetCapturedStdout();
    return r;
  }
  // Battles started, seen from their first frame.
  int departs() const { return departs_; }

  // Rounds the hero's main gun fires in Plaine with the left button held for
  // 100 frames, the battle started `debut` ms after start-up: his gun is a
  // copy of the catalogue's, so it keeps the stamp made at start-up.
  int rafales_du_hero(Uint32 debut) {
    Horloge::regler(debut);
    int tirs = 0, avant = -1;
    quand(en_bataille, [] {});
    quand([&] {
      const int c = Tramer::Hero->ArmePrincipale->get_charge_actuelle();
      if (avant >= 0 && c < avant) tirs += avant - c;
      avant = c;
      Souris[SDL_BUTTON_LEFT] = true;
      return images() > 100;
    }, [] {
      Souris[SDL_BUTTON_LEFT] = false;
      fermer();
    }, 0);
    accrocher();
    JouerMap(0, 0);
    return tirs;
  }
  // Adds `n` enemies at the far end of the demo plain, ahead of its own
  // records, and `caisses` crates after them.
  void peupler_plaine(int n, int caisses = 0) {
    std::ifstream f(dossier_ / "Plaine.map", std::ios::binary);
    std::string s((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    FILE* lu = std::fopen((dossier_ / "Plaine.map").c_str(), "rb");
    int32_t nombre = 0;
    EnregistrementMap e;
    lire_nombre_enregistrements(lu, nombre);
    for (int32_t i = 0; i < nombre; ++i) lire_enregistrement_map(lu, e);
    std::string ajout, apres;
    for (int i = 0; i < n + caisses; ++i) {
      const uint32_t champs[] = {static_cast<uint32_t>(1500 + 6 * (i % 50)), 230};
      std::string& r = i < n ? ajout : apres;
      r += static_cast<char>(i < n ? ENNEMIS : OBJET);
      r += '\0';
      for (uint32_t v : champs)
        for (int k = 0; k < 4; ++k) r += static_cast<char>((v >> (8 * k)) & 0xFF);
    }
    s.insert(static_cast<size_t>(std::ftell(lu)), apres);
    std::fclose(lu);
    nombre += n + caisses;
    std::memcpy(s.data(), &nombre, 4);  // little-endian, as the file
    s.insert(4, ajout);
    ecrire_fichier("Plaine.map", s);
  }
  // The demo plain with 200 enemies more and, after its own records, 10000
  // crates, its hero the player's choice: the heroes standing at its start
  // once it has, with its enemies spent, been won (or not), and what it
  // printed on stderr.
  struct Foule {
    int heros = 0, fin = -1;
    std::string erreurs;
  };
  Foule plaine_comble() {
    peupler_plaine(Tramer::NB_MAX_PERSOS, Mapping::NB_OBJETS);
    Foule f;
    quand(en_bataille, [&] {
      f.heros = heros();
      general::effectifs_map[1] = 0;
    });
    accrocher();
    testing::internal::CaptureStderr();
    f.fin = JouerMap(0, 0);
    f.erreurs = testing::internal::GetCapturedStderr();
    return f;
  }
  // The demo plain whose world fills up while its start cut-scene plays, so
  // that its hero finds no place: it is not played, and leaves no ambience
  // playing over the menus; `avis`, when given, must then hold on some frame.
  void plaine_sans_place_pour_le_hero(std::function<bool()> avis = nullptr) {
    garder_cinematiques();
    puis([] {
      while (Mapping::dernier_objet < Mapping::NB_OBJETS) (new Mapping())->Tas = true;
      pousser_touche(SDLK_ESCAPE);
    });
    if (avis) quand(avis, [] {});
    accrocher();
    EXPECT_EQ(JouerMap(0, 0), 1);
    EXPECT_EQ(departs(), 0);
    int flux = 0;
    for (const Son::Appel& a : Son::appels()) flux += (a.operation == "stream_play") - (a.operation == "stream_stop");
    EXPECT_EQ(flux, 0) << "ambience streams still playing";
    EXPECT_TRUE(fini());
  }
  // The heroes standing for the player's side.
  static int heros() {
    int n = 0;
    for (int i = 0; i < Tramer::nb_persos; ++i)
      if (const Tramer* t = Tramer::Persos[i]; t && t->camp == ALLIE && t->vivant)
        if (const char* v = t->verifier.retournertexte()) n += !std::strcmp(v, "Korvan") || !std::strcmp(v, "Vesk");
    return n;
  }

  // A battle frame: the hero exists and the map is running.
  static bool en_bataille() { return Tramer::Hero && general::statut_jeu == 1; }
  static void clic(int x, int y, Uint8 b = 1) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = static_cast<Uint16>(x);
    e.motion.y = static_cast<Uint16>(y);
    SDL_PushEvent(&e);
    e = SDL_Event{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = b;
    e.button.x = static_cast<Uint16>(x);
    e.button.y = static_cast<Uint16>(y);
    SDL_PushEvent(&e);
    e.type = SDL_MOUSEBUTTONUP;
    SDL_PushEvent(&e);
  }

 private:
  int departs_ = 0;
};
