#include <string>

#include "Banc.h"
#include "Palette.h"
#include "battle/Catalogues.h"
#include "characters/Element.h"
#include "engine/Fonctions.h"
#include "engine/OuvrirImage.h"
#include "weapons/Armes.h"

namespace {

class Placement : public Banc {
 protected:
  void SetUp() override {
    Banc::SetUp();
    vider_palette();
    ecrire_png("Objets/a.png", 40, 40, 0xFF0000FF);
    ecrire_fichier("Objets.txt", "a.png");
    ecrire_png("cadre.png", 960, 544, 0);
    ecrire_png("curseur.png", 16, 16, 0xFFFFFFFF);
    ecrire_perso("Allie", 0);
    ecrire_perso("Ennemi", 1);
    ecrire_perso("Civil", 0, 2);
    ecrire_fichier("Persos.txt", "Allie\nEnnemi\nCivil");
    InitialiserMappeur();
    LectureObjets();
    LecturePersos();
  }
  void TearDown() override {
    vider_palette();
    Banc::TearDown();
  }
  static Objet_de_Reference* trouver(const char* nom) {
    for (long i = 0; i < Objet_de_Reference::nb_Objet_de_reference; ++i)
      if (charcmp(Objet_de_Reference::Objets_de_Reference[i]->Nom.retournertexte(), nom))
        return Objet_de_Reference::Objets_de_Reference[i];
    return nullptr;
  }
  static Reference_Perso* placer_perso(const char* nom) {
    auto* p = new Reference_Perso(trouver(nom), Rect(300, 200, 0, 0));
    p->compter();
    return p;
  }
};

TEST_F(Placement, StartUpListsTheEmptyItemAndTheEditorWidgets) {
  EXPECT_EQ(Reference::derniere_Reference, 1);
  EXPECT_EQ(Reference::References[0], Reference::Vide);
  EXPECT_EQ(Reference::Vide->type, AUCUN);
  ASSERT_NE(Cadre_Mappeur, nullptr);
  ASSERT_NE(Interface::Curseur, nullptr);
  EXPECT_EQ(Cadre_Mappeur->layer, 2);
  EXPECT_TRUE(Cadre_Mappeur->enregistre());
  EXPECT_TRUE(Interface::Curseur->enregistre());
}

TEST_F(Placement, DeletingLeavesATombstoneAndKeepsTheOtherIds) {
  Objet_de_Reference* a = trouver("a.png");
  Reference* items[4];
  for (int i = 0; i < 4; ++i) items[i] = new Reference(a, Rect(10 * i, 0, 0, 0));
  ASSERT_EQ(Reference::derniere_Reference, 5);
  EXPECT_EQ(items[3]->element_actuel, 4);
  EXPECT_EQ(items[0]->Nom, items[1]->Nom);  // one shared text
  EXPECT_EQ(items[0]->Nom, a->Nom.retournertexte());
  EXPECT_EQ(items[0]->image[1], a->image[1]);

  EXPECT_TRUE(Reference::Supprimer(3));
  EXPECT_EQ(Reference::derniere_Reference, 5);
  EXPECT_EQ(Reference::References[3], Reference::Vide);
  EXPECT_EQ(Reference::References[4], items[3]);
  EXPECT_FALSE(Reference::Supprimer(3));  // the tombstone stays
  EXPECT_FALSE(Reference::Supprimer(0));
  EXPECT_FALSE(Reference::Supprimer(5));
  EXPECT_FALSE(Reference::Supprimer(-1));
  // Pictures belong to the palette entry.
  EXPECT_NE(a->image[1], nullptr);
}

TEST_F(Placement, CampCountersFollowCountedCharacters) {
  Reference_Perso* e1 = placer_perso("Ennemi");
  Reference_Perso* e2 = placer_perso("Ennemi");
  Reference_Perso* al = placer_perso("Allie");
  placer_perso("Civil");  // weapon 2: never counted
  EXPECT_EQ(e1->Nom, e2->Nom);
  EXPECT_EQ(e1->type, ENNEMIS);
  EXPECT_EQ(al->type, ALLIES);
  EXPECT_EQ(e1->TramePrincipale.w, 65);
  EXPECT_EQ(Reference_Perso::nb_ennemis, 2);
  EXPECT_EQ(Reference_Perso::nb_allies, 1);
  e2->compter();  // counting twice changes nothing
  EXPECT_EQ(Reference_Perso::nb_ennemis, 2);

  EXPECT_TRUE(Reference::Supprimer(e1->element_actuel));
  EXPECT_EQ(Reference_Perso::nb_ennemis, 1);
  DesallouerMap();
  EXPECT_EQ(Reference_Perso::nb_ennemis, 0);
  EXPECT_EQ(Reference_Perso::nb_allies, 0);
}

TEST_F(Placement, MarkerKeepsTheLifeItWasGiven) {
  Objet_de_Reference* a = trouver("a.png");
  // Items belong to the list, which deletes them.
  auto* c = new ReferenceCible(a, Rect(5, 6, 0, 0), 25);
  EXPECT_EQ(c->retourner_vie(), 25);
  EXPECT_EQ(c->Origine, 0);
  // A typed life past what a target holds in battle is kept at its most.
  for (char k : std::string("000")) pousser_touche(static_cast<SDLKey>(k), static_cast<Uint16>(k));
  pousser_touche(SDLK_RETURN);
  EXPECT_EQ((new ReferenceCible(a, Rect(5, 6, 0, 0), -1))->retourner_vie(), 32767);
  auto* plain = new Reference(a, Rect(0, 0, 0, 0));
  EXPECT_EQ(plain->retourner_vie(), 1);
  EXPECT_EQ(plain->retourner_camp(), 2);
}

TEST_F(Placement, LeavingTheEditorStartsIdsAgainAndTheNextVisitGetsFrameAndCursorBack) {
  new Reference(trouver("a.png"), Rect(0, 0, 0, 0));
  placer_perso("Allie");
  Interface* autre = new Interface("a.png", general::origine);
  DesallouerMappeur();
  EXPECT_EQ(Reference::derniere_Reference, 0);
  EXPECT_EQ(Reference_Perso::nb_allies, 0);
  EXPECT_FALSE(autre->enregistre());
  // The game's screens draw the widget list: the editor's frame is off it.
  EXPECT_FALSE(Cadre_Mappeur->enregistre());
  EXPECT_EQ(Interface::derniere_interface, 0);
  // The next visit has its frame and its cursor, once each.
  ReenregistrerWidgetsMappeur();
  ReenregistrerWidgetsMappeur();
  EXPECT_TRUE(Cadre_Mappeur->enregistre());
  EXPECT_TRUE(Interface::Curseur->enregistre());
  EXPECT_EQ(Interface::derniere_interface, 2);
  auto* r = new Reference(trouver("a.png"), Rect(0, 0, 0, 0));
  EXPECT_EQ(r->element_actuel, 0);
  delete autre;
  EXPECT_EQ(Interface::derniere_interface, 2);
}

TEST_F(Placement, CharactersAtTheLeftEdgeAreNotDrawnButItemsAreClipped) {
  // The picture cache may hold an opaque frame from an earlier test.
  delete Cadre_Mappeur;
  Cadre_Mappeur = nullptr;
  SDL_FillRect(general::ecran, nullptr, 0);
  auto* r = new Reference(trouver("a.png"), Rect(-10, -10, 0, 0));
  BlitingMappeur(OBJET);
  Uint8 R, g, b;
  lire_rgb(general::ecran, 2, 2, R, g, b);
  EXPECT_EQ(R, 255);
  EXPECT_EQ(r->layer, 1);
}

TEST_F(Placement, PlacedCharacterShowsSkinAndMainWeaponOnlyRightOfTheLeftEdge) {
  delete Cadre_Mappeur;
  Cadre_Mappeur = nullptr;
  ecrire_png("peau.png", 30, 40, 0xFF0000FF);   // red
  ecrire_png("arme.png", 60, 8, 0xFFFF0000);    // blue
  SDL_Surface* peau = AllouerImage("peau.png", 0, false);
  SDL_Surface* image_arme = AllouerImage("arme.png", 0, false);
  Armes arme("Essai", FUSILS, 1, 1, 1, 1, 1, 1, false, 0, 0);
  arme.image[0] = arme.image[1] = image_arme;
  Element::CouleurPeau[1][0][0] = peau;
  Element::ArmesPrincipales[0] = &arme;
  Reference_Perso* p = placer_perso("Ennemi");
  ASSERT_EQ(p->perso.index_arme_principale(), 0);
  Uint8 R, g, b;
  // Without a body set Wc is 0: the weapon's left edge is (366 - 2 * 60) / 4 right of X.
  const int x_arme = (366 - 2 * 60) / 4;
  for (int x : {1, 0}) {
    SCOPED_TRACE(x);
    SDL_FillRect(general::ecran, nullptr, 0);
    p->position = Rect(x, 100, 0, 0);
    p->comportement();
    lire_rgb(general::ecran, x + 2, 100 + 30, R, g, b);
    EXPECT_EQ(R, x > 0 ? 255 : 0);
    lire_rgb(general::ecran, x + x_arme + 2, 100 + 4 + 2, R, g, b);
    EXPECT_EQ(b, x > 0 ? 255 : 0);
  }
  Element::ArmesPrincipales[0] = nullptr;
  Element::CouleurPeau[1][0][0] = nullptr;
}

}  // namespace
