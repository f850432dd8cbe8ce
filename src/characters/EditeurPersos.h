#pragma once
// Labels and timers of the character creator: made when it opens, deleted
// when it closes.
void InitierEditeurPersos();
void DesallouerPersos();
