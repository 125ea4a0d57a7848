#pragma once

// One edit of the floor on the window's undo stack: the floor before and after it. A drag
// (moving or resizing) pushes one command per mouse move with the same drag number; they merge
// into one undo step.

#include <QString>
#include <QUndoCommand>

#include <functional>

#include "floor/floor.h"

namespace lajes {

// What the edit did; the undo menu's text says it.
enum class FloorEditKind {
    AddSlab = 1,
    DeleteSlabs,
    DuplicateSlab,
    MoveSlabs,
    ResizeSlab,
    ChangeSlab,
    ChangeEdge,
    ChangeFloor,
    NudgeSlabs
};

class FloorEditCommand final : public QUndoCommand {
public:
    // `apply` puts a floor into the window (and recomputes). `drag` is 0 for a one-off edit.
    FloorEditCommand(FloorEditKind kind, const QString& text, Floor before, Floor after,
                     std::function<void(const Floor&)> apply, int drag = 0);

    void undo() override;
    void redo() override;
    int id() const override { return drag_ == 0 ? -1 : static_cast<int>(kind_); }
    bool mergeWith(const QUndoCommand* other) override;

private:
    FloorEditKind kind_;
    Floor before_;
    Floor after_;
    std::function<void(const Floor&)> apply_;
    int drag_;
};

} // namespace lajes
