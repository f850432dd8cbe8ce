#pragma once
// The pause screen over the frozen battle: continue (0, also Escape),
// retry the level (1) or quit it (2), with the Wex and the objectives.
// Closing the window gives the highlighted item.
#include "engine/Headers.h"

int Pause();

// What the screens over a battle share: the key and mouse tables follow
// the event just polled, so the battle resumes with them right.
void suivre_entrees(const SDL_Event& e);
// Grey fill, the frozen world, then the registered widgets.
void dessiner_fond_fige();
