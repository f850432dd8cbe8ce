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

// The palette's catalogs. Each line makes one palette entry, numbered in its
// kind by line order (allies and enemies of "Persos.txt" apart). A name
// whose picture or file is missing still gets its entry and its number.
void LectureObjets();
void LectureObjets_Destructibles();
void LectureObjetsAnimes();
void LecturePersos();
// These leave their diagnostics in "Test2.txt" (the catalog, its line count
// and each line's size) and an empty "Test3.txt"; they drop carriage
// returns, and a missing catalog makes no entry.
void LectureObstacles();
void LectureVehiculesTerrestres();
void LectureVehiculesAeriens();
void LectureVehiculesPolyvalents();
// Shadows also drop capital N and R, and a missing catalog makes one entry.
void LectureOmbres();

// The ten fixed entries, then every catalog in start-up order.
void LecturePalette();
