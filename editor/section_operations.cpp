#include "editor/section_operations.h"

#include "editor/section_loader.h"

namespace editor {

std::unique_ptr<Section> SectionOperations::MakeSection(SectionValues values)
{
    values.description = NewDescription(model_, services_.Now());
    for (MenuSideValues& side : values.menus)
        side.path.clear();
    auto section = std::make_unique<Section>(model_.NewId(), std::move(values));
    for (Side side : {kLeft, kRight}) {
        section->set_menu(side, std::make_unique<EditMenuFile>(std::string(), services_.Reports()));
        SettleMenu(*section, side, model_, services_);
    }
    return section;
}

size_t SectionOperations::Append(std::unique_ptr<Section> section)
{
    size_t position = model_.size();
    history_.Do(model_, std::make_unique<InsertSectionChange>(position, std::move(section)), StepKind::New);
    return position;
}

size_t SectionOperations::New()
{
    return Append(MakeSection(SectionValues()));
}

size_t SectionOperations::Duplicate(size_t source)
{
    const Section& original = model_.section(source);
    std::unique_ptr<Section> copy = MakeSection(original.values());
    for (Side side : {kLeft, kRight}) {
        const menufile::MenuList* root = original.menu(side)->root();
        std::unique_ptr<menufile::MenuList> menu = root ? services_.CopyMenu(*root) : nullptr;
        if (menu)
            copy->menu(side)->set_root(std::move(menu));
    }
    return Append(std::move(copy));
}

RenameResult SectionOperations::Rename(size_t position, const std::string& name)
{
    const Section& section = model_.section(position);
    if (name.empty() || name == section.values().description)
        return RenameResult::Unchanged;
    if (model_.FindDescription(name, position) != SettingsModel::npos)
        return RenameResult::NameTaken;
    history_.Do(model_, std::make_unique<SectionNameChange>(section, name), StepKind::Rename);
    return RenameResult::Renamed;
}

void SectionOperations::Delete(size_t position)
{
    history_.Do(model_, std::make_unique<RemoveSectionChange>(position), StepKind::Delete);
}

void SectionOperations::MoveUp(size_t position)
{
    if (CanMoveUp(position))
        history_.Do(model_, std::make_unique<SwapSectionsChange>(position - 1, position), StepKind::Move);
}

void SectionOperations::MoveDown(size_t position)
{
    if (CanMoveDown(position))
        history_.Do(model_, std::make_unique<SwapSectionsChange>(position, position + 1), StepKind::Move);
}

}  // namespace editor
