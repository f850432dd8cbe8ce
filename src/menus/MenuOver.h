#pragma once
// The game-over screen over the lost battle: "Retry ?" (also Escape) plays
// the same map again and gives that battle's result; "Return to main
// screen" gives 1.
// `fermeture` runs once the screen has closed, before any retry: the early
// build's lost HUD, drawn under the picture, goes then.
#include <functional>

int MenuOver(int mission, int map, const std::function<void()>& fermeture = nullptr);
