#pragma once
// The two programs come from one tree: game_early is built with GAME_EARLY.
#ifndef GAME_EARLY
#define GAME_EARLY 0
#endif

constexpr bool early = GAME_EARLY != 0;
