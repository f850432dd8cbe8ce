#include "characters/InitierPersos.h"

#include <set>

#include "battle/Catalogues.h"
#include "characters/Element.h"
#include "engine/OuvrirImage.h"
#include "weapons/Armes.h"
#include "weapons/Aura.h"
#include "weapons/Bouclier.h"
#include "weapons/Fumigene.h"
#include "weapons/FusilaPompe.h"
#include "weapons/Grenade.h"
#include "weapons/Katana.h"
#include "weapons/LanceRoquette.h"
#include "weapons/Mineur.h"

Armes* Fusils[8];
Armes* Pistolets[8];
Armes* Melee[5];
Armes* Projectiles[4];
Armes* ArmesPrincipales[12];
Armes** Inventaire = nullptr;

void InitierApparences() {
  // Skin previews by zoom, colour and sex; the third colour keeps the first.
  static const char* const Peaux[2][2] = {{"Hommes/Blanc/run1.png", "Femmes/Blanc/run1.png"},
                                          {"Hommes/Noir/run1.png", "Femmes/Noir/run1.png"}};
  for (int z = 0; z < 2; ++z) {
    for (int c = 0; c < 3; ++c)
      for (int s = 0; s < 2; ++s) Element::CouleurPeau[z][c][s] = AllouerImage(Peaux[0][0], z, false);
    for (int c = 0; c < 2; ++c)
      for (int s = 0; s < 2; ++s) Element::CouleurPeau[z][c][s] = AllouerImage(Peaux[c][s], z, false);
  }
  for (int& c : Element::Construction_en_cours) c = 0;
  new Element("Aucun", 0);
  Element::Base = new Element("Aucun", 1);
  LectureHommes();
  LectureFemmes();
}

