#include "menufile/special_folder.h"

namespace menufile {

namespace {

// String ids of the names, by CSIDL value; 0 where there is no name.
const int kNameIds[kLastSpecialFolder + 1] = {
    4020, 4021, 4022, 4023, 4024, 4025, 4026, 4027, 4028, 4029,  // 0-9
    4030, 4031, 0,    0,    0,    0,    4040, 4041, 4042, 4043,  // 10-19
    4044, 4045, 4046, 4047, 4048, 4049, 4050, 4051, 4052, 4053,  // 20-29
    4054, 4055, 4060, 4061, 4062, 4063, 4064, 4065, 4066, 4067,  // 30-39
    4068, 0,    0,    4071, 0,    4073, 4074, 4075, 4080,        // 40-48
};

}  // namespace

int SpecialFolderNumber(const std::string& path)
{
    if (path.size() < 3 || path.compare(0, 2, "&#") != 0)
        return -1;
    int number = 0;
    for (size_t i = 2; i < path.size(); ++i) {
        if (path[i] < '0' || path[i] > '9')
            return -1;
        number = number * 10 + (path[i] - '0');
        if (number > kLastSpecialFolder)
            return -1;
    }
    return number;
}

std::string SpecialFolderPath(int csidl) { return "&#" + std::to_string(csidl); }

std::string SpecialFolderEntryText(int csidl)
{
    return SpecialFolderPath(csidl) + (csidl == kInternetFolder ? "" : "|1");
}

int SpecialFolderNameId(int csidl) { return csidl >= 0 && csidl <= kLastSpecialFolder ? kNameIds[csidl] : 0; }

}  // namespace menufile
