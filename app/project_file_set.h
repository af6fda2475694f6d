#pragma once
// The per-editor XML files of the active configuration, each the configuration folder joined with a fixed name.
#include <array>
#include <filesystem>
#include <string_view>

namespace corvane {

struct ProjectFileSet {
    std::filesystem::path ParGenPath;
    std::filesystem::path DaliAccessPath;
    std::filesystem::path Dali2AccessPath;
    std::filesystem::path ModbusTcpMasterAccessPath;
    std::filesystem::path DmxDefaultValuesPath;
    std::filesystem::path BacnetMasterAccessPath;
    std::filesystem::path ModbusMasterAccessPath;
    std::filesystem::path SnmpTrapPath;
    std::filesystem::path CanReceiveFramesPath;
    std::filesystem::path CanSendFramesPath;
    std::filesystem::path SdoServerPath;
    std::filesystem::path SdoClientPath;
    std::filesystem::path PdoPath;
    std::filesystem::path KnxAccessPath;
    std::filesystem::path SnmpManagerPath;

    // The file names, in the order the paths are computed.
    static constexpr std::array<std::string_view, 15> kFileNames = {
        "ParGen.xml",           "DALI_Access.xml",        "DALI2_Access.xml",       "ModbusTCPM_SetAccess.xml",
        "DMX_Default_Values.xml", "BACnet_Master_Access.xml", "ModbusM_SetAccess.xml", "SNMP_Trap.xml",
        "CAN_Rec_Frames.xml",   "CAN_Send_Frames.xml",    "SDO_Server_CANopen.xml", "SDO_Client_CANopen.xml",
        "PDO_CANopen.xml",      "KNX_SetAccess.xml",      "SNMP_Manager.xml"};

    static ProjectFileSet inside(const std::filesystem::path& projectDir) {
        ProjectFileSet set;
        std::filesystem::path* paths[] = {
            &set.ParGenPath,     &set.DaliAccessPath,       &set.Dali2AccessPath,        &set.ModbusTcpMasterAccessPath,
            &set.DmxDefaultValuesPath, &set.BacnetMasterAccessPath, &set.ModbusMasterAccessPath, &set.SnmpTrapPath,
            &set.CanReceiveFramesPath, &set.CanSendFramesPath, &set.SdoServerPath,        &set.SdoClientPath,
            &set.PdoPath,        &set.KnxAccessPath,        &set.SnmpManagerPath};
        for (size_t i = 0; i < kFileNames.size(); ++i) *paths[i] = projectDir / kFileNames[i];
        return set;
    }
};

} // namespace corvane
