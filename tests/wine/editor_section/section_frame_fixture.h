#pragma once
// A section's window in the editor's real frame, as the program opens it:
// one section "One" whose menus are left.txt and right.txt of a temporary
// folder, its settings loaded afresh for every test. One frame for the suite: a
// frame takes seconds to go under Wine.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <memory>
#include <string>
#include "editor/editor_settings.h"
#include "editor/main_frame.h"
#include "editor/section_menus_window.h"
#include "settings/ini_file.h"
#include "tests/support/test_support.h"

namespace editor_test {

class SectionFrameTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        frame = new editor::MainFrame(GetModuleHandleA(nullptr), paths, loop);
        ASSERT_TRUE(frame->Create());
        MoveWindow(frame->handle(), 0, 0, 1000, 700, TRUE);
        ShowWindow(frame->handle(), SW_SHOW);
    }
    static void TearDownTestSuite()
    {
        DestroyWindow(frame->handle());
        delete frame;
        // The frame ends the program's loop as it goes; the next suites show boxes.
        MSG quit;
        PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    void TearDown() override
    {
        for (editor::ChildWindow* open : frame->windows().All())
            open->Destroy();
        frame->SetSaving(nullptr);
        settings.reset();
        DeleteFileA(paths.settingsPath.c_str());
    }

    // The settings, the menu files (the right one a copy of the left unless
    // given) and the section's window.
    void Load(const std::string& menu, editor::FormPaneFactory makeForms = {}, const std::string& right = "")
    {
        testing_support::WriteFileBytes(menuPath(), menu);
        testing_support::WriteFileBytes(folder.path() + "right.txt", right.empty() ? menu : right);
        settings::IniFile file(paths.settingsPath);
        file.WriteText("Main", "TrayNo", "1");
        file.WriteText("Section1", "Desc", "One");
        file.WriteText("Section1", "MenuPath_L", menuPath());
        file.WriteText("Section1", "MenuPath_R", folder.path() + "right.txt");
        settings = std::make_unique<editor::EditorSettings>(GetModuleHandleA(nullptr), paths.settingsPath,
                                                            folder.path(), [] { return frame->handle(); });
        ASSERT_TRUE(settings->Load());
        frame->SetSaving(settings.get());
        editor::Section& section = settings->model().section(0);
        window = static_cast<editor::SectionMenusWindow*>(
            frame->windows().OpenOrActivate(editor::WindowKind::Section, &section, "One", [&] {
                return std::make_unique<editor::SectionMenusWindow>(GetModuleHandleA(nullptr), settings->model(),
                                                                    history(), section, makeForms);
            }));
        ASSERT_NE(window, nullptr);
    }

    std::string menuPath() const { return folder.path() + "left.txt"; }
    editor::ChangeHistory& history() { return settings->historyOf(settings->model().section(0).id()); }
    menufile::MenuList& Left() { return *settings->model().section(0).menu(editor::kLeft)->root(); }
    HWND tree() { return window->pane().tree().handle(); }
    // The n-th visible node of the menu tree, the root being 0.
    HTREEITEM Node(int n)
    {
        HTREEITEM item = TreeView_GetRoot(tree());
        while (item && n-- > 0)
            item = TreeView_GetNextVisible(tree(), item);
        return item;
    }

    static inline testing_support::TempFolder folder{"sectionframe"};
    static inline win32::MessageLoop loop;
    static inline editor::EditorPaths paths = editor::PathsForProgram(folder.path() + "Ombrixm.exe");
    static inline editor::MainFrame* frame = nullptr;
    std::unique_ptr<editor::EditorSettings> settings;
    editor::SectionMenusWindow* window = nullptr;
};

}  // namespace editor_test
