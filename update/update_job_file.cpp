#include "update/update_job_file.h"

#include "common/xml_file.h"
#include "update/update_job_layout.h"

#include <span>

namespace corvane {

namespace {

std::string filePath(const JobOperation& operation, const UpdateJob& job) {
    const std::filesystem::path folder =
        operation.folder == JobFolder::Master ? job.MasterDir : job.ProjectDir / kBinFolder;
    return (folder / operation.fileName).string();
}

std::string_view goToAppAfter(const JobOperation& operation, const UpdateJob& job) {
    switch (operation.goToAppAfter) {
    case GoToAppAfter::OnFirmwareOption: return job.OptionIndex == kUpdateFirmware ? "1" : "0";
    case GoToAppAfter::Always: return "1";
    case GoToAppAfter::Never: return "0";
    }
    return "0";
}

void appendOperation(pugi::xml_node operations, const JobOperation& operation, const UpdateJob& job) {
    pugi::xml_node node = operations.append_child("Operation");
    node.append_child("Ope_Protection_Enabled");
    appendTextElement(node, "Ope_GoToBoot_Before", "0");
    appendTextElement(node, "Ope_GoToApp_Before", "0");
    node.append_child("Ope_IP_Address");
    appendTextElement(node, "Ope_Port", "2008");
    appendTextElement(node, "Ope_Port_Sec", "2007");
    appendTextElement(node, "Ope_Erase_Memory", "0");
    appendTextElement(node, "Ope_FileName", filePath(operation, job));
    appendTextElement(node, "Ope_Start_Address", operation.startAddress);
    appendTextElement(node, "Ope_Memory_Type", "0");
    appendTextElement(node, "Ope_Bank_Type", operation.bankType);
    appendTextElement(node, "Ope_Read_Back", job.ReadBack ? "1" : "0");
    appendTextElement(node, "Ope_Write_CSS", operation.writeCss);
    appendTextElement(node, "Ope_Address_CSS", operation.addressCss);
    appendTextElement(node, "Ope_Command_CSS", "0x0B");
    if (operation.writesInternalData) {
        appendTextElement(node, "Ope_Write_Internal_Data", "0");
        appendTextElement(node, "Ope_WID_Address", "0x78200");
        appendTextElement(node, "Ope_WID_Command", "0x0B");
        node.append_child("Ope_WID_Data");
    }
    appendTextElement(node, "Ope_GoToApp_After", goToAppAfter(operation, job));
}

// Firmware operations come first in each section, so filtering the table keeps the file order.
void appendOperations(pugi::xml_node parent, std::span<const JobOperation> table, const UpdateJob& job) {
    pugi::xml_node operations = parent.append_child("Operations");
    for (const JobOperation& operation : table)
        if (optionIncludes(job.OptionIndex, operation.content)) appendOperation(operations, operation, job);
}

} // namespace

void buildUpdateJob(pugi::xml_document& document, const UpdateJob& job) {
    document.reset();
    pugi::xml_node root = document.append_child("Ethernet_Update");
    appendTextElement(root, "Version", "1000");
    appendTextElement(root, "Title", "Telvornet - QS51207 Ethernet Update");
    appendTextElement(root, "IP_Address_Dev", job.IpAddress);
    appendTextElement(root, "Application_Port", "10000");
    appendTextElement(root, "Boot_Port", "2008");
    appendTextElement(root, "Boot_Port_Sec", "2007");
    appendTextElement(root, "Address_Protection", "0x78000");
    appendTextElement(root.append_child("Protections"), "Protection", "0x168");
    appendOperations(root, kMainOperations, job);

    pugi::xml_node auxiliary = root.append_child("ESP32");
    appendTextElement(auxiliary, "Address_Protection", "0x7800");
    appendOperations(auxiliary, kAuxOperations, job);
}

void Compile_XML_Parameter(const UpdateJob& job, const std::filesystem::path& appDir) {
    pugi::xml_document document;
    buildUpdateJob(document, job);
    saveXmlFile(document, appDir / kUpdateJobFileName);
}

} // namespace corvane
