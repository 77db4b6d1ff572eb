// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QWidget;

namespace forms_check {

// Every visible label, button, check box, option button and frame below `window` whose text
// or picture does not fit inside its control, at the control's own font: one line each, naming
// the control and the sizes.
QStringList captionProblems(const QWidget& window);

} // namespace forms_check
