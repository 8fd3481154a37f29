#include <memory>
#include "editor/forms/entry_form.h"
#include "editor/forms/form_context.h"

namespace editor {

std::unique_ptr<RightPane> MakeForm(PaneClass kind, const FormContext& context, HWND parent)
{
    switch (kind) {
    case PaneClass::ShortcutItem:
    case PaneClass::FileItem:
    case PaneClass::Group:
    case PaneClass::Separator:
    case PaneClass::Title: {
        auto form = std::make_unique<EntryForm>(context, kind);
        return form->Create(parent) ? std::move(form) : nullptr;
    }
    default:
        return nullptr;
    }
}

}  // namespace editor
