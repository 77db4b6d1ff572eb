#include "SettingsNumberFile.h"

#include "platform/files.h"
#include "platform/forms/end.h"
#include "platform/services.h"

namespace {

constexpr int kAttempts = 4;

[[noreturn]] void fail(const QString& message)
{
    platform::msgBox(message);
    platform::End();
}

// Blanks, an optional sign, then a digit: anything else is no stored number.
bool startsWithNumber(const QString& line)
{
    const QString text = line.trimmed();
    const qsizetype digit = text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+')) ? 1 : 0;
    return digit < text.size() && text.at(digit) >= QLatin1Char('0') && text.at(digit) <= QLatin1Char('9');
}

// Waits 500, 1000, 1500 ms after the first three locked attempts.
void waitAfter(int attempt)
{
    platform::services().clock->sleep(attempt * 500);
}

} // namespace

QString SettingsNumberFile::path(const QString& dataDir) const
{
    return dataDir + QLatin1Char('/') + fileName;
}

int SettingsNumberFile::read(const QString& dataDir) const
{
    if (platform::fileMissingOrEmpty(path(dataDir)))
        if (const platform::FileError error = platform::writeNumberFile(path(dataDir), {defaultValue});
            error.failed() && (!error.locked() || !platform::fileExists(path(dataDir))))
            // Why it could not be made says more than that it is not there.
            fail(error.message);
    for (int attempt = 1;; ++attempt) {
        const platform::TextFile file = platform::readTextFile(path(dataDir));
        if (!file.error.failed()) {
            if (file.lines.isEmpty() || !startsWithNumber(file.lines.first()))
                return defaultValue;
            return static_cast<int>(platform::parseNumber(file.lines.first()));
        }
        if (!file.error.locked())
            fail(file.error.message);
        if (attempt == kAttempts)
            fail(lockedMessage);
        waitAfter(attempt);
    }
}

void SettingsNumberFile::save(const QString& dataDir, int value) const
{
    for (int attempt = 1;; ++attempt) {
        const platform::FileError error = platform::writeNumberFile(path(dataDir), {value});
        if (!error.failed())
            return;
        if (!error.locked())
            fail(error.message);
        if (attempt == kAttempts) {
            platform::msgBox(QStringLiteral("Ich konnte die Änderung nicht speichern!"));
            return;
        }
        waitAfter(attempt);
    }
}
