#pragma once
// The fixed value lists of the DALI-2 tables. Their texts are stored in the project file as they stand
// (never translated) and are mapped to device codes by their position in these lists.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

inline constexpr std::string_view kDevice = "Device";
inline constexpr std::string_view kSensor = "Sensor";
inline constexpr std::array<std::string_view, 2> kDevSenList = {kDevice, kSensor};

// DALI device types 0 to 9.
inline constexpr std::array<std::string_view, 10> kDeviceTypes = {
    "Fluorescent Lamp", "Emergency Lamp", "High Voltage Discharge", "Alogen Lamp",   "Dimmer",
    "Converter",        "Led Lamp",       "Actuator On Off",        "Color Control", "Sequencer"};

inline constexpr std::array<std::string_view, 7> kSensorTypes = {
    "Generic Input", "Push Button",  "Absolute Input", "Occupancy Sensor",
    "Light Sensor",  "Color Sensor", "Relative Input"};

inline constexpr std::array<std::string_view, 2> kNumBytesList = {"1", "2"};

inline constexpr std::array<std::string_view, 11> kOperations = {
    "Function Null", "Multiplication", "Division", "Addition",   "Subtraction", "Set Out",
    "Dim Up",        "Dim Down",       "Toggle",   "Ramp Start", "Ramp Stop"};

inline constexpr std::string_view kNoCondition = "No Condition";
inline constexpr std::string_view kWhenEqual = "When Equal to Value";
inline constexpr std::string_view kAndLogic = "AND Logic with Value";
inline constexpr std::string_view kNandLogic = "NAND Logic with Value";
inline constexpr std::array<std::string_view, 9> kConditions = {kNoCondition,
                                                                kWhenEqual,
                                                                "When Lower to Value",
                                                                "When Greater to Value",
                                                                kAndLogic,
                                                                "OR Logic with Value",
                                                                "XOR Logic with Value",
                                                                kNandLogic,
                                                                "NOR Logic with Value"};

inline constexpr std::array<std::string_view, 17> kEvents = {
    "Button Released",   "Button Pressed",  "Short Press",  "Double Press", "Long Press Start",
    "Long Press Repeat", "Long Press Stop", "Button Free",  "Button Stuck", "No Movement",
    "Movement",          "Vacant",          "Still Vacant", "Occupied",     "Still Occupied",
    "Presence Sensor",   "Movement Sensor"};

// The events fall into groups; each group requires one condition.
enum class EventGroup { None, PushButton, Absence, Presence };
EventGroup eventGroup(std::string_view eventText); // exact comparison
std::optional<std::string_view> requiredCondition(EventGroup group);

// The Channel targets: "DALI Channel 0" … "DALI Channel 63", "DALI Group 1" … "DALI Group 16",
// "DALI Broadcast" (81 entries).
inline constexpr int kTargetChannels = 64;
inline constexpr int kTargetGroups = 16;
const std::vector<std::string>& daliTargets();

// The list offered for `devSen`: the device types for exactly "Device", the input types for exactly
// "Sensor", nothing otherwise.
std::vector<std::string> typesFor(std::string_view devSen);

template <std::size_t N> std::vector<std::string> toStrings(const std::array<std::string_view, N>& list) {
    return {list.begin(), list.end()};
}

} // namespace corvane