namespace {

// Firearms in the order of the character files' main-weapon byte.
void armes_a_feu() {
  Armes** t = Element::ArmesPrincipales;
  t[0] = new Armes("QD-1SK", PISTOLETS, 50, 80, 500, 7, 28, 600, false, 0, 0);
  t[1] = new Armes("QD-AR", FUSILS, 15, 80, 150, 38, 120, 500, false, 0, 0);
  t[2] = new Armes("QD-H", PISTOLETS, 7, 80, 250, 10, 40, 400, false, 0, 0);
  t[3] = new FusilaPompe("QD-SG", FUSILS, 25, 80, 333, 6, 24, 2500, false, 0);
  t[4] = new Armes("Enfield", FUSILS, 40, 80, 4000, 30, 120, 1500, true, 0, 1);
  t[5] = new Armes("Migal-513", FUSILS, 5, 80, 75, 20, 80, 300, false, 0, 0);
  // The earlier build gave the two fast rifles unlimited range as well.
  t[6] = new Armes("N-10", FUSILS, 20, 80, 100, 32, 40, 800, early, 0, 1);
  t[7] = new Armes("N-897", PISTOLETS, 8, 80, 70, 30, 120, 300, false, 0, 1);
  t[8] = new LanceRoquette("N-Dead-Launcher", FUSILS, 90, 80, 500, 20, 80, 5000, false, 0);
  t[9] = new Armes("N-Destructor", BAZOOKA, 18, 80, 55, 150, 300, 4000, false, 0, 2);
  t[10] = new Armes("O-HG", FUSILS, 22, 80, 100, 110, 440, 3000, early, 0, 2);
  t[11] = new Armes("O-LD", FUSILS, 20, 80, 333, 6, 24, 2500, true, 0, 0);
  const int32_t seuils[12] = {5200, 0, 0, 3000, 3200, 1000, 500, 1800, 8900, 4800, 3200, 2500};
  for (int i = 0; i < 12; ++i) t[i]->wex_requis = seuils[i];

  const int pistolets[4] = {2, 5, 7, 0};
  const int fusils[8] = {1, 6, 11, 3, 4, 10, 9, 8};
  for (int i = 0; i < 8; ++i) Pistolets[i] = i < 4 ? t[pistolets[i]] : nullptr;
  for (int i = 0; i < 8; ++i) Fusils[i] = t[fusils[i]];
  for (int i = 0; i < 8; ++i) {
    ArmesPrincipales[i] = Fusils[i];
    ArmesPrincipales[i]->set_id(static_cast<short>(i));
  }
  for (int i = 0; i < 4; ++i) {
    ArmesPrincipales[8 + i] = Pistolets[i];
    ArmesPrincipales[8 + i]->set_id(static_cast<short>(8 + i));
  }

  // Plain copies of the root kind, whatever the originals are.
  Inventaire = new Armes*[2];
  Inventaire[0] = new Armes(*t[2]);
  Inventaire[1] = new Armes(*t[1]);
  Inventaire[0]->cycle.remise_a_zero();
}

void lames() {
  auto* couteau = new Katana(P_char("Couteau/"), 60);
  auto* hg2 = new Katana(P_char("HG-2/"), 70);
  auto* hg = new Katana(P_char("HG/"), 80);
  auto* kaiygh = new Katana(P_char("Kaiygh/"), 90);
  auto* azura = new Katana(P_char("Azura/"), 200);
  Katana* ordre_fichier[5] = {azura, hg, hg2, kaiygh, couteau};
  for (int i = 0; i < 5; ++i) Element::ArmesMelee[i] = ordre_fichier[i];
  azura->wex_requis = 7300;
  hg->wex_requis = 1200;
  hg2->wex_requis = 800;
  kaiygh->wex_requis = 6200;
  couteau->wex_requis = 0;
  Armes* deblocage[5] = {couteau, hg2, hg, kaiygh, azura};
  for (int i = 0; i < 5; ++i) Melee[i] = deblocage[i];
}

void lancers() {
  Armes* fumigene = new Fumigene(P_char("Armes/fumigene/projectile.png"));
  Armes* grenade = new Grenade(P_char("Armes/Grenades/grenade.png"));
  Armes* bouclier = new Bouclier(P_char("Armes/Bouclier/projectile.png"));
  Armes* quatrieme;
  if constexpr (early)
    quatrieme = new Grenade(P_char("Armes/Grenades/grenade.png"));
  else
    quatrieme = new Mineur(P_char("Armes/Mines/projectile.png"));
  Armes* ordre_fichier[4] = {fumigene, grenade, bouclier, quatrieme};
  for (int i = 0; i < 4; ++i) Element::Projectile[i] = ordre_fichier[i];
  Armes* deblocage[4] = {grenade, fumigene, bouclier, quatrieme};
  const int32_t seuils[4] = {0, 200, 500, 1000};
  for (int i = 0; i < 4; ++i) {
    Projectiles[i] = deblocage[i];
    Projectiles[i]->wex_requis = seuils[i];
  }
}

void auras() {
  Element::Auras[0] = new Aura("Vitesse", VITESSE);
  Element::Auras[1] = new Aura("Force", FORCE);
  Element::Auras[2] = new Aura(early ? "R\xE9g\xE9n\xE9ration" : "Regeneration", REGENERATION);
}

}  // namespace

void LibererCatalogue() {
  std::set<Armes*> armes;
  auto prendre = [&armes](auto& table) {
    for (auto*& a : table) {
      if (a) armes.insert(a);
      a = nullptr;
    }
  };
  prendre(Element::ArmesPrincipales);
  prendre(Element::ArmesMelee);
  prendre(Element::Projectile);
  prendre(Element::Auras);
  prendre(Fusils);
  prendre(Pistolets);
  prendre(Melee);
  prendre(Projectiles);
  prendre(ArmesPrincipales);
  if (Inventaire) {
    armes.insert(Inventaire[0]);
    armes.insert(Inventaire[1]);
    delete[] Inventaire;
    Inventaire = nullptr;
  }
  armes.erase(nullptr);
  for (Armes* a : armes) delete a;
}

void InitierPersos() {
  InitierApparences();
  armes_a_feu();
  lames();
  lancers();
  auras();
}
