#pragma once

// The modal dialogs that need complete data (the ribbed-slab, additional-data and settings
// dialogs) are shown again, without a message, until their data are acceptable or the user
// cancels.

#include <functional>

class QDialog;
class QWidget;

namespace lajes {

// Shows `dialog` modally until it is accepted with `acceptable()` true (returns true) or is
// cancelled (returns false). `acceptable` runs after each OK; it takes the dialog's values.
// The first showing places the dialog centred over the client area of `centreOver`; every
// showing after an incomplete OK comes back exactly where the dialog was when it closed,
// also when the user has moved it.
bool execUntilAcceptable(QDialog& dialog, const QWidget* centreOver,
                         const std::function<bool()>& acceptable);

} // namespace lajes
