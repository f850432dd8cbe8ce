#pragma once
// Start-up: from the entry point to the title screen. The window, the font,
// the sound, the shared sounds and the soldiers' body and arm frame sets are
// made once here and live until the process ends.
#include "engine/Headers.h"

// Folder of each clothing part's animation by action, relative to a set's
// folder ("/Haut-1/run"); entries no action uses stay null.
extern char* RepertoiresPersos[11][20];
// Fills the folders once; later calls keep the first texts.
void RemplirRepertoiresPersos();

// False, after saying on stderr what is missing, when the window, the font or
// a frame set every soldier needs could not be opened: nothing can run then.
bool initialisation();

// Fades the screen from black to white, one grey level a frame.
int degrade(void*);
// Clears general::continuer when general::event holds a quit request;
// returns once the game has stopped.
int securite(void*);

// The program body; the process's main calls it and exits with its result.
int SDL_main(int argc, char** argv);
