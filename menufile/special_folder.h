#pragma once
// The shell's special folders in menu files: "&#" followed by a CSIDL value
// from 0 to 48 names one in the path field of a command item.
#include <string>

namespace menufile {

// CSIDL values that the programs treat on their own.
enum SpecialFolder : int {
    kDesktopFolder = 0,
    kInternetFolder = 1,
    kRecycleBin = 10,
    kDrivesFolder = 17,
};

constexpr int kLastSpecialFolder = 48;
// A shell item is taken for a special folder when it equals one of 0 to 34.
constexpr int kLastComparedSpecialFolder = 34;

// The CSIDL value of a path in the notation, or -1 for any other text.
int SpecialFolderNumber(const std::string& path);
// "&#N".
std::string SpecialFolderPath(int csidl);
// What a shell item that is special folder N becomes in a menu: "&#N|1"
// (the icon-location form with icon number 1), "&#1" for the Internet.
std::string SpecialFolderEntryText(int csidl);
// The string id of the folder's name in the editor's chooser; 0 for a value
// that is not offered.
int SpecialFolderNameId(int csidl);

}  // namespace menufile
