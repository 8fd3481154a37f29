// The management tree bar's commands and its label editing.
#include "editor/command_text.h"
#include "editor/forms/menu_options_form.h"
#include "editor/history_commands.h"
#include "editor/manage_tree_bar.h"
#include "resources/editor/resource_ids.h"

namespace editor {

bool ManageTreeBar::QueryCommand(int id, win32::CommandState& state)
{
    if (IsHistoryCommand(id)) {
        if (!OwnsHistoryCommands())
            return false;
        QueryHistoryCommand(instance_, settings_.history(), id, state);
        return true;
    }
    const size_t position = SelectedPosition();
    const bool onSection = position != SettingsModel::npos;
    const SectionOperations& operations = settings_.operations();
    switch (id) {
    case ID_SECTION_NEW:
        state.enabled = operations.CanAdd();
        return true;
    case ID_SECTION_OPEN:
        state.enabled = DataOf(TreeView_GetSelection(tree_)) != kRootData;
        return true;
    case ID_SECTION_UP:
        state.enabled = onSection && operations.CanMoveUp(position);
        return true;
    case ID_SECTION_DOWN:
        state.enabled = onSection && operations.CanMoveDown(position);
        return true;
    case ID_SECTION_DUPLICATE:
        state.enabled = onSection && operations.CanAdd();
        return true;
    case ID_SECTION_RENAME:
    case ID_SECTION_DELETE:
        state.enabled = onSection;
        return true;
    }
    return false;
}

bool ManageTreeBar::RunCommand(int id)
{
    if (IsHistoryCommand(id)) {
        if (!OwnsHistoryCommands())
            return false;
        RunHistoryStep(id);
        return true;
    }
    switch (id) {
    case ID_SECTION_NEW: New(); return true;
    case ID_SECTION_OPEN: Open(); return true;
    case ID_SECTION_UP: Move(true); return true;
    case ID_SECTION_DOWN: Move(false); return true;
    case ID_SECTION_DUPLICATE: Duplicate(); return true;
    case ID_SECTION_RENAME:
        SetFocus(tree_);
        TreeView_EditLabel(tree_, TreeView_GetSelection(tree_));
        return true;
    case ID_SECTION_DELETE: Delete(); return true;
    }
    return false;
}

// A window already open for the item comes to the front; none is opened.
void ManageTreeBar::OnSelectionChanged()
{
    LPARAM data = DataOf(TreeView_GetSelection(tree_));
    if (data == kOptionsData)
        windows_.Activate(WindowKind::Options, nullptr);
    size_t position = SelectedPosition();
    if (position != SettingsModel::npos)
        windows_.Activate(WindowKind::Section, &settings_.model().section(position));
}

void ManageTreeBar::Open()
{
    LPARAM data = DataOf(TreeView_GetSelection(tree_));
    if (data == kOptionsData && openOptions_)
        openOptions_();
    size_t position = SelectedPosition();
    if (position == SettingsModel::npos)
        return;
    Section& section = settings_.model().section(position);
    windows_.OpenOrActivate(WindowKind::Section, &section, section.values().description,
                            [&] { return makeSectionWindow_(section); });
}

void ManageTreeBar::ShowContextMenu()
{
    POINT cursor;
    GetCursorPos(&cursor);
    TVHITTESTINFO hit = {};
    hit.pt = cursor;
    ScreenToClient(tree_, &hit.pt);
    HTREEITEM item = TreeView_HitTest(tree_, &hit);
    if (item)
        Select(item);
    win32::UniqueMenu menus(LoadMenuA(instance_, MAKEINTRESOURCEA(IDR_CONTEXT_MENUS)));
    HMENU popup = menus ? GetSubMenu(menus.get(), CONTEXT_MANAGE_TREE) : nullptr;
    if (!popup)
        return;
    if (item)
        SetMenuDefaultItem(popup, ID_SECTION_OPEN, FALSE);
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, GetAncestor(handle(), GA_ROOT),
                   nullptr);
}

void ManageTreeBar::New()
{
    size_t position = settings_.operations().New();
    Select(AddSectionItem(settings_.model().section(position)));
}

