#pragma once
// A hashed index beside a cache's table of names, so that finding a name
// does not compare it with every entry. The table stays the reference: an
// index entry is trusted only while the table still holds that name there.
#include <string>
#include <string_view>
#include <unordered_map>

#include "engine/P_char.h"

class IndexNoms {
 public:
  // The entry of `noms` (n entries) named `nom`, or -1.
  int chercher(const char* nom, const P_char* noms, int n);
  void noter(const char* nom, int i);
  void vider() { index_.clear(); }

 private:
  struct Hachage {
    using is_transparent = void;
    size_t operator()(std::string_view v) const { return std::hash<std::string_view>{}(v); }
  };
  std::unordered_map<std::string, int, Hachage, std::equal_to<>> index_;
};
