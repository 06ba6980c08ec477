#pragma once
// The polyline export file "Vrex-CAD-float.csv".

#include <string>

namespace vrex {

struct Editor;
struct PolylineStore;
struct Services;

inline constexpr const char* CadExportFileName = "Vrex-CAD-float.csv";

// The whole file, CR LF after every record. Throws RuntimeFault when a table
// index is out of range; nothing is read past a table.
std::string buildCadExportText(const PolylineStore& store);

// USERPROFILE + separator + "My Documents" + separator + file name; where
// USERPROFILE is not set, the desktop's documents folder + separator + file
// name (HOME + "My Documents" off Windows when no documents folder is known).
std::string cadExportPath(const Services& services);

// "Write && End": writes the file whole and ends the program; on failure the
// program goes on, the drawing intact, with the reason in the prompt line.
void WriteCadExportFile(Editor& editor);

} // namespace vrex
