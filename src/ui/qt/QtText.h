#pragma once

#include <QString>
#include <string>
#include <string_view>

// Text between the framework (std::string, one byte per character as the appliance and the
// edit controls count them) and Qt.

// Edit contents and clipboard: Latin-1, so that character indexes agree on both sides.
QString FromLatin1(std::string_view text);
// Characters outside Latin-1 become '?'.
std::string ToLatin1(const QString& text);

// Captions, labels and message texts: UTF-8 when the bytes are valid UTF-8 (the program's own
// texts, some of them not ASCII), else Latin-1 (appliance names).
QString DisplayText(std::string_view text);

// A label as read aloud or shown without mnemonics: "&&" becomes "&", a single "&" goes.
QString WithoutMnemonics(const QString& label);
