// Drawing a soldier.
#include "characters/Tramer.h"

// The animated body, clothing and arms arrive with the soldier's drawing;
// until then a soldier shows as a plain world object.
void Tramer::bliting() { Mapping::bliting(); }
void Tramer::blit_only() { Mapping::bliting(); }
