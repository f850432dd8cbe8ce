#pragma once
// The game-over screen over the lost battle: "Retry ?" (also Escape) plays
// the same map again and gives that battle's result; "Return to main
// screen" gives 1.
int MenuOver(int mission, int map);