void ManageTreeBar::Duplicate()
{
    size_t source = SelectedPosition();
    if (source == SettingsModel::npos)
        return;
    size_t position = settings_.operations().Duplicate(source);
    Select(AddSectionItem(settings_.model().section(position)));
}

void ManageTreeBar::Delete()
{
    size_t position = SelectedPosition();
    if (position == SettingsModel::npos)
        return;
    Section& section = settings_.model().section(position);
    std::string question = FormattedText(instance_, IDS_CONFIRM_DELETE, section.values().description);
    std::string caption = LoadText(instance_, IDS_APP_TITLE);
    if (MessageBoxA(GetAncestor(handle(), GA_ROOT), question.c_str(), caption.c_str(),
                    MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    windows_.Close(WindowKind::Section, &section);
    HTREEITEM item = TreeView_GetSelection(tree_);
    HTREEITEM previous = TreeView_GetPrevSibling(tree_, item);
    settings_.operations().Delete(position);
    Select(previous ? previous : root_);
    TreeView_DeleteItem(tree_, item);
}

void ManageTreeBar::Move(bool up)
{
    size_t position = SelectedPosition();
    SectionOperations& operations = settings_.operations();
    if (position == SettingsModel::npos || !(up ? operations.CanMoveUp(position) : operations.CanMoveDown(position)))
        return;
    if (up)
        operations.MoveUp(position);
    else
        operations.MoveDown(position);
    Refill();
}

bool ManageTreeBar::OwnsHistoryCommands() const
{
    return GetFocus() == tree_ || !windows_.Active();
}

// A section that undo or redo took out loses its window; the tree is built
// again with the section of the step selected where it is still there.
void ManageTreeBar::RunHistoryStep(int id)
{
    SettingsModel& model = settings_.model();
    const SettingsChange* change = RunHistoryCommand(settings_.history(), model, id);
    if (!change)
        return;
    for (ChildWindow* window : windows_.All()) {
        const auto* section = static_cast<const Section*>(window->subject());
        if (window->kind() == WindowKind::Section && model.PositionOf(section->id()) == SettingsModel::npos)
            windows_.Close(WindowKind::Section, section);
    }
    Refill();
    ReloadMenuOptionForms(GetAncestor(tree_, GA_ROOT));
    HTREEITEM item = change->sectionId() ? ItemOf(change->sectionId()) : nullptr;
    if (item)
        Select(item);
}

bool ManageTreeBar::OnBeginLabelEdit(const NMTVDISPINFOA& info) const
{
    return DataOf(info.item.hItem) > 0;
}

// Esc, an empty or unchanged text, or another section's name keep the old one.
bool ManageTreeBar::OnEndLabelEdit(const NMTVDISPINFOA& info)
{
    LPARAM data = DataOf(info.item.hItem);
    size_t position = data > 0 ? settings_.model().PositionOf(static_cast<uint64_t>(data)) : SettingsModel::npos;
    if (!info.item.pszText || position == SettingsModel::npos)
        return false;
    const std::string name = info.item.pszText;
    switch (settings_.operations().Rename(position, name)) {
    case RenameResult::NameTaken:
        // Told once the edit has ended: a box shown while it ends takes the
        // focus from the edit, which would end it (and ask) a second time.
        // The tree may end one edit twice; the user is told once.
        if (takenName_.empty())
            PostMessageA(handle(), kNameTakenMessage, 0, 0);
        takenName_ = name;
        return false;
    case RenameResult::Renamed:
        if (ChildWindow* window = windows_.Find(WindowKind::Section, &settings_.model().section(position)))
            SetWindowTextA(window->handle(), name.c_str());
        return true;
    default:
        return false;
    }
}

void ManageTreeBar::ShowNameTaken()
{
    std::string text = FormattedText(instance_, IDS_NAME_TAKEN, takenName_);
    takenName_.clear();
    std::string caption = LoadText(instance_, IDS_APP_TITLE);
    MessageBoxA(GetAncestor(handle(), GA_ROOT), text.c_str(), caption.c_str(), MB_ICONINFORMATION);
}

}  // namespace editor
