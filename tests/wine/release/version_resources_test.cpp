// The programs carry their version information and their manifest: product
// Q-Fendix, the program's role, common controls 6, no elevation, system DPI
// awareness; and Windows accepts the manifest.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>
#include "tests/support/test_support.h"
#include "win32/unique_handle.h"

namespace {

struct Program {
    const char* file;
    const char* role;
};

const Program kShippedPrograms[] = {{"Ombrix.exe", "Q-Fendix 常駐プログラム"},
                                    {"Ombrixa.exe", "Q-Fendix セットアップアシスタント"},
                                    {"Ombrixm.exe", "Q-Fendix メニューエディタ"}};

// The program's version resource, empty when it has none.
std::vector<char> VersionData(const std::string& path)
{
    DWORD ignored = 0;
    std::vector<char> data(GetFileVersionInfoSizeA(path.c_str(), &ignored));
    if (!data.empty() && !GetFileVersionInfoA(path.c_str(), 0, data.size(), data.data()))
        data.clear();
    return data;
}

// A value of the resource at least as large as T, or null.
template <typename T>
const T* Query(std::vector<char>& data, const std::string& key)
{
    void* value = nullptr;
    UINT length = 0;
    bool found = VerQueryValueA(data.data(), key.c_str(), &value, &length) && value;
    return found && length >= sizeof(T) ? static_cast<const T*>(value) : nullptr;
}

std::string ManifestOf(const std::string& path)
{
    win32::UniqueModule module(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (!module)
        return {};
    HRSRC resource = FindResourceA(module.get(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    if (!resource)
        return {};
    HGLOBAL loaded = LoadResource(module.get(), resource);
    const char* bytes = static_cast<const char*>(LockResource(loaded));
    return bytes ? std::string(bytes, SizeofResource(module.get(), resource)) : std::string();
}

// What differs from program to program; the shared block's numbers are the
// package test's.
TEST(VersionResources, EveryProgramNamesTheProductAndItsOwnRole)
{
    for (const Program& program : kShippedPrograms) {
        SCOPED_TRACE(program.file);
        std::vector<char> data = VersionData(testing_support::BinaryFolder() + program.file);
        ASSERT_FALSE(data.empty());
        const std::pair<const char*, std::string> texts[] = {
            {"ProductName", "Q-Fendix"},
            {"FileDescription", program.role},
            {"OriginalFilename", program.file},
        };
        for (const auto& [name, expected] : texts) {
            const char* text = Query<char>(data, std::string("\\StringFileInfo\\041104b0\\") + name);
            EXPECT_EQ(text ? text : "<missing>", expected) << name;
        }
    }
}

// The loader, not a text search, decides whether the manifest works: it must
// parse, and activating it must bring in version 6 of the common controls.
// What the loader here ignores (elevation, DPI awareness) is read as text.
TEST(VersionResources, ManifestActivatesCommonControls6AsksAsInvokerAndSystemDpi)
{
    for (const Program& program : kShippedPrograms) {
        SCOPED_TRACE(program.file);
        std::string path = testing_support::BinaryFolder() + program.file;
        std::string manifest = ManifestOf(path);
        EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
        EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos);
        EXPECT_NE(manifest.find(">system</dpiAwareness>"), std::string::npos);
        ACTCTXA context = {};
        context.cbSize = sizeof context;
        context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
        context.lpSource = path.c_str();
        context.lpResourceName = MAKEINTRESOURCEA(1);
        HANDLE activation = CreateActCtxA(&context);
        ASSERT_NE(activation, INVALID_HANDLE_VALUE) << "error " << GetLastError();
        ULONG_PTR cookie = 0;
        ASSERT_TRUE(ActivateActCtx(activation, &cookie));
        // Version 6 lives in its side-by-side assembly folder; Wine's copy
        // there reports version 5 from DllGetVersion, so the folder is the proof.
        HMODULE controls = LoadLibraryA("comctl32.dll");
        ASSERT_NE(controls, nullptr);
        char loadedFrom[MAX_PATH] = "";
        GetModuleFileNameA(controls, loadedFrom, MAX_PATH);
        std::string folder = CharLowerA(loadedFrom);
        EXPECT_NE(folder.find("microsoft.windows.common-controls_6595b64144ccf1df_6.0."), std::string::npos)
            << loadedFrom;
        FreeLibrary(controls);
        DeactivateActCtx(0, cookie);
        ReleaseActCtx(activation);
    }
}

}  // namespace
