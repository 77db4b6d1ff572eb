// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace platform {

// While it lives the program's windows take no input: clicks, keys, the wheel and the close
// button are dropped, everything else (painting, timers) goes on as the caller lets events run.
// At its end the input the display server has sent until then is fetched and dropped as well,
// so nothing made meanwhile is carried out afterwards, on whatever is then under the pointer.
class InputDropper : public QObject {
public:
    InputDropper();
    ~InputDropper() override;
    InputDropper(const InputDropper&) = delete;
    InputDropper& operator=(const InputDropper&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace platform
