#include "dali/dali2_lists.h"

#include <algorithm>

namespace corvane {

namespace {

constexpr std::array<std::string_view, 9> kPushButtonEvents = {
    "Button Released",   "Button Pressed",  "Short Press", "Double Press", "Long Press Start",
    "Long Press Repeat", "Long Press Stop", "Button Free", "Button Stuck"};
constexpr std::array<std::string_view, 3> kAbsenceEvents = {"No Movement", "Vacant", "Presence Sensor"};
constexpr std::array<std::string_view, 5> kPresenceEvents = {"Movement", "Still Vacant", "Occupied",
                                                             "Still Occupied", "Movement Sensor"};

template <std::size_t N> bool holds(const std::array<std::string_view, N>& list, std::string_view text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

} // namespace

EventGroup eventGroup(std::string_view eventText) {
    if (holds(kPushButtonEvents, eventText)) return EventGroup::PushButton;
    if (holds(kAbsenceEvents, eventText)) return EventGroup::Absence;
    if (holds(kPresenceEvents, eventText)) return EventGroup::Presence;
    return EventGroup::None;
}

std::optional<std::string_view> requiredCondition(EventGroup group) {
    switch (group) {
    case EventGroup::PushButton:
        return kWhenEqual;
    case EventGroup::Absence:
        return kNandLogic;
    case EventGroup::Presence:
        return kAndLogic;
    case EventGroup::None:
        break;
    }
    return std::nullopt;
}

const std::vector<std::string>& daliTargets() {
    static const std::vector<std::string> targets = [] {
        std::vector<std::string> list;
        for (int channel = 0; channel < kTargetChannels; ++channel)
            list.push_back("DALI Channel " + std::to_string(channel));
        for (int group = 1; group <= kTargetGroups; ++group)
            list.push_back("DALI Group " + std::to_string(group));
        list.push_back("DALI Broadcast");
        return list;
    }();
    return targets;
}

std::vector<std::string> typesFor(std::string_view devSen) {
    if (devSen == kDevice) return toStrings(kDeviceTypes);
    if (devSen == kSensor) return toStrings(kSensorTypes);
    return {};
}

} // namespace corvane
