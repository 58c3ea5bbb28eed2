#pragma once
// The files panel of the Data page: the lists imported into data set F, kept in Temp/paths.txt
// under the program folder, one a line. A list under the program folder's Data folder is written
// "->" and its path below that folder, so the entry survives a move of the program folder.

#include <QString>

#include <filesystem>

class TForm1;

std::filesystem::path FileListPath();

// The list's entry of a file, and the file of an entry.
QString FileListEntry(const std::filesystem::path& file);
std::filesystem::path FileListFile(const QString& entry);

// lbFiles from the saved list (start-up); an absent list leaves it empty.
void LoadFileList(TForm1& form);
// lbFiles into the saved list; false when it could not be written.
bool SaveFileList(TForm1& form);

void ConnectFilesPanel(TForm1& form);

void btnFilesClick(TForm1& form);
void btnFilesOkClick(TForm1& form);
// Takes the objects of each selected list out of data set F again.
void btnFilesSelDelClick(TForm1& form);
// Empties data set F's object files (after the user confirmed it) and its list.
void btnFilesAllDelClick(TForm1& form);
