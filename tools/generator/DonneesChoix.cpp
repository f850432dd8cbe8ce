// The hero choice pictures: Korvan and Vesk in full figure, bright when
// highlighted and dimmed when not. The weapon sheets are written with the
// mission pictures.
#include <string>

#include "Dessin.h"

using namespace Dessin;

namespace {

constexpr int L = 240, H = 360;

struct Tenue {
  Uint32 peau, cheveux, veste, manches, pantalon, bottes, fond;
};

// Half the brightness, for the hero not highlighted.
Uint32 terne(Uint32 c) {
  int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF, a = (c >> 24) & 0xFF;
  return rgba(r / 2, g / 2, b / 2, a);
}

void portrait(const std::string& chemin, const std::string& nom, Tenue t, bool femme, bool choisi) {
  if (!choisi) t = {terne(t.peau), terne(t.cheveux), terne(t.veste), terne(t.manches),
                    terne(t.pantalon), terne(t.bottes), terne(t.fond)};
  SDL_Surface* s = toile(L, H, t.fond);
  cadre(s, 0, 0, L, H, choisi ? rgba(240, 220, 120) : rgba(70, 70, 70), 4);
  int torse = femme ? 56 : 68;
  // Legs, boots, then the jacket over the hips, the arms and the head.
  rect(s, L / 2 - 26, 200, 22, 110, t.pantalon);
  rect(s, L / 2 + 4, 200, 22, 110, t.pantalon);
  rect(s, L / 2 - 30, 300, 28, 16, t.bottes);
  rect(s, L / 2 + 2, 300, 28, 16, t.bottes);
  rect(s, L / 2 - torse / 2, 100, torse, 110, t.veste);
  rect(s, L / 2 - torse / 2 - 18, 104, 16, 92, t.manches);
  rect(s, L / 2 + torse / 2 + 2, 104, 16, 92, t.manches);
  disque(s, L / 2 - torse / 2 - 10, 202, 8, t.peau);
  disque(s, L / 2 + torse / 2 + 10, 202, 8, t.peau);
  rect(s, L / 2 - 8, 84, 16, 18, t.peau);
  if (femme) rect(s, L / 2 - 28, 44, 56, 62, t.cheveux);
  disque(s, L / 2, 62, 26, t.peau);
  rect(s, L / 2 - 26, 34, 52, 14, t.cheveux);
  texte(s, nom, L / 2, 336, 22, choisi ? rgba(255, 255, 255) : rgba(140, 140, 140), true);
  sauver(chemin, s);
}

Etape choix(5, "hero choice", [] {
  // One spelling per folder: the heroes live beside the mission pictures.
  const std::string dossier = "Menus/histoire/Missions/personnages/";
  const Tenue korvan = {rgba(225, 175, 135), rgba(60, 40, 20),  rgba(70, 100, 50), rgba(90, 120, 60),
                        rgba(50, 60, 40),    rgba(30, 25, 20),  rgba(30, 40, 50)};
  const Tenue vesk = {rgba(235, 190, 160), rgba(150, 40, 30), rgba(120, 50, 90), rgba(150, 70, 110),
                      rgba(50, 40, 60),    rgba(30, 20, 30),  rgba(40, 30, 50)};
  for (bool choisi : {true, false}) {
    const std::string suffixe = choisi ? ".png" : "nonselec.png";
    portrait(dossier + "korvan" + suffixe, "Korvan", korvan, false, choisi);
    portrait(dossier + "vesk" + suffixe, "Vesk", vesk, true, choisi);
  }
});

}  // namespace
