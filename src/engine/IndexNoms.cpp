#include "engine/IndexNoms.h"

int IndexNoms::chercher(const char* nom, const P_char* noms, int n) {
  auto it = index_.find(std::string_view(nom ? nom : ""));
  if (it == index_.end()) return -1;
  const int i = it->second;
  if (noms && i >= 0 && i < n && charcmp(noms[i].retournertexte(), nom)) return i;
  // The entry was renamed or the table emptied behind the index's back.
  index_.erase(it);
  return -1;
}

void IndexNoms::noter(const char* nom, int i) {
  // The first entry of a name is the one a search in table order finds.
  index_.try_emplace(std::string(nom ? nom : ""), i);
}
