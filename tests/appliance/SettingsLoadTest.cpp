#include <gtest/gtest.h>

#include "appliance/SettingsLoad.h"

namespace {

CSettingEntry Lines(std::vector<std::string> lines) {
    return {true, std::move(lines)};
}

struct Meaning {
    SettingId id;
    std::vector<std::string> now;
    std::vector<std::string> file;
    bool same;
};

class SameMeaning : public ::testing::TestWithParam<Meaning> {};

// What the appliance reads back as it pads or writes it is what was sent.
TEST_P(SameMeaning, ComparesWhatTheApplianceMeans) {
    EXPECT_EQ(SameSetting(GetParam().id, Lines(GetParam().now), Lines(GetParam().file)),
              GetParam().same);
}

INSTANTIATE_TEST_SUITE_P(
    Load, SameMeaning,
    ::testing::Values(
        Meaning{SettingId::DataPort, {"Port 0080"}, {"Port 80"}, true},
        Meaning{SettingId::DataPort, {"Port 0800"}, {"Port 80"}, false},
        Meaning{SettingId::Registrations,
                {"Bind 00:0b:ce:01:02:03 0101", "Bind x 9"},
                {"Bind x 0009", "Bind 00:0B:CE:01:02:03 101"},
                true},
        Meaning{SettingId::Registrations, {"Bind x  9"}, {"Bind x 9"}, false},
        Meaning{SettingId::Servers, {"Serv 10.0.0.01:080 x"}, {"Serv 10.0.0.1:80 x"}, true},
        Meaning{SettingId::Vertex, {"Vertex 0930 3"}, {"Vertex 930 3"}, true},
        Meaning{SettingId::BtName, {"BTName 007"}, {"BTName 7"}, false}));

struct Replacement {
    const char* name;
    std::vector<std::string> now;
    std::vector<std::string> file;
    std::vector<std::string> commands;
};

class Replacements : public ::testing::TestWithParam<Replacement> {};

// An entry is released just before the registration that needs its device or port; the
// others last.
TEST_P(Replacements, KeepAsFewEntriesAwayAsCanBe) {
    EXPECT_EQ(LoadCommands(SettingId::Registrations, Lines(GetParam().now), Lines(GetParam().file)),
              GetParam().commands);
}

INSTANTIATE_TEST_SUITE_P(
    Load, Replacements,
    ::testing::Values(Replacement{"SamePort",
                                  {"Bind Old 9101", "Bind Scale 9105"},
                                  {"Bind Printer 9101"},
                                  {"Rele 9101", "Bind Printer 9101", "Rele 9105"}},
                      Replacement{"DeviceAndPortOfTwo",
                                  {"Bind A 9101", "Bind B 9102", "Bind C 9103"},
                                  {"Bind C 9101", "Bind D 9104", "Bind B 9102"},
                                  {"Rele 9101", "Rele 9103", "Bind C 9101", "Bind D 9104"}},
                      Replacement{"PaddedPortIsKept", {"Bind A 0080"}, {"Bind A 80"}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
