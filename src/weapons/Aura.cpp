#include "weapons/Aura.h"

#include <string>

#include "engine/OuvrirImage.h"

Aura::Aura(const char* nom, short Type) {
  charge_actuelle = 0;
  nb_munition = 0;
  for (auto& i : image) i = nullptr;
  charger_ressources(nom);
  viseur = nullptr;
  hero = false;
  type = Type;
  const std::string n = nom ? nom : "";
  Ombre = AllouerImage(("Armes/Auras/" + n + "/ombre.png").c_str(), 0, false);
}

Aura::Aura(const Armes& a) {
  reprendre(a);
  Ombre = a.Ombre;
}
