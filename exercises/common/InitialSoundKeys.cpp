// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/common/InitialSoundKeys.h"

#include "framework/TRAVEK.h"

#include "platform/files.h"
#include "platform/forms/events.h"
#include "platform/forms/form.h"
#include "platform/forms/twips.h"
#include "platform/services.h"

#include <QDir>
#include <QHash>
#include <QToolButton>

#include <optional>

namespace initial_sound_keys {

namespace {

QSize keyPictureSize()
{
    return {platform::twipsToPixels(600), platform::twipsToPixels(600)};
}

// Kept at the size the key shows it: a keyboard of full-size pictures costs a start memory and
// every paint a scaling.
QPixmap loadKeyPicture(const QString& path)
{
    const QPixmap picture = platform::loadPicture(path);
    return picture.isNull() || picture.size() == keyPictureSize()
               ? picture
               : picture.scaled(keyPictureSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace

// The key pictures of the window's design, from the copies that the build rendered at the size the
// keys show them ("keys/40x40") when there are, else from the full-size pictures. The keys name
// their pictures by sound in any letter case: the rendered folder is listed once for the whole
// keyboard, on the first picture drawn, instead of once per key.
class DesignKeyPictures {
public:
    QPixmap of(const QString& sound)
    {
        if (!rendered_)
            rendered_ = listRendered();
        if (const auto found = rendered_->constFind(fileName(sound).toLower()); found != rendered_->cend())
            if (QPixmap picture = loadKeyPicture(*found); !picture.isNull())
                return picture;
        return loadKeyPicture(keysFolder() + fileName(sound));
    }

private:
    static QString keysFolder() { return TRAVEK::AppPath() + QStringLiteral("/keys/"); }
    static QString fileName(const QString& sound) { return sound + QStringLiteral(".bmp"); }

    // The rendered pictures' paths by their names in lower case; of names alike but for case, the
    // first in order, as a lookup in any case takes it.
    static QHash<QString, QString> listRendered()
    {
        const QSize shown = keyPictureSize();
        const QDir folder(keysFolder() + QStringLiteral("%1x%2").arg(shown.width()).arg(shown.height()));
        QHash<QString, QString> paths;
        for (const QString& name : folder.entryList(QDir::Files, QDir::Name))
            if (const QString key = name.toLower(); !paths.contains(key))
                paths.insert(key, folder.filePath(name));
        return paths;
    }

    std::optional<QHash<QString, QString>> rendered_;
};

std::shared_ptr<DesignKeyPictures> designKeyPictures()
{
    return std::make_shared<DesignKeyPictures>();
}

QToolButton* addKey(platform::Form& form, int index, const QRect& twips, const QString& caption,
                    const QString& sound, const std::shared_ptr<DesignKeyPictures>& pictures,
                    std::function<void()> onClick)
{
    auto* key = new QToolButton(form.client());
    key->setObjectName(QStringLiteral("Worttaste(%1)").arg(index));
    key->setGeometry(platform::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    key->setText(caption);
    key->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    platform::setTag(key, sound);
    platform::setControlFont(key, QStringLiteral("Arial"), 9.75, true);
    if (!sound.isEmpty()) {
        key->setIcon(platform::lazyIcon([pictures, sound] { return pictures->of(sound); }));
        key->setIconSize(keyPictureSize());
    }
    platform::onEvent(key, &QToolButton::clicked, &form, std::move(onClick));
    return key;
}

std::vector<bool> loadOwnPictures(const std::vector<QToolButton*>& keys, const QString& program,
                                  const QString& loadError)
{
    std::vector<bool> own;
    for (QToolButton* key : keys) {
        const QString path = TRAVEK::AppPath() + QStringLiteral("/Anlaut/") + program + QLatin1Char('/')
                             + platform::tag(key).trimmed() + QStringLiteral(".bmp");
        own.push_back(platform::fileExists(path));
        if (!own.back()) {
            key->hide();
            continue;
        }
        const QPixmap picture = loadKeyPicture(path);
        if (picture.isNull())
            platform::msgBox(loadError);
        else
            key->setIcon(QIcon(picture));
    }
    return own;
}

} // namespace initial_sound_keys
