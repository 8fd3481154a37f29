#include "resident/launch/launch_failure_report.h"

#include <windows.h>
#include <cstdio>
#include <vector>
#include "resident/app.h"
#include "resources/resident/resource_ids.h"

namespace resident {

namespace {

std::string LoadResidentString(UINT id)
{
    char text[512];
    int length = LoadStringA(TheApp().instance, id, text, sizeof text);
    return std::string(text, length > 0 ? length : 0);
}

int ReasonStringId(int code)
{
    switch (code) {
    case 2: return IDS_REASON_FILE_NOT_FOUND;
    case 3: return IDS_REASON_PATH_NOT_FOUND;
    case 5: return IDS_REASON_ACCESS_DENIED;
    case 8: return IDS_REASON_OUT_OF_MEMORY;
    default: return 0;
    }
}

template <typename... Args>
std::string Format(const std::string& format, Args... args)
{
    int length = snprintf(nullptr, 0, format.c_str(), args...);
    if (length <= 0)
        return std::string();
    std::vector<char> text(static_cast<size_t>(length) + 1);
    snprintf(text.data(), text.size(), format.c_str(), args...);
    return std::string(text.data(), static_cast<size_t>(length));
}

}  // namespace

std::string LaunchFailureText(int code, const std::string& path)
{
    if (code > 32)
        return std::string();
    if (int reasonId = ReasonStringId(code)) {
        std::string reason = LoadResidentString(static_cast<UINT>(reasonId));
        return Format(LoadResidentString(IDS_LAUNCH_FAILED_REASON), reason.c_str(), path.c_str(), code);
    }
    return Format(LoadResidentString(IDS_LAUNCH_FAILED), path.c_str(), code);
}

void ReportLaunchFailure(int code, const std::string& path)
{
    std::string text = LaunchFailureText(code, path);
    if (text.empty())
        return;
    const App& app = TheApp();
    MessageBoxA(app.mainWindow, text.c_str(), app.productCaption, MB_ICONEXCLAMATION);
}

}  // namespace resident
