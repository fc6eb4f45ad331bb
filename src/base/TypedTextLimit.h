#pragma once
// The length limit of an edit box as the user meets it: typing stops at the limit and a paste
// is cut to the room left, while a longer text put there by the program (a value read from a
// file) is shown whole and can only shrink.

#include <QString>

// The text after an edit that turned before into after, with what the edit inserted cut to the
// room the limit leaves once what it replaced is gone; after itself when it fits. cursor is set
// to the end of what was inserted.
QString LimitTypedText(const QString& before, const QString& after, int maxLength, int& cursor);
