#pragma once
// The start-up catalogue: the appearance sets, then every weapon soldiers and
// the loadout screens copy their equipment from. There are no weapon data
// files: the catalogue is this fixed table.
class Armes;

// Skin previews of the character creator, the empty set "Aucun" of each sex,
// then the listed sets.
void InitierApparences();
// The appearances, then the firearms, blades, throwables, auras and the
// starting sidearm kit.
void InitierPersos();

// Frees every weapon of the catalogue once and empties all its tables and
// lists, which share the weapons, so that nothing points at a freed one.
void LibererCatalogue();

// Unlock lists, in ascending Wex threshold; the lists share the weapons of
// Element's tables.
extern Armes* Fusils[8];
extern Armes* Pistolets[8];
extern Armes* Melee[5];
extern Armes* Projectiles[4];
// Rifles then pistols: a weapon's id is its place here, which is what the
// choice screens and the save slot store.
extern Armes* ArmesPrincipales[12];
// The starting kit: a copy of "QD-H" and a copy of "QD-AR".
extern Armes** Inventaire;
