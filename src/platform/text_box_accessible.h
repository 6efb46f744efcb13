// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vorlix::platform {

// What assistive technology reads of every QLineEdit from now on. Qt 6.4
// answers that no run of text attributes covers any offset of a line edit,
// and Orca 43 reads a text line run by run: a box taking the focus was
// read without its last character ("12" as "1", "0" as nothing). This
// reading has the whole text as one run and is otherwise Qt's, through
// QLineEdit's public calls.
void installTextBoxAccessibility();

}  // namespace vorlix::platform
