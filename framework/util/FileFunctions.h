// The framework's routines for whole text files, folders and their sizes,
// recursive deletion and listing, special folders, the computer name, the
// shell's icon chooser, file properties, the folder chooser and a code for the
// running Windows version. None throws: failures show as FALSE, empty texts,
// "No file" or a message box.
#pragma once

#include "afx/String.h"
#include "afx/ArrayTypes.h"

// Whole files.
// The file's lines, each followed by CR LF; "No file" when it cannot be opened.
CString ReadTextFile(const CString& path);
BOOL SaveGlobalMemoryToFile(HGLOBAL memory, const CString& path);
BOOL IsFileExisting(const CString& path);

// Folders.
// The byte count of a file, or of everything below a folder (32-bit).
int GetSizeFolderOrFile(const CString& path);
// "1023 bytes", "2.000 Kb (2048 bytes)", "1.500 Mb" and the like.
CString FormatFileSize(const CString& path, BOOL shortForm);
// Deletes a file, or a folder with everything below it. A link to a folder
// (junction or symbolic link) is removed itself, never followed.
void DeleteFolderOrFile(const CString& path);
// Appends the files (and folders, each after its contents) below the path.
BOOL GetAllFilesInThisFolder(const CString& path, CStringArray& files, BOOL recurse,
                             BOOL foldersOnly);
BOOL GetAllFilesSorted(const CString& path, CStringArray& files, BOOL recurse, BOOL foldersOnly);
// TRUE for "A:\" to "Y:\" (upper case) and the same with a doubled backslash.
BOOL IsDriveRoot(const CString& path);
CString GetFileNameFromPath(const CString& path);
CString GetFileExt(const CString& path);
// The program's folder, with its trailing backslash.
CString GetProgramFolder();
CString GetTempFolder();
// The path of a shell special folder (CSIDL_...); empty when it has none.
CString GetSpecialFolderPath(int folderId);

// System and shell.
// The computer's name, or "Unknown".
CString GetComputerNameText();
// 0-7: the Windows family and version (see the definition for the table).
int GetWinVersionCode();
int PickIconDialogA(HWND owner, LPSTR path, UINT pathLength, int* iconIndex);
int PickIconDialogW(HWND owner, LPWSTR path, UINT pathLength, int* iconIndex);
BOOL ShowFileProperties(const CString& path);
// The shell's folder chooser starting at folder; on OK folder is the choice.
BOOL BrowseForFolder(CString& folder, LPCSTR title);

// The main window of the calling thread, or nullptr: owner of the boxes and
// the clipboard.
HWND GetThreadMainWindow();
