#pragma once
// A folder registry prepared as for one popup, with folder submenus
// registered the way the popup builder does, and readers of what the
// filled menus hold.
#include <memory>
#include <string>
#include <vector>
#include <gtest/gtest.h>
#include "resident/folders/folder_registry.h"
#include "resident/menus/entry_ids.h"
#include "resident/menus/launch_map.h"
#include "resident/menus/owner_draw_menu.h"
#include "win32/com_ptr.h"

struct ShownItem {
    std::string text;
    int kind = -1;
    UINT id = 0;
    HMENU submenu = nullptr;
    std::string target;  // the launch string's target of a command item
};

class FolderMenuTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A new popup: clears the last one and prepares the registry again.
    void NewPopup(int options = 0);
    // The folder submenu of a SHOWFOLDER item with that path, with the
    // popup's options; null when the path does not resolve (its empty
    // submenu then stays with the test).
    HMENU RegisterFolder(const std::string& path, int maximumDepth = 0);
    std::vector<ShownItem> Open(HMENU menu);
    std::vector<ShownItem> Items(HMENU menu) const;
    std::vector<std::string> Texts(HMENU menu) const;

    resident::FolderRegistry registry;
    resident::LaunchMap launchMap;
    resident::EntryIds ids{launchMap, {}};  // the resident's, from NewPopup

private:
    win32::ComScope com_;
    int options_ = 0;
    std::vector<std::unique_ptr<resident::OwnerDrawMenu>> unresolved_;
};

void MakeFolder(const std::string& path);
void MakeFile(const std::string& path);
