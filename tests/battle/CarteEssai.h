#pragma once
// Small map files written byte by byte, as the editor lays them out.
#include <cstdint>
#include <string>
#include <vector>

#include "editor/Objet_de_Reference.h"

struct Rec {
  int type, numero, x, y, vie = 0;
};

inline void le32(std::string& s, int32_t v) {
  for (int i = 0; i < 4; ++i) s += static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
}
inline void txt(std::string& s, const std::string& t) {
  s += static_cast<char>(t.size());
  s += t;
}

// A map file as the editor writes it.
inline std::string carte(const std::vector<Rec>& recs, bool complete = true, int32_t allies = 7, int32_t ennemis = 12) {
  std::string s;
  le32(s, static_cast<int32_t>(recs.size()));
  for (const Rec& r : recs) {
    s += static_cast<char>(r.type);
    s += static_cast<char>(r.numero);
    le32(s, r.x);
    le32(s, r.y);
    if (r.type == CIBLE) s += static_cast<char>(r.vie & 0xFF), s += static_cast<char>((r.vie >> 8) & 0xFF);
  }
  s += '\0';  // not an infiltration map
  s += '\0';  // Korvan
  le32(s, ennemis);
  le32(s, allies);
  txt(s, "foret/");
  txt(s, "desert/");
  if (complete) {
    txt(s, "");
    txt(s, "");
    le32(s, 0);
    txt(s, "Rien/");
  }
  return s;
}

