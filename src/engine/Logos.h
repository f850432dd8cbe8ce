#pragma once
// The four logos, faded in and out over red while everything the front end,
// the battles and the editor need is built between the fades.
void Logos(void*);

// Frames the sequence draws when every logo is there.
constexpr int NB_IMAGES_LOGOS = 156;
