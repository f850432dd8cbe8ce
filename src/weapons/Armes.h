#pragma once
// The weapon a soldier or a vehicle carries. It is not a world object: it
// holds the numbers, pictures and sounds of a weapon, and its firing makes
// the projectiles that live in the world.
#include "engine/Headers.h"

class Mapping;

enum Type_Arme { PISTOLETS = 0, FUSILS, BAZOOKA, APOING, GRENADES };

class Armes {
 public:
  Armes(const char* nom, short Type, short Force, short Vitesse, short Frequence, short Recharge,
        short Nb_munition, short Temps_de_Recharge, bool Snipe, short Decalage_y, short tb);
  Armes(const Armes&) = default;
  Armes& operator=(const Armes&) = default;
  // Carriers and catalogues delete weapons through this type.
  virtual ~Armes() = default;

  virtual void lancer(SDL_Rect) {}
  virtual short get_camp() { return camp; }
  virtual short get_type2() { return 0; }
  virtual void creer_arme(const char* nom) { charger_ressources(nom); }
  virtual short afficher_arme(SDL_Rect, int, int) { return 0; }
  // Where the carrier stands in the world, told before he draws the weapon;
  // only what is thrown or laid from the hand needs it.
  virtual void set_porteur(SDL_Rect) {}
  virtual SDL_Surface* donnerImage(int dir, int dzoom);
  // Fires or reloads; answers what the carrier should do next (an Etat).
#if GAME_EARLY
  // The earlier operation knows neither hit-scan nor refund.
  virtual short Tirer(SDL_Rect pos, bool ne_pas_tirer, bool viser, double angle);
  // Carriers that hand over those two flags fire the earlier way all the same.
  short Tirer(SDL_Rect pos, bool ne_pas_tirer, bool viser, double angle, bool, bool) {
    return Tirer(pos, ne_pas_tirer, viser, angle);
  }
#else
  virtual short Tirer(SDL_Rect pos, bool ne_pas_tirer, bool viser, double angle, bool instantane, bool illimite);
#endif

  short get_recharge() const { return recharge; }
  short get_charge_actuelle() const { return charge_actuelle; }
  short get_nb_munition() const { return nb_munition; }
  short get_decalage_y() const { return decalage_y; }
  short get_type() const { return type; }
  short get_force() const { return force; }
  short get_vitesse() const { return vitesse; }
  short get_frequence() const { return frequence; }
  short get_temps_de_recharge() const { return temps_de_recharge; }
  short get_id() const { return id; }
  void set_id(short v) { id = v; }
  bool get_snipe() const { return snipe; }
  void set_snipe(bool v) { snipe = v; }
  char* get_nom() const { return nom_arme.retournertexte(); }
  void set_nom(const char* n) { nom_arme = n; }
  SDL_Surface* donnerOmbre() const { return Ombre; }
  SDL_Surface* donnerViseur() const { return viseur; }
  void set_type(short v) { type = v; }
  void set_force(short v) { force = v; }
  void set_vitesse(short v) { vitesse = v; }
  void set_frequence(short v) { frequence = v; }
  void set_camp(short v) { camp = v; }
  void set_direction(short v) { direction = v; }
  void sethero(bool v) { hero = v; }
  void set_etat_de_recharge(bool v) { etat_de_recharge = v; }
  void ajouter_munitions(short n) { nb_munition = static_cast<int16_t>(nb_munition + n); }
  void set_arme(const char*, short, short, short) {}

  int16_t balle_en_cours;
  SDL_Surface* image[4] = {};
  SDL_Surface* Ombre = nullptr;
  SDL_Surface* viseur = nullptr;
  bool etat_de_recharge = false;
  bool snipe = false;
  bool hero = false;
  bool aura = false;
  int16_t id = 0;
  int16_t force = 0;
  int16_t temps_de_recharge = 0;
  P_char nom_arme;
  int16_t vitesse = 0;
  int16_t type = 0;
  int16_t camp = 0;
  int16_t frequence = 0;
  int16_t direction = 0;
  int16_t decalage_y = 0;
  int16_t recharge = 0;
  int16_t nb_munition = 0;
  int16_t charge_actuelle = 0;
  Timing cycle;
  FSOUND_SAMPLE* tir = nullptr;
  FSOUND_SAMPLE* recharger = nullptr;
  int32_t wex_requis = 0;

 protected:
  // The base weapon every kind starts from ("QD-AR" and its resources).
  Armes();
  void charger_ressources(const char* nom);
  // The timer runs with its start moved back, so the first shot leaves at once.
  void armer_cycle();
  // The firing condition shared by the firearms; an empty magazine starts reloading.
  bool peut_tirer(bool ne_pas_tirer);
  void consommer(bool illimite);
  // Runs at the end of every firing call, whether a shot left or not.
  void etape_recharge(bool ne_pas_tirer);
  // Plays the shot at the distance of what it made (a hit-scan shot at full volume).
  void jouer_tir(Mapping* projectile, bool plein = false);
  // What a shotgun, launcher or aura takes over from the weapon it is made from.
  void reprendre(const Armes& a);

 private:
  short feu(SDL_Rect pos, bool ne_pas_tirer, bool viser, double angle, bool instantane, bool illimite);
  void tir_droit(SDL_Rect pos, bool illimite);
  void tir_vise(SDL_Rect pos, double angle, bool instantane, bool illimite);
  // The earlier reload: the magazine reads -1 while it runs, and what was
  // left goes back to the reserve as it starts.
  void recharge_ancienne();
};

// A new weapon of the same kind as a, owned by the caller; null for a kind
// that does not exist.
Armes* Reproduire_Arme(Armes* a);
