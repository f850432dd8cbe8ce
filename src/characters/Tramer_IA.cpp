// The soldiers' behaviour between frames.
#include "characters/Tramer.h"

// The AI modes arrive with the soldier AI; until then a soldier stands still.
void Tramer::comportement() {}
