#include "ui/floor_edit_command.h"

#include <utility>

namespace lajes {

FloorEditCommand::FloorEditCommand(FloorEditKind kind, const QString& text, Floor before,
                                   Floor after, std::function<void(const Floor&)> apply, int drag)
    : QUndoCommand(text), kind_(kind), before_(std::move(before)), after_(std::move(after)),
      apply_(std::move(apply)), drag_(drag) {}

void FloorEditCommand::undo() {
    apply_(before_);
}

void FloorEditCommand::redo() {
    apply_(after_);
}

bool FloorEditCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const FloorEditCommand*>(other);
    if (next == nullptr || next->kind_ != kind_ || next->drag_ != drag_ || drag_ == 0)
        return false;
    after_ = next->after_;
    return true;
}

} // namespace lajes
