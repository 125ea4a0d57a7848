#pragma once

// What the results screen shows, as plain data: the text of every box, the eight drop-down
// lists, and the messages to show in order. The core fills it; the window copies it into
// its controls (member names are the control names).

#include <string>
#include <string_view>
#include <vector>

#include "design/bars.h"
#include "design/slab_results.h"

namespace lajes {

enum class MessageKind { Information, Warning };

struct ScreenMessage {
    MessageKind kind = MessageKind::Information;
    std::string text; // lines separated by "\n"
};

inline constexpr std::string_view neutralAxisOutsideFlangeMessage =
    "Linha Neutra está fora da mesa";

struct ResultsScreen {
    // Moments and reactions.
    std::string MxEdit, MyEdit, XxEdit, XyEdit;
    std::string RxaEdit, RyaEdit, RxeEdit, RyeEdit;
    // Required ("Calc.") and effective areas.
    std::string AsxpCEdit, AsypCEdit, AsxnCEdit, AsynCEdit;
    std::string AsxpEdit, AsypEdit, AsxnEdit, AsynEdit;
    // Section limits.
    std::string MkmaxEdit, MrEdit, RominEdit, AsminEdit;
    // Diameter ("Bitolas") and spacing lists, and the bar descriptions.
    ChoiceList AsxpComboBox, AsypComboBox, AsxnComboBox, AsynComboBox;
    ChoiceList EspAsxpComboBox, EspAsypComboBox, EspAsxnComboBox, EspAsynComboBox;
    std::string AsxpbEdit, AsypbEdit, AsxnbEdit, AsynbEdit;
    // Neutral axis, shear, deflections.
    std::string XLnEdit;
    std::string TwdEdit, TwuEdit;
    std::string FiEdit, FadmEdit, FfEdit, Fadm1Edit;

    // The control that receives the focus when a computation starts.
    std::string focusedControl;

    // Spacing limits of the last computation; the bar changes read them.
    SpacingLimits spacingLimits;

    // CloseResultTimer: set by the no-bar failure; the window starts its 100 ms close timer.
    bool closeTimerRunning = false;

    // The controls of one reinforcement direction (one column of the screen).
    ChoiceList& diameterList(BarDirection direction);
    ChoiceList& spacingList(BarDirection direction);
    std::string& descriptionBox(BarDirection direction);
    std::string& effectiveAreaBox(BarDirection direction);
    std::string& requiredAreaBox(BarDirection direction);
    const ChoiceList& diameterList(BarDirection direction) const;
    const ChoiceList& spacingList(BarDirection direction) const;
    const std::string& descriptionBox(BarDirection direction) const;
    const std::string& effectiveAreaBox(BarDirection direction) const;
    const std::string& requiredAreaBox(BarDirection direction) const;
};

} // namespace lajes
