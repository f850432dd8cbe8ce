#pragma once
// Text catalogs: one name per line, read at start-up. The line order is data:
// maps and character files store entries by their line number.
#include <string>
#include <vector>

// Every line of a catalog, the text after the last line end included, so a
// file ending with a line end has an empty last name and a missing file one
// empty name. A CR LF pair ends a line like a lone LF; any other CR stays in
// the name. A NUL byte ends the file.
std::vector<std::string> LireLignesCatalogue(const char* chemin);

void LectureHommes();
void LectureFemmes();
