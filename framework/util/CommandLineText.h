// Small edits of path and command-line texts: strip quotes, take an
// extension, cut the program out of a command line, reduce a path to its folder.
#pragma once

#include "afx/String.h"

// Every double quote becomes a blank, then blanks are trimmed at both ends.
void RemoveQuotes(CString& text);
// The text from the last "." on, the dot included; empty without a dot.
CString GetFileExtension(CString path);
// Keeps only the program part of a command line (quotes kept when quoted).
void ExtractProgramPath(CString& commandLine);
// Reduces the path to its folder with exactly one trailing backslash; empty
// for a bare name.
void GetFolderPart(CString& path);
