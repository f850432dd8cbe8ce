#pragma once
// The start-up catalogue of appearances: skin previews of the character
// creator, the empty set "Aucun" of each sex, then the listed sets. The
// weapon catalogue is built after it.
void InitierApparences();

class Armes;

// The weapon lists in unlock order, by the index the player's choices hold,
// and the sidearm kit; the weapon catalogue fills them.
extern Armes* ArmesPrincipales[12];
extern Armes* Melee[5];
extern Armes* Projectiles[4];
extern Armes** Inventaire;
