#pragma once
// The map editor, reached from the title screen; it returns there when done.
void Mappeur();
