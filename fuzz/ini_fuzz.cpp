// Feeds arbitrary bytes to the INI reader as a project file and checks what saving relies on:
// every line comes back byte for byte, a written value reads back as written, and writing one
// key changes no other.
#include <cstdint>
#include <string>
#include <string_view>

#include "Require.h"
#include "model/Cp1251.h"
#include "model/IniDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = qv::decodeCp1251(bytes);
    std::string encoded;
    require(!qv::encodeCp1251(text, encoded) && encoded == bytes);

    qv::IniDocument ini(text);
    require(ini.text() == text);

    const auto carsBefore = ini.value("Integers", "CarNum");
    (void)ini.readInteger("Integers", "CarNum", 0);
    (void)ini.readBool("Others", "Traffic", false);

    // A value made of the input's first bytes, without line breaks.
    std::string value = text.substr(0, std::min<std::size_t>(text.size(), 12));
    std::erase_if(value, [](char c) { return c == '\r' || c == '\n'; });
    ini.write("Strings", "MsName", value);
    require(ini.value("Strings", "MsName") == value);
    require(ini.value("Integers", "CarNum") == carsBefore);

    // The result reads the same when parsed again.
    const qv::IniDocument reread(ini.text());
    require(reread.value("Strings", "MsName") == value);
    require(reread.text() == ini.text());
    return 0;
}
