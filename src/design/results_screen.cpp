#include "design/results_screen.h"

namespace lajes {

namespace {

template <typename Screen, typename Member>
auto& column(Screen& screen, BarDirection direction, Member xp, Member yp, Member xn, Member yn) {
    switch (direction) {
    case BarDirection::xp:
        return screen.*xp;
    case BarDirection::yp:
        return screen.*yp;
    case BarDirection::xn:
        return screen.*xn;
    case BarDirection::yn:
        break;
    }
    return screen.*yn;
}

} // namespace

ChoiceList& ResultsScreen::diameterList(BarDirection direction) {
    return column(*this, direction, &ResultsScreen::AsxpComboBox, &ResultsScreen::AsypComboBox,
                  &ResultsScreen::AsxnComboBox, &ResultsScreen::AsynComboBox);
}
const ChoiceList& ResultsScreen::diameterList(BarDirection direction) const {
    return column(*this, direction, &ResultsScreen::AsxpComboBox, &ResultsScreen::AsypComboBox,
                  &ResultsScreen::AsxnComboBox, &ResultsScreen::AsynComboBox);
}

ChoiceList& ResultsScreen::spacingList(BarDirection direction) {
    return column(*this, direction, &ResultsScreen::EspAsxpComboBox,
                  &ResultsScreen::EspAsypComboBox, &ResultsScreen::EspAsxnComboBox,
                  &ResultsScreen::EspAsynComboBox);
}
const ChoiceList& ResultsScreen::spacingList(BarDirection direction) const {
    return column(*this, direction, &ResultsScreen::EspAsxpComboBox,
                  &ResultsScreen::EspAsypComboBox, &ResultsScreen::EspAsxnComboBox,
                  &ResultsScreen::EspAsynComboBox);
}

std::string& ResultsScreen::descriptionBox(BarDirection direction) {
    return column(*this, direction, &ResultsScreen::AsxpbEdit, &ResultsScreen::AsypbEdit,
                  &ResultsScreen::AsxnbEdit, &ResultsScreen::AsynbEdit);
}
const std::string& ResultsScreen::descriptionBox(BarDirection direction) const {
    return column(*this, direction, &ResultsScreen::AsxpbEdit, &ResultsScreen::AsypbEdit,
                  &ResultsScreen::AsxnbEdit, &ResultsScreen::AsynbEdit);
}

std::string& ResultsScreen::effectiveAreaBox(BarDirection direction) {
    return column(*this, direction, &ResultsScreen::AsxpEdit, &ResultsScreen::AsypEdit,
                  &ResultsScreen::AsxnEdit, &ResultsScreen::AsynEdit);
}
const std::string& ResultsScreen::effectiveAreaBox(BarDirection direction) const {
    return column(*this, direction, &ResultsScreen::AsxpEdit, &ResultsScreen::AsypEdit,
                  &ResultsScreen::AsxnEdit, &ResultsScreen::AsynEdit);
}

std::string& ResultsScreen::requiredAreaBox(BarDirection direction) {
    return column(*this, direction, &ResultsScreen::AsxpCEdit, &ResultsScreen::AsypCEdit,
                  &ResultsScreen::AsxnCEdit, &ResultsScreen::AsynCEdit);
}
const std::string& ResultsScreen::requiredAreaBox(BarDirection direction) const {
    return column(*this, direction, &ResultsScreen::AsxpCEdit, &ResultsScreen::AsypCEdit,
                  &ResultsScreen::AsxnCEdit, &ResultsScreen::AsynCEdit);
}

} // namespace lajes
