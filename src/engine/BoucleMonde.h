#pragma once
// The frame pass of the battle world: reap, run, aim the camera, draw the ten
// layers and the widgets; and the teardown that empties the world.
#include <cstdint>

void BlitingMapping();
void DetruireMapping();
void TuerMapping(long i);
void BlitingInterfaces();
void BlitingInterface();
void CheckMapping();
