// The programs carry their version information and their manifest: product
// Q-Fendix, version 1.10, the program's role, common controls 6, no
// elevation, system DPI awareness; and Windows accepts the manifest.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "tests/support/test_support.h"
#include "win32/unique_handle.h"

namespace {

struct Program {
    const char* file;
    const char* role;
};

std::vector<Program> ShippedPrograms()
{
    std::vector<Program> programs = {{"Ombrix.exe", "Q-Fendix 常駐プログラム"}};
#ifdef OMBRIX_HAS_SETUP
    programs.push_back({"Ombrixa.exe", "Q-Fendix セットアップアシスタント"});
#endif
    return programs;
}

class VersionInfo {
public:
    explicit VersionInfo(const std::string& path)
    {
        DWORD ignored = 0;
        DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
        if (size == 0)
            return;
        data_.resize(size);
        if (!GetFileVersionInfoA(path.c_str(), 0, size, data_.data()))
            data_.clear();
    }
    bool loaded() const { return !data_.empty(); }

    std::string Text(const std::string& name)
    {
        void* value = nullptr;
        UINT length = 0;
        std::string key = "\\StringFileInfo\\041104b0\\" + name;
        if (!VerQueryValueA(data_.data(), key.c_str(), &value, &length) || !value)
            return "<missing>";
        return static_cast<const char*>(value);
    }

    VS_FIXEDFILEINFO Fixed()
    {
        VS_FIXEDFILEINFO info = {};
        void* value = nullptr;
        UINT length = 0;
        if (VerQueryValueA(data_.data(), "\\", &value, &length) && length >= sizeof info)
            info = *static_cast<VS_FIXEDFILEINFO*>(value);
        return info;
    }

    DWORD Translation()
    {
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(data_.data(), "\\VarFileInfo\\Translation", &value, &length) || length < 4)
            return 0;
        return *static_cast<DWORD*>(value);
    }

private:
    std::vector<char> data_;
};

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

TEST(VersionResources, EveryProgramNamesProductVersionAndRole)
{
    for (const Program& program : ShippedPrograms()) {
        SCOPED_TRACE(program.file);
        VersionInfo info(testing_support::BinaryFolder() + program.file);
        ASSERT_TRUE(info.loaded());
        VS_FIXEDFILEINFO fixed = info.Fixed();
        EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
        EXPECT_EQ(fixed.dwFileVersionMS, MAKELONG(10, 1));
        EXPECT_EQ(fixed.dwProductVersionMS, MAKELONG(10, 1));
        EXPECT_EQ(fixed.dwFileType, static_cast<DWORD>(VFT_APP));
        EXPECT_EQ(info.Translation(), MAKELONG(0x411, 1200));
        EXPECT_EQ(info.Text("ProductName"), "Q-Fendix");
        EXPECT_EQ(info.Text("FileVersion"), "1.10");
        EXPECT_EQ(info.Text("ProductVersion"), "1.10");
        EXPECT_EQ(info.Text("FileDescription"), program.role);
        EXPECT_EQ(info.Text("OriginalFilename"), program.file);
        EXPECT_EQ(info.Text("LegalCopyright"), "Copyright (c) 2026 The Ombrix developers");
    }
}

TEST(VersionResources, ManifestAsksForCommonControls6AsInvokerAndSystemDpi)
{
    for (const Program& program : ShippedPrograms()) {
        SCOPED_TRACE(program.file);
        std::string manifest = ManifestOf(testing_support::BinaryFolder() + program.file);
        ASSERT_FALSE(manifest.empty());
        EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
                  std::string::npos);
        EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
        EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos);
        EXPECT_NE(manifest.find(">system</dpiAwareness>"), std::string::npos);
    }
}

// The loader, not a text search, decides whether the manifest works: it must
// parse, and activating it must bring in version 6 of the common controls.
TEST(VersionResources, ManifestActivatesCommonControls6)
{
    for (const Program& program : ShippedPrograms()) {
        SCOPED_TRACE(program.file);
        std::string path = testing_support::BinaryFolder() + program.file;
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
