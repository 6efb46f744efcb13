// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace vorlix::platform {

// A generic application-window picture: 32 x 32 in two colours, and
// 32 x 32 and 16 x 16 in sixteen colours.
QIcon genericWindowIcon();

}  // namespace vorlix::platform
