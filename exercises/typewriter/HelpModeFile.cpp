#include "HelpModeFile.h"

#include "SuiteOptions.h"

#include "platform/files.h"
#include "platform/forms/end.h"
#include "platform/services.h"

#include <QRegularExpression>

namespace help_mode {

namespace {

constexpr int kAttempts = 4;

QString path(const QString& dataDir)
{
    return dataDir + QStringLiteral("/options2.ini");
}

[[noreturn]] void fail(const QString& message)
{
    platform::msgBox(message);
    platform::End();
}

// A first line that holds no number reads like an empty file.
int modeOf(const QStringList& lines)
{
    static const QRegularExpression number(QStringLiteral("^\\s*[-+]?\\d"));
    if (lines.isEmpty() || !number.match(lines.first()).hasMatch())
        return 1;
    return static_cast<int>(platform::parseNumber(lines.first()));
}

} // namespace

int read(const QString& dataDir)
{
    if (!platform::fileExists(path(dataDir)))
        platform::writeNumberFile(path(dataDir), {1});
    for (int attempt = 1;; ++attempt) {
        const platform::TextFile file = platform::readTextFile(path(dataDir));
        if (!file.error.failed())
            return modeOf(file.lines);
        if (!file.error.locked())
            fail(file.error.message);
        if (attempt == kAttempts)
            fail(QString::fromUtf8(kSettingsLockedMessage));
        platform::services().clock->sleep(attempt * 500);
    }
}

void save(const QString& dataDir, int schwer)
{
    for (int attempt = 1;; ++attempt) {
        const platform::FileError error = platform::writeNumberFile(path(dataDir), {schwer});
        if (!error.failed())
            return;
        if (!error.locked())
            fail(error.message);
        if (attempt == kAttempts) {
            platform::msgBox(QStringLiteral("Ich konnte die Änderung nicht speichern!"));
            return;
        }
        platform::services().clock->sleep(attempt * 500);
    }
}

} // namespace help_mode
