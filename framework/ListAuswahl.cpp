// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/ListAuswahl.h"

#include "framework/ExerciseState.h"
#include "framework/TRAVEK.h"
#include "framework/WordListFile.h"

#include "platform/forms/application.h"
#include "platform/forms/events.h"
#include "platform/forms/twips.h"
#include "platform/services.h"

#include <QDir>

namespace {

const QString kChoose = QStringLiteral("Du kannst eine Wörterliste durch Anklicken auswählen:");
const QString kEmptyHint = QStringLiteral(
    "Deine Lehrerin oder dein Lehrer kann hier zum weiteren Üben Wörter für dich eingeben.");

} // namespace

ListAuswahl::ListAuswahl(ExerciseState& state) : Form(QStringLiteral("ListAuswahl")), state_(state)
{
    setCaption(QStringLiteral("Auswahl einer Wortliste durch Klick (Erstellen einer Wortliste mit F6)"));
    setClientSizeTwips(6030, 5865);
    Label1 = addLabel(QStringLiteral("Label1"), {315, 75, 5415, 840}, kChoose);
    Label1->setWordWrap(true);
    platform::setControlFont(Label1, QStringLiteral("Arial"), 15.75, true);
    // Only a real click chooses a list; the current row also moves when the list gets the focus.
    Datei = addListBox(QStringLiteral("Datei"), {308, 915, 5415, 3570}, nullptr);
    platform::onEvent(Datei, &QListWidget::itemClicked, this, [this] { Datei_Click(); });
    platform::setControlFont(Datei, QStringLiteral("Arial"), 18, true);
    Command1 = addButton(QStringLiteral("Command1"), {2108, 4755, 1695, 855}, QStringLiteral("Zurück"),
                         [this] { Command1_Click(); });
    Command2 = addButton(QStringLiteral("Command2"), {1560, 2800, 2850, 375},
                         QStringLiteral("weitere Informationen für Lehrer"), [this] { Command2_Click(); });
    Command2->hide();
}

void ListAuswahl::Form_Load()
{
    setCenteredWhenShown(true);
    const QString ownLists = state_.DataDir + QStringLiteral("/Listen");
    if (!platform::folderExists(ownLists))
        QDir().mkdir(ownLists);
    if (state_.ListSource == WordListSource::OwnLists) {
        folder_ = ownLists;
    } else {
        folder_ = TRAVEK::AppPath() + QStringLiteral("/WeitereListen");
        setCaption(QStringLiteral("Auswahl einer Wortliste durch Klick"));
    }
    refreshDatei();
    if (Datei->count() == 0) {
        Datei->hide();
        Label1->resize(Label1->width(), platform::twipsToPixels(4500));
        Label1->setText(kEmptyHint);
        Command2->show();
    }
}

void ListAuswahl::refreshDatei()
{
    Datei->clear();
    Datei->addItems(QDir(folder_).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
}

int ListAuswahl::ListOpen(const QString& ListeName)
{
    const WordListFile::Words list = WordListFile::read(folder_ + QLatin1Char('/') + ListeName);
    if (list.error.failed()) {
        platform::msgBox(QStringLiteral("Die Wörterliste kann nicht gelesen werden.\r\n")
                         + list.error.message);
        return 0;
    }
    if (list.words.isEmpty()) {
        platform::msgBox(QStringLiteral("In der Liste sind keine Einträge!"));
        return 0;
    }
    state_.Liste = list.words;
    return static_cast<int>(list.words.size());
}

void ListAuswahl::Datei_Click()
{
    const QListWidgetItem* item = Datei->currentItem();
    if (!item)
        return;
    const QString name = item->text();
    if (WordListFile::isPlaceholder(name)) {
        platform::msgBox(QStringLiteral("Diese Wörterliste ist leer!"));
        refreshDatei();
        return;
    }
    state_.ListCount = ListOpen(name);
    if (state_.ListCount != 0)
        unload();
    else
        refreshDatei();
}

void ListAuswahl::Command1_Click()
{
    state_.ListCount = 0;
    unload();
}

void ListAuswahl::Command2_Click()
{
    if (Datei->isHidden())
        Label1->setText(kEmptyHint + QStringLiteral("\r\n\r\nUm eigene Wörter für die Programme \"Fugolin\" "
                                                    "und \"Bogenblick\" einzugeben, drücken Sie bitte in "
                                                    "diesem Dialog die Taste F6 oder wählen Sie im Programm "
                                                    "aus dem Lehrermenü die Option \"eigene Wortlisten "
                                                    "erstellen\" aus."));
    Command2->hide();
}

void ListAuswahl::Form_KeyDown(int& keyCode, int)
{
    if (keyCode != platform::kKeyF6 || state_.ListSource != WordListSource::OwnLists)
        return;
    TRAVEK::RunAndWait(TRAVEK::AppPath() + QStringLiteral("/Kartello.exe"));
    Label1->setText(kChoose);
    Label1->resize(Label1->width(), platform::twipsToPixels(840));
    Command2->hide();
    Datei->show();
    refreshDatei();
}

// The dialog ends only through a list or "Zurück".
bool ListAuswahl::Form_QueryUnload(platform::UnloadMode mode)
{
    return mode != platform::UnloadMode::Code;
}
