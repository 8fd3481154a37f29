#include "resident/launch/launch_failure_report.h"

#include <windows.h>
#include "resident/app.h"
#include "resident/text/string_resource.h"
#include "resources/resident/resource_ids.h"

namespace resident {

namespace {

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

}  // namespace

std::string LaunchFailureText(int code, const std::string& path)
{
    if (code > 32)
        return std::string();
    CStr text;
    if (int reasonId = ReasonStringId(code)) {
        CStr reason;
        LoadResourceString(reason, static_cast<UINT>(reasonId));
        FormatResourceString(text, IDS_LAUNCH_FAILED_REASON, reason.c_str(), path.c_str(), code);
    } else {
        FormatResourceString(text, IDS_LAUNCH_FAILED, path.c_str(), code);
    }
    return text.c_str();
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
