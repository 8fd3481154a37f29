#pragma once
// What the frame asks of the settings being edited: whether anything is
// left to save, and Save all. The settings model implements it.
namespace editor {

class Saving {
public:
    virtual ~Saving() = default;
    virtual bool IsModified() const = 0;
    // Writes everything modified; false when anything failed (the failure
    // has been shown and the edits are still held).
    virtual bool SaveAll() = 0;
};

}  // namespace editor
