#pragma once

namespace editor {

// What a step of the history did, for the names of undo and redo.
enum class StepKind {
    Edit,      // a form's field, or anything not named below
    New,
    Delete,
    Move,
    Copy,
    Paste,
    Drop,
    Rename,
    KindChange,
    Icon,
    Colour,
    Options,
    SameMenus,
    AllTitles,
};

}  // namespace editor
