// Whole numbers written in decimal, as the bet field and the statistics files
// hold them: one parser, so that both accept and refuse alike.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace velmora {

// An optional sign ("+" or "-") followed by decimal digits and nothing else,
// in the signed 32-bit range. Leading zeros are allowed; blanks are not.
std::optional<std::int32_t> ParseDecimal(std::string_view text);

}  // namespace velmora
