#pragma once
// The forms of a menu entry: a command item whose path is a shortcut
// (5301) or anything else (5302), a group (5304), a separator (5303) and a
// title (5309). Each edit of the user is written at once, through the menu
// operations, as one reversible change; texts when their field loses the
// focus and only when they differ (ignoring case) from what was written.
#include <string>
#include "editor/forms/form_context.h"
#include "editor/forms/form_kind.h"
#include "editor/forms/form_view.h"
#include "editor/section/entry_fields.h"
#include "editor/section/menu_operations.h"

namespace editor {

class EntryForm : public FormView {
public:
    EntryForm(const FormContext& context, FormKind kind) : FormView(context.instance), context_(context), kind_(kind) {}
    bool Create(HWND parent) override;

    bool Commit() override;
    void Show(const FormSubject& subject) override;

protected:
    bool OnInit() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    bool Handles(int command) const override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // entry_form_fill_win32.cpp
    void Fill();
    void FillPathFields(const std::string& path);
    void FillShortcut(const std::string& path);
    void FillFileType(const std::string& path);
    void FillIcon();
    win32::UniqueIcon ShownIcon() const;
    void UpdateEnabling();
    bool FolderPath() const;

    // entry_form_edits_win32.cpp
    int DescriptionId() const;
    bool HasParameters() const { return kind_ == FormKind::FileItem; }
    bool CommitText(int id);
    bool CommitDepth();
    bool WriteValidDepth();
    void OnFlagClicked(int id);
    bool Write(const EntryFields& fields, StepKind kind = StepKind::Edit);

    // entry_form_commands_win32.cpp
    bool RunCommand(int id);
    void ShowPathMenu();
    void PickPath(int command);
    std::string AskForPath(int command);
    std::string AskForFile(UINT filterId, const std::string& folder);
    std::string AskForFolder();
    void ChangeKind(NodeKind kind);
    void ChangeIcon();
    void ChangeColours();

    const menufile::MenuEntry* Entry() const;
    MenuOperations Operations() const;
    Side side() const { return static_cast<Side>(subject_.side); }

    FormContext context_;
    FormKind kind_;
    FormSubject subject_{0, {}};
    std::string note_;  // the item forms' note while the path exists
    std::string writtenDescription_;
    std::string writtenParameters_;
    win32::UniqueIcon buttonIcon_;
    win32::UniqueBitmap menuBitmap_;
    win32::UniqueBrush titleBrush_;
};

}  // namespace editor
