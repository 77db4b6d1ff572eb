// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/common/InitialSoundKeys.h"

#include "framework/TRAVEK.h"

#include "platform/files.h"
#include "platform/forms/events.h"
#include "platform/forms/form.h"
#include "platform/forms/twips.h"
#include "platform/services.h"

#include <QFileInfo>
#include <QToolButton>

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

// The key's picture of the window's design, from the copy that the build rendered at the size
// the key shows it when there is one ("keys/40x40"), else from the full-size picture.
QPixmap designKeyPicture(const QString& sound)
{
    const QString keys = TRAVEK::AppPath() + QStringLiteral("/keys/");
    const QSize shown = keyPictureSize();
    const QString rendered = QStringLiteral("%1x%2/").arg(shown.width()).arg(shown.height());
    if (QFileInfo::exists(keys + rendered)) {
        QPixmap picture = loadKeyPicture(keys + rendered + sound + QStringLiteral(".bmp"));
        if (!picture.isNull())
            return picture;
    }
    return loadKeyPicture(keys + sound + QStringLiteral(".bmp"));
}

} // namespace

QToolButton* addKey(platform::Form& form, int index, const QRect& twips, const QString& caption,
                    const QString& sound, std::function<void()> onClick)
{
    auto* key = new QToolButton(form.client());
    key->setObjectName(QStringLiteral("Worttaste(%1)").arg(index));
    key->setGeometry(platform::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    key->setText(caption);
    key->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    platform::setTag(key, sound);
    platform::setControlFont(key, QStringLiteral("Arial"), 9.75, true);
    if (!sound.isEmpty()) {
        key->setIcon(platform::lazyIcon([sound] { return designKeyPicture(sound); }));
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
