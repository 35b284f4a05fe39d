#include <gtest/gtest.h>

#include <random>
#include <string>

#include "MaskedEditFixture.h"

namespace {

class MaskedEditRandomTest : public ::testing::TestWithParam<unsigned>, public MaskedEditFixture {
protected:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    std::string RandomText() {
        static const std::string alphabet = "0123456789abcdefABCDEF:_ -\x7f\xe9\x01";
        std::string text;
        for (int n = Pick(0, 24); n > 0; --n)
            text += alphabet[static_cast<size_t>(Pick(0, static_cast<int>(alphabet.size()) - 1))];
        return text;
    }

    int RandomCode() {
        switch (Pick(0, 4)) {
        case 0:
            return "0123456789abcdef"[Pick(0, 15)];
        case 1:
            return Pick(0, 31);
        case 2:
            return Pick(256, 0x10FFFF);
        default:
            return Pick(32, 255);
        }
    }

    void RandomStep() {
        static const VirtualKey keys[] = {
            VirtualKey::Delete, VirtualKey::Home,   VirtualKey::End,
            VirtualKey::Left,   VirtualKey::Right,  VirtualKey::Up,
            VirtualKey::Down,   VirtualKey::Insert, VirtualKey::Other};
        switch (Pick(0, 11)) {
        case 0:
        case 1:
        case 2:
            edit.OnChar(RandomCode());
            break;
        case 3:
            edit.OnChar(8);
            break;
        case 4:
            edit.OnKeyDown(keys[Pick(0, 8)], Pick(0, 1) == 1);
            break;
        case 5:
            backend.SetClipboardText(RandomText());
            edit.OnPaste();
            break;
        case 6:
            (Pick(0, 1) ? edit.OnCut() : edit.OnClear());
            break;
        case 7:
            edit.SetSel(Pick(-2, 20), Pick(-2, 20));
            break;
        case 8:
            edit.OnLButtonDown(Pick(-2, 20));
            break;
        case 9:
            (Pick(0, 1) ? edit.SetWindowText(RandomText()) : edit.OnTextEdited(RandomText()));
            break;
        case 10:
            dialog.GetDlgItem(CAddressTestDlg::IDC_OTHER)->SetFocus();
            break;
        default:
            edit.OnCopy();
            break;
        }
    }

    // The window text is the display text: 17 characters, the separators where the mask has
    // them, the input characters in between, and no character an input position refuses.
    void CheckInvariants(int step) {
        const std::string text = edit.GetWindowText();
        ASSERT_EQ(text.size(), 17u) << "step " << step;
        std::string input;
        for (size_t k = 0; k < text.size(); ++k) {
            if (k % 3 == 2) {
                ASSERT_EQ(text[k], ':') << "step " << step << ": " << text;
                continue;
            }
            const auto c = static_cast<unsigned char>(text[k]);
            ASSERT_TRUE(c == '_' || (c >= 32 && c != 127)) << "step " << step << ": " << text;
            input += text[k];
        }
        ASSERT_EQ(input, edit.GetInputChars()) << "step " << step;
        int start = 0, end = 0;
        edit.GetSel(start, end);
        ASSERT_LE(0, start) << "step " << step;
        ASSERT_LE(start, end) << "step " << step;
        ASSERT_LE(end, 17) << "step " << step;
    }

    std::mt19937 random{GetParam()};
};

TEST_P(MaskedEditRandomTest, AddressFieldKeepsItsShapeThroughRandomInput) {
    for (int step = 0; step < 20000; ++step) {
        RandomStep();
        ASSERT_NO_FATAL_FAILURE(CheckInvariants(step));
        dialog.m_notifications.clear();
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, MaskedEditRandomTest, ::testing::Values(1u, 42u, 20261208u));

} // namespace
