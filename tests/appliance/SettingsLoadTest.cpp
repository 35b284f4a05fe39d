#include <gtest/gtest.h>

#include "appliance/SettingsLoad.h"

namespace {

CSettingEntry Lines(std::vector<std::string> lines) {
    return {true, std::move(lines)};
}

// What the appliance reads back as it pads or writes it is what was sent.
TEST(SettingsLoad, SameSettingComparesWhatTheApplianceMeans) {
    const struct {
        SettingId id;
        std::vector<std::string> now, file;
        bool same;
    } rows[] = {
        {SettingId::DataPort, {"Port 0080"}, {"Port 80"}, true},
        {SettingId::DataPort, {"Port 0800"}, {"Port 80"}, false},
        {SettingId::Registrations,
         {"Bind 00:0b:ce:01:02:03 0101", "Bind x 9"},
         {"Bind x 0009", "Bind 00:0B:CE:01:02:03 101"},
         true},
        {SettingId::Registrations, {"Bind x  9"}, {"Bind x 9"}, false},
        {SettingId::Servers, {"Serv 10.0.0.01:080 x"}, {"Serv 10.0.0.1:80 x"}, true},
        {SettingId::BtName, {"BTName 007"}, {"BTName 7"}, false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(SameSetting(row.id, Lines(row.now), Lines(row.file)), row.same) << row.now[0];
}

// An entry is released just before the registration that needs its device or port; the
// others last.
TEST(SettingsLoad, AReplacementKeepsAsFewEntriesAwayAsCanBe) {
    EXPECT_EQ(LoadCommands(SettingId::Registrations,
                           Lines({"Bind A 9101", "Bind B 9102", "Bind C 9103", "Bind E 9105"}),
                           Lines({"Bind C 9101", "Bind D 9104", "Bind B 9102"})),
              (std::vector<std::string>{"Rele 9101", "Rele 9103", "Bind C 9101", "Bind D 9104",
                                        "Rele 9105"}));
}

} // namespace
