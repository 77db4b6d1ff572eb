#include "PackageOptions.h"

#include "SuiteOptions.h"

#include "platform/files.h"
#include "platform/forms/end.h"
#include "platform/services.h"

#include <algorithm>

namespace taskmanager {

namespace {

int toInt16(qint64 value)
{
    return static_cast<int>(std::clamp<qint64>(value, -32768, 32767));
}

MainWindowDisplayOptions displayOptionsOf(const QVector<qint64>& values, int linesRead)
{
    // A short file leaves the missing options at 0.
    auto line = [&](int n) { return n <= values.size() ? toInt16(values[n - 1]) : 0; };
    return {.fullScreen = line(linesRead), .backdrop = line(linesRead - 2), .taskbarVisible = line(linesRead - 1)};
}

} // namespace

MainWindowDisplayOptions loadPackageOptions(const PackageInfo& package, const QString& packageDir,
                                const QString& appPath)
{
    if (package.optionsFile.isEmpty())
        return {};
    const QString file = packageDir + QLatin1Char('/') + package.optionsFile;
    const QString source = appPath + QLatin1Char('/') + package.optionsSource;
    for (int attempt = 1;; ++attempt) {
        platform::FileError pending;
        if (platform::fileMissingOrEmpty(file))
            pending = copyWithBackup(source, file, packageDir + QLatin1Char('/') + package.optionsBackup);
        const platform::NumberFile options = platform::readNumberFile(file);
        if (!pending.failed())
            pending = options.error;
        if (!pending.failed())
            return displayOptionsOf(options.values, package.linesRead);
        if (!pending.locked()) {
            platform::msgBox(pending.message);
            platform::End();
        }
        if (attempt == 4) {
            platform::msgBox(QString::fromUtf8(kSettingsLockedMessage));
            platform::End();
        }
        platform::services().clock->sleep(attempt * 500);
    }
}

} // namespace taskmanager
