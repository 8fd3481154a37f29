#pragma once
// Names, numbers and bits of the settings file Ombrix.ini, shared by the
// three programs. The names are the file's own; never change them.
#include <cstddef>
#include <string>

namespace settings {

inline constexpr char kMainSection[] = "Main";
inline constexpr char kIniVersion[] = "IniVersion";
inline constexpr char kTrayNo[] = "TrayNo";
inline constexpr char kMenuAutoHide[] = "MenuAutoHide";
inline constexpr char kPoolPath[] = "PoolPath";
inline constexpr char kServePath[] = "ServePath";
inline constexpr char kAutoCloseMain[] = "AutoCloseMain";

// "Section" and the number: the section of the tray icon with id number - 1.
std::string SectionName(int number);

// Keys of a [SectionN], one per tray icon.
inline constexpr char kFlags[] = "Flags";
inline constexpr char kDesc[] = "Desc";
inline constexpr char kIconUp[] = "IconUp";
inline constexpr char kIconNoUp[] = "IconNoUp";
inline constexpr char kIconDown[] = "IconDown";
inline constexpr char kIconNoDown[] = "IconNoDown";
inline constexpr char kMenuPathLeft[] = "MenuPath_L";
inline constexpr char kMenuPathRight[] = "MenuPath_R";
inline constexpr char kMenuWidthLeft[] = "MenuWidth_L";
inline constexpr char kMenuWidthRight[] = "MenuWidth_R";
inline constexpr char kOptLeft[] = "Opt_L";
inline constexpr char kOptRight[] = "Opt_R";

// The editor's recently chosen icon files, File1 to File5.
inline constexpr char kIconLocationSection[] = "IconLocation";
inline constexpr int kIconLocationCount = 5;

// The only format version the resident runs with; the setup assistant
// writes it as the last step of a setup.
inline constexpr int kCurrentIniVersion = 10;

// Text values are read into 260-byte buffers: at most 259 bytes of a value.
inline constexpr size_t kValueBufferSize = 260;
inline constexpr size_t kMaxValueLength = kValueBufferSize - 1;

// Bits of Flags.
enum : int {
    FLAG_DAY_OF_MONTH = 0x1,     // the icon shows the day of the month
    FLAG_NO_PRESSED_ICON = 0x2,  // the icon does not change while the button is held
};

// Bits of Opt_L and Opt_R.
enum : int {
    OPT_ICONS = 0x10000,        // an icon beside each entry
    OPT_LARGE_ICONS = 0x20000,  // the system's large icons; only with OPT_ICONS
    OPT_TEXTS = 0x40000,        // the entry texts, MenuWidth_L/_R wide
};

}  // namespace settings
