#pragma once

// What the results screen shows, as plain data: the text of every box, the eight drop-down
// lists, and the messages to show in order. The core fills it; the window copies it into
// its controls through the tables at the end (member names are the control names).

#include <array>
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

// The controls a computation can put the focus on; the window maps each to its widget.
enum class ResultsFocus { None, AsxpComboBox };

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
    ResultsFocus focusedControl = ResultsFocus::None;

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

// One control of the screen: its name (the window's widget, the key of lajes-cli's JSON) and
// the member that holds what it shows.
template <typename Value> struct ResultsScreenControl {
    std::string_view name;
    Value ResultsScreen::*member;
};

// Every text box of the screen, in the order of the screen's columns.
inline constexpr std::array<ResultsScreenControl<std::string>, 31> resultsScreenBoxes{{
    {"MxEdit", &ResultsScreen::MxEdit},       {"MyEdit", &ResultsScreen::MyEdit},
    {"XxEdit", &ResultsScreen::XxEdit},       {"XyEdit", &ResultsScreen::XyEdit},
    {"RxaEdit", &ResultsScreen::RxaEdit},     {"RyaEdit", &ResultsScreen::RyaEdit},
    {"RxeEdit", &ResultsScreen::RxeEdit},     {"RyeEdit", &ResultsScreen::RyeEdit},
    {"AsxpCEdit", &ResultsScreen::AsxpCEdit}, {"AsypCEdit", &ResultsScreen::AsypCEdit},
    {"AsxnCEdit", &ResultsScreen::AsxnCEdit}, {"AsynCEdit", &ResultsScreen::AsynCEdit},
    {"AsxpEdit", &ResultsScreen::AsxpEdit},   {"AsypEdit", &ResultsScreen::AsypEdit},
    {"AsxnEdit", &ResultsScreen::AsxnEdit},   {"AsynEdit", &ResultsScreen::AsynEdit},
    {"MkmaxEdit", &ResultsScreen::MkmaxEdit}, {"MrEdit", &ResultsScreen::MrEdit},
    {"RominEdit", &ResultsScreen::RominEdit}, {"AsminEdit", &ResultsScreen::AsminEdit},
    {"AsxpbEdit", &ResultsScreen::AsxpbEdit}, {"AsypbEdit", &ResultsScreen::AsypbEdit},
    {"AsxnbEdit", &ResultsScreen::AsxnbEdit}, {"AsynbEdit", &ResultsScreen::AsynbEdit},
    {"XLnEdit", &ResultsScreen::XLnEdit},     {"TwdEdit", &ResultsScreen::TwdEdit},
    {"TwuEdit", &ResultsScreen::TwuEdit},     {"FiEdit", &ResultsScreen::FiEdit},
    {"FadmEdit", &ResultsScreen::FadmEdit},   {"FfEdit", &ResultsScreen::FfEdit},
    {"Fadm1Edit", &ResultsScreen::Fadm1Edit},
}};

// The diameter ("Bitolas") lists, then the spacing lists.
inline constexpr std::array<ResultsScreenControl<ChoiceList>, 8> resultsScreenLists{{
    {"AsxpComboBox", &ResultsScreen::AsxpComboBox},
    {"AsypComboBox", &ResultsScreen::AsypComboBox},
    {"AsxnComboBox", &ResultsScreen::AsxnComboBox},
    {"AsynComboBox", &ResultsScreen::AsynComboBox},
    {"EspAsxpComboBox", &ResultsScreen::EspAsxpComboBox},
    {"EspAsypComboBox", &ResultsScreen::EspAsypComboBox},
    {"EspAsxnComboBox", &ResultsScreen::EspAsxnComboBox},
    {"EspAsynComboBox", &ResultsScreen::EspAsynComboBox},
}};

} // namespace lajes
