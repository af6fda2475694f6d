#include "image/function_table.h"

#include "image/little_endian.h"

namespace corvane {

void serializeFunction(const FunctionRecord& function, std::span<std::uint8_t, FunctionRecord::kSerializedSize> out) {
    out[0] = function.NextFunction;
    out[1] = function.FunctionCode;
    out[2] = function.ConditionCode;
    out[3] = 0;
    le::putF32(out, 4, function.Value);
    out[8] = function.ChannelAddress;
    out[9] = function.Brightness;
    out[10] = 0;
    out[11] = 0;
}

FunctionRecord deserializeFunction(std::span<const std::uint8_t, FunctionRecord::kSerializedSize> in) {
    FunctionRecord function;
    function.NextFunction = in[0];
    function.FunctionCode = in[1];
    function.ConditionCode = in[2];
    function.Value = le::getF32(in, 4);
    function.ChannelAddress = in[8];
    function.Brightness = in[9];
    return function;
}

// The buffer grows once for the whole table, and each record is written in place.
std::size_t SerializeFunctions(const FunctionTable& table, ImageBuffer& buffer, std::size_t position) {
    const std::span<std::uint8_t> out = buffer.place(position, FunctionTable::kSerializedSize);
    for (std::size_t i = 0; i < FunctionTable::kEntries; ++i)
        serializeFunction(table.entries[i],
                          out.subspan(i * FunctionRecord::kSerializedSize).first<FunctionRecord::kSerializedSize>());
    return position + FunctionTable::kSerializedSize;
}

} // namespace corvane
