#pragma once
// The start-up catalogue of appearances: skin previews of the character
// creator, the empty set "Aucun" of each sex, then the listed sets. The
// weapon catalogue is built after it.
void InitierApparences();
