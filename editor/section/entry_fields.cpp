#include "editor/section/entry_fields.h"

#include <memory>

namespace editor {

namespace {

constexpr uint32_t kKindBits = menufile::ITEM_STATIC | menufile::ITEM_POPUP | menufile::ITEM_SEPARATOR;
constexpr uint32_t kFolderBits = menufile::ITEM_SHOWFOLDER | menufile::ITEM_FOLDER_OPTION_MASK;

uint32_t KindBits(NodeKind kind)
{
    switch (kind) {
    case kGroupNode:
        return menufile::ITEM_POPUP;
    case kTitleNode:
        return menufile::ITEM_STATIC;
    case kSeparatorNode:
        return menufile::ITEM_SEPARATOR;
    default:
        return 0;
    }
}

bool IsCommand(const EntryFields& fields)
{
    return (fields.flags & kKindBits) == 0;
}

}  // namespace

bool EntryFields::operator==(const EntryFields& other) const
{
    return text1 == other.text1 && text2 == other.text2 && parameters == other.parameters &&
           iconPath == other.iconPath && iconNumber == other.iconNumber && flags == other.flags;
}

EntryFields FieldsOf(const menufile::MenuEntry& entry)
{
    return {entry.text1, entry.text2, entry.parameters, entry.iconPath, entry.iconNumber, entry.flags};
}

void PutFields(menufile::MenuEntry& entry, const EntryFields& fields)
{
    entry.text1 = fields.text1;
    entry.text2 = fields.text2;
    entry.parameters = fields.parameters;
    entry.iconPath = fields.iconPath;
    entry.iconNumber = fields.iconNumber;
    entry.flags = fields.flags;
}

std::string DescriptionOf(const EntryFields& fields)
{
    return IsCommand(fields) ? fields.text2 : fields.text1;
}

void PutDescription(EntryFields& fields, const std::string& text)
{
    (IsCommand(fields) ? fields.text2 : fields.text1) = text;
}

bool ValidFolderDepth(int depth)
{
    return depth >= 0 && depth <= 255;
}

void SetFolderDepth(EntryFields& fields, int depth)
{
    fields.flags = (fields.flags & ~menufile::ITEM_FOLDER_OPTION_MASK) |
                   (static_cast<uint32_t>(depth & 0xFF) << menufile::kFolderOptionShift);
}

menufile::MenuEntry ConvertedEntry(const menufile::MenuEntry& entry, NodeKind kind, const KindChangeTexts& texts)
{
    std::string description = DescriptionOf(FieldsOf(entry));
    menufile::MenuEntry result;
    result.flags = (entry.flags & ~kKindBits) | KindBits(kind);
    if (kind == kCommandNode) {
        result.text1 = texts.program;
        result.text2 = description.empty() ? texts.newItem : description;
        return result;
    }
    result.flags &= ~kFolderBits;
    result.text1 = description;
    if (kind == kSeparatorNode)
        return result;
    result.iconPath = entry.iconPath;
    result.iconNumber = entry.iconNumber;
    if (kind == kGroupNode)
        result.submenu = std::make_unique<menufile::MenuList>();
    return result;
}

menufile::MenuEntry WithNewPath(const menufile::MenuEntry& entry, const std::string& path)
{
    menufile::MenuEntry result;
    result.text1 = path;
    result.flags = entry.flags & ~kKindBits;
    return result;
}

menufile::TitleColours ColoursOf(const EntryFields& fields)
{
    return menufile::ParseTitleColours(fields.parameters);
}

}  // namespace editor
