// SPDX-License-Identifier: MIT
// The amount in capitals and the weighbridge from texts as typed.
#include "capitals.h"
#include "fuzzcheck.h"
#include "gbkcodec.h"
#include "numbertext.h"
#include "weighbridge.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

using namespace korvane;

namespace {

// Every character of a capitals text is a GBK double-byte character.
bool wholeCharacters(const std::string& text) {
    if (text.empty() || text.size() % 2 != 0)
        return false;
    for (std::size_t i = 0; i < text.size(); i += 2)
        if (static_cast<unsigned char>(text[i]) < 0x81)
            return false;
    return gbkToUtf8(text).find("\xEF\xBF\xBD") == std::string::npos;
}

bool isDecimalText(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789.-e+") == std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string outbound = input.ConsumeRandomLengthString(64);
    const std::string received = input.ConsumeRemainingBytesAsString();

    const double amount = NumberText::textToNumber(outbound);
    FUZZ_CHECK(wholeCharacters(amountInCapitals(amount)));
    FUZZ_CHECK(wholeCharacters(amountInCapitals(-amount)));

    const WeighbridgeResult result = computeWeighbridge(outbound, received);
    const double out = NumberText::textToNumber(outbound);
    const double settle = out * 0.997 - NumberText::textToNumber(received);
    if (std::isfinite(out * 0.003))
        FUZZ_CHECK(isDecimalText(result.allowance));
    if (std::isfinite(settle))
        FUZZ_CHECK(isDecimalText(result.settle));
    return 0;
}
